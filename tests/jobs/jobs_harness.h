#pragma once
// The job list, the file-job start, the batch completion and the run
// control wired as the main window wires them, over the real register.dat,
// profiles.pop and language.info of the executable folder; prompts and the
// desktop shell are recording stand-ins.

#include "app/command_controls.h"
#include "engine/command_availability.h"
#include "engine/encoder_run.h"
#include "jobs/batch.h"
#include "jobs/file_job_start.h"
#include "jobs/job_list.h"
#include "media_fixtures.h"
#include "profiles/profile_selection.h"
#include "profiles/quality_settings.h"
#include "profiles/tfm_set.h"
#include "recording_prompts.h"
#include "recording_shell.h"
#include "ui_text/message_table.h"

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
            controls.add(button);
        }
        auto *pause = new QAction(QStringLiteral("Pause"), &window);
        pause->setObjectName(QStringLiteral("Pause1"));
        controls.add(pause);
        QObject::connect(&batch, &Batch::pauseCaptionChanged, pause, &QAction::setText);
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

    ProfileChoices choices() const { return profileChoicesOf(selection, settings.qualityLists(), false); }
    void refresh()
    {
        controls.apply(commandAvailability(
            {jobs.rowCount() == 0, jobs.selectedRow().has_value(), previewing, batch.isConverting()}));
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
        return QTest::qWaitFor([this] { return !batch.isConverting() && !run.isRunning(); }, timeoutMs);
    }
    // The file-job start, remembering each row it started and the last record.
    std::optional<StartedJob> startJob(int row)
    {
        std::optional<StartedJob> started = fileStart.start(row);
        if (started) {
            startedRows.push_back(row);
            lastStarted = started->record;
        }
        return started;
    }
    QString pauseCaption() const { return window.findChild<QAction *>(QStringLiteral("Pause1"))->text(); }

    PrivateSettings privateSettings;
    TempDir output;
    std::string outputFolder = output.path(); // the folder jobs write to
    QWidget window;
    CommandControls controls;
    bool previewing = false;
    bool listBusy = false; // the job list alone sees a batch running
    RecordingPrompts prompts;
    RecordingShell shell;
    MessageTable messages{kBinFolder, prompts, [this] { return batch.isConverting(); }};
    EncoderRun run;
    Tfm_set settings{&window};
    QualitySettingsStore store{QStringLiteral("veltrix-test.ini"), false};
    ProfileSelection selection{
        kBinFolder, false, store,
        ProfileSelectionHooks{.showProfileIcon = [](const QString &) {},
                              .showProfileName = [](const QString &) {},
                              .readLists = [this] { return settings.qualityLists(); },
                              .showLists = [this](const QualityLists &l) { settings.setQualityLists(l); },
                              .recomputeSizes = [this] { jobs.recomputeSizes(); }}};
    int afterBatchAction = 0;
    std::vector<int> startedRows;
    intputrec lastStarted; // the record of the last job started
    JobList jobs{&window, run.location(), prompts, messages,
                 JobList::Hooks{.profileChoices = [this] { return choices(); },
                                .refreshCommands = [this] { refresh(); },
                                .rowClick = {},
                                .converting = [this] { return listBusy || batch.isConverting(); },
                                .previewing = [this] { return previewing; }}};
    FileJobStart fileStart{run, jobs, [this] { return choices(); },
                           [this] { return QString::fromStdString(outputFolder); }};
    Batch batch{run,
                jobs,
                shell,
                messages,
                prompts,
                Batch::Hooks{.startJob = [this](int row) { return startJob(row); },
                             .previewing = [this] { return previewing; },
                             .afterBatchAction = [this] { return static_cast<AfterBatchAction>(afterBatchAction); },
                             .refreshCommands = [this] { refresh(); },
                             .mayStart = [] { return true; }}};
};

// No process of the run's group (register.dat or its ffmpeg) is left.
inline void expectNoEncoderLeft(qint64 pid)
{
    if (pid > 0) {
        EXPECT_TRUE(livingProcessesInGroup(static_cast<pid_t>(pid)).empty());
    }
}

} // namespace veltrix::test
