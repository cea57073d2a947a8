// Start-up of the converter's main window, as the program starts it.

#include "app/program_windows.h"
#include "ui_text/prompts.h"
#include "app/tfm_main.h"
#include "platform/shell/qt_desktop_shell.h"
#include "startup_report.h"

int main(int argc, char *argv[])
{
    StartupReportApplication app(argc, argv);
    QtPrompts prompts;
    QtDesktopShell shell;
    const QString folder = QStringLiteral(VELTRIX_BIN_DIR);
    const std::unique_ptr<Tfm_main> fm_main =
        createProgramWindows(prompts, shell, folder + "/veltrix-video-converter", folder);
    return app.showAndReport(*fm_main);
}
