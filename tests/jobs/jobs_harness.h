#pragma once
// The job list, the file-job start, the batch completion and the run
// control wired as the main window wires them, over the real register.dat,
// profiles.pop and language.info of the executable folder; prompts and the
// desktop shell are recording stand-ins.

#include "app/message_table.h"
#include "engine/batch_completion.h"
#include "engine/command_availability.h"
#include "engine/encoder_run.h"
#include "engine/run_state.h"
#include "jobs/file_job_start.h"
#include "jobs/job_list.h"
#include "jobs/run_control.h"
#include "media_fixtures.h"
#include "profiles/profile_selection.h"
#include "profiles/quality_settings.h"
#include "profiles/tfm_set.h"
#include "recording_prompts.h"
#include "recording_shell.h"

#include <QAction>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>
#include <cstdlib>
#include <gtest/gtest.h>
#include <memory>

namespace veltrix::test {

inline const QString kBinFolder = QStringLiteral(VELTRIX_BIN_DIR);

// Settings files go to a private folder for the life of the harness.
class PrivateSettings {
public:
    PrivateSettings() { ::setenv("XDG_CONFIG_HOME", m_dir.path().c_str(), 1); }
    ~PrivateSettings() { ::unsetenv("XDG_CONFIG_HOME"); }

private:
    TempDir m_dir;
};

class JobsHarness {
public:
    explicit JobsHarness(int profileId = 17)
    {
        run.setExecutableFolder(kBinFolder);
        selection.setCurrentProfileId(profileId);
        selection.selectProfile(profileId);
        for (const char *name : {"bt_start", "Bt_Convertstop", "bt_remove"}) {
            auto *button = new QPushButton(&window);
            button->setObjectName(QString::fromLatin1(name));
        }
        auto *pause = new QAction(QStringLiteral("Pause"), &window);
        pause->setObjectName(QStringLiteral("Pause1"));
        QObject::connect(&control, &RunControl::pauseCaptionChanged, pause, &QAction::setText);
    }
    ~JobsHarness()
    {
        // No encoder may outlive a test.
        if (run.isRunning()) {
            QSignalSpy ended(&run, &EncoderRun::runEnded);
            run.stop();
            ended.wait(20000);
        }
    }

    ProfileChoices choices() const { return profileChoicesOf(selection, settings, false); }
    void refresh()
    {
        applyCommandAvailability(
            commandAvailability({jobs.rowCount() == 0, jobs.selectedRow().has_value(), state.previewing,
                                 state.converting}),
            &window, {});
    }
    // Adds files directly, as the file-open dialog would hand them over.
    void addFiles(const QStringList &paths)
    {
        prompts.fileAnswers.push_back(paths);
        jobs.addFiles();
    }
    // Processes events until the batch is over (converting clear, no run).
    bool waitForBatchEnd(int timeoutMs = 120000)
    {
        return QTest::qWaitFor([this] { return !state.converting && !run.isRunning(); }, timeoutMs);
    }
    // The file-job start, remembering each row it started.
    bool startJob()
    {
        const bool started = fileStart.start();
        if (started)
            startedRows.push_back(state.batchPosition);
        return started;
    }
    QString pauseCaption() const { return window.findChild<QAction *>(QStringLiteral("Pause1"))->text(); }

    PrivateSettings privateSettings;
    TempDir output;
    QWidget window;
    RunState state;
    RecordingPrompts prompts;
    RecordingShell shell;
    MessageTable messages{kBinFolder, prompts, [this] { return state.converting; }};
    EncoderRun run;
    Tfm_set settings{&window};
    QualitySettingsStore store{QStringLiteral("veltrix-test.ini"), false};
    ProfileSelection selection{kBinFolder, false, store,
                               ProfileSelectionHooks{[](const QString &) {}, [](const QString &) {},
                                                     [this] { return settings.qualityLists(); },
                                                     [this](const QualityLists &l) { settings.setQualityLists(l); },
                                                     [this] { jobs.recomputeSizes(); }}};
    int afterBatchAction = 0;
    std::vector<int> startedRows;
    JobList jobs{&window, run.record(), state, prompts, messages,
                 JobList::Hooks{[this] { return choices(); }, [this] { refresh(); }, {}}};
    FileJobStart fileStart{run, state, jobs, [this] { return choices(); },
                           [this] { return QString::fromStdString(output.path()); }};
    BatchCompletion completion{run, state, jobs, shell,
                               BatchCompletion::Hooks{[this] { return startJob(); },
                                                      [this] { return afterBatchAction; }, [this] { refresh(); }}};
    RunControl control{state, run, jobs, completion, messages, prompts, [this] { refresh(); }};
};

// No process of the run's group (register.dat or its ffmpeg) is left.
inline void expectNoEncoderLeft(qint64 pid)
{
    if (pid > 0) {
        EXPECT_TRUE(livingProcessesInGroup(static_cast<pid_t>(pid)).empty());
    }
}

} // namespace veltrix::test
