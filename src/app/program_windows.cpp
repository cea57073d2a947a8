#include "app/program_windows.h"

#include "app/tfm_about.h"
#include "app/tfm_dir.h"
#include "app/tfm_dvdcutter.h"
#include "app/tfm_info.h"
#include "app/tfm_main.h"
#include "jobs/job_list.h"
#include "profiles/tfm_set.h"

std::unique_ptr<Tfm_main> createProgramWindows(Prompts &prompts, DesktopShell &shell, const QString &programPath,
                                               const QString &executableFolder)
{
    auto fm_main = std::make_unique<Tfm_main>(prompts, shell, programPath, executableFolder);
    Tfm_main *main = fm_main.get();
    ProgramWindows windows;
    windows.fm_dir = new Tfm_dir(main);
    windows.fm_about = new Tfm_about(shell, main);
    windows.fm_set = new Tfm_set(main);
    windows.fm_info = new Tfm_info(
        [main] {
            const std::optional<int> row = main->jobs().selectedRow();
            return row ? main->jobs().job(*row) : Job{};
        },
        main);
    windows.fm_dvdcutter = new Tfm_dvdcutter(main);
    main->setWindows(windows);
    return fm_main;
}
