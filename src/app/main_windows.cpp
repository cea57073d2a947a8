// The main window's other windows: each is made the first time it is needed
// and belongs to the main window from then on.

#include "app/tfm_main.h"

#include "app/clip_cutter.h"
#include "app/dvd_commands.h"
#include "app/main_keys.h"
#include "jobs/batch.h"
#include "session/converter_session.h"
#include "windows/tfm_about.h"
#include "windows/tfm_dir.h"
#include "windows/tfm_dvdcutter.h"
#include "windows/tfm_info.h"
#include "windows/tfm_set.h"

#include <QFrame>

Tfm_dir &Tfm_main::fm_dir()
{
    if (!m_windows.fm_dir)
        m_windows.fm_dir = new Tfm_dir(this);
    return *m_windows.fm_dir;
}

Tfm_about &Tfm_main::fm_about()
{
    if (!m_windows.fm_about)
        m_windows.fm_about = new Tfm_about(m_session.shell(), this);
    return *m_windows.fm_about;
}

Tfm_set &Tfm_main::fm_set()
{
    if (!m_windows.fm_set) {
        Batch &batch = m_session.batch();
        auto *dialog = new Tfm_set(m_session.profile(), this);
        connect(dialog, &Tfm_set::afterBatchActionChosen, &batch,
                [&batch](int action) { batch.setAfterBatchAction(static_cast<AfterBatchAction>(action)); });
        connect(dialog, &Tfm_set::jobsAtOnceChosen, &batch, &Batch::setJobsAtOnceSetting);
        connect(dialog, &Tfm_set::keepStructureChosen, &m_session.outputFolder(), &OutputFolder::setKeepStructure);
        connect(dialog, &Tfm_set::namePatternChosen, &m_session.outputFolder(), &OutputFolder::setNamePattern);
        m_windows.fm_set = dialog;
    }
    return *m_windows.fm_set;
}

Tfm_info &Tfm_main::fm_info()
{
    if (!m_windows.fm_info)
        m_windows.fm_info = new Tfm_info(m_session.jobs(),
                                         {m_session.encoderRuns().location(),
                                          [this](const Job &job) { return m_dvd->trackListsOf(job); },
                                          [this](const Job &job) { return m_session.batch().liveRun(job); }},
                                         this);
    return *m_windows.fm_info;
}

// The window comes with its commands: the clip cutter plays into its panel
// and shows the position on its skin objects.
Tfm_dvdcutter &Tfm_main::fm_dvdcutter()
{
    if (!m_windows.fm_dvdcutter) {
        auto *window = new Tfm_dvdcutter(this);
        m_windows.fm_dvdcutter = window;
        skinCutter(*window);
        m_preview.playback->setCutterDisplay(window->pl_play(), m_preview.display.cutter);
        m_preview.cutter =
            std::make_unique<ClipCutter>(*window, *this, m_session.jobs(), *m_preview.playback, m_prompts,
                                         CutterSkinObjects{m_skinRefs.cut_begin_time, m_skinRefs.cut_end_time,
                                                           m_skinRefs.cut_play_time, m_skinRefs.cut_play_bar});
        addCutterKeys(window, [this](MainCommand command) { run(command); });
        // The cutter's slider follows the command availability like the main window's.
        refreshCommands();
    }
    return *m_windows.fm_dvdcutter;
}
