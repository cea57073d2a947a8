#pragma once
// The job model, the file adder, the file-job start, the batch and the run
// control wired as the main window wires them, over the real register.dat
// and profiles.pop of the executable folder; prompts and the desktop shell
// are recording stand-ins.

#include "app/command_availability.h"
#include "add_wait.h"
#include "app/command_controls.h"
#include "engine/busy_state.h"
#include "engine/encoder_runs.h"
#include "jobs/batch.h"
#include "jobs/file_adder.h"
#include "jobs/file_job_start.h"
#include "jobs/job_model.h"
#include "jobs/output_folder.h"
#include "media_fixtures.h"
#include "profiles/active_profile.h"
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

class JobsHarness : public JobStart {
public:
    explicit JobsHarness(int profileId = 17)
    {
        runs.setExecutableFolder(kBinFolder);
        profile.openSettings(QStringLiteral("veltrix-test.ini"), false);
        profile.setCurrentProfileId(profileId);
        profile.select(profileId);
        outputField.setFolder(QString::fromStdString(output.path()));
        QObject::connect(&busy, &BusyState::changed, [this] { refresh(); });
        QObject::connect(&jobs, &JobModel::rowsInserted, [this] { refresh(); });
        QObject::connect(&jobs, &JobModel::rowsRemoved, [this] { refresh(); });
        QObject::connect(&jobs, &JobModel::modelReset, [this] { refresh(); });
        QObject::connect(&jobs, &JobModel::selectionChanged, [this] { refresh(); });
        for (const auto &[name, command] : {std::pair{"bt_start", MainCommand::StartBatch},
                                            {"Bt_Convertstop", MainCommand::StopBatch},
                                            {"bt_remove", MainCommand::RemoveRows}}) {
            auto *button = new QPushButton(&window);
            button->setObjectName(QString::fromLatin1(name));
            controls.add(command, button);
        }
        auto *pause = new QAction(QStringLiteral("Pause"), &window);
        pause->setObjectName(QStringLiteral("Pause1"));
        controls.add(MainCommand::PauseBatch, pause);
        QObject::connect(&batch, &Batch::pauseCaptionChanged, pause, &QAction::setText);
    }
    ~JobsHarness() override
    {
        // No encoder may outlive a test.
        for (int i = 0; i < runs.count(); ++i)
            if (runs.at(i).isRunning()) {
                QSignalSpy ended(&runs.at(i), &EncoderRun::runEnded);
                runs.at(i).stop();
                ended.wait(20000);
            }
    }

    ProfileChoices choices() const { return profile.choices(); }
    void refresh()
    {
        controls.apply(commandAvailability(
            {jobs.rowCount() == 0, jobs.selectedRow().has_value(), busy.previewing(), busy.converting()}));
    }
    // Adds files directly, as the file-open dialog would hand them over, and waits for the add's end.
    void addFiles(const QStringList &paths)
    {
        prompts.fileAnswers.push_back(paths);
        adder.addFiles();
        EXPECT_TRUE(addEnded());
    }
    bool addEnded() const { return veltrix::test::addEnded(busy); }
    // Processes events until the batch is over (converting clear, no run).
    bool waitForBatchEnd(int timeoutMs = 120000)
    {
        return QTest::qWaitFor([this] { return !batch.isConverting() && !runs.anyRunning(); }, timeoutMs);
    }
    // The file-job start, remembering each row it started and the last record.
    JobStartResult start(int row, const JobSlot &slot) override
    {
        JobStartResult result = fileStart.start(row, slot);
        if (result.started) {
            startedRows.push_back(row);
            lastStarted = result.started->record;
        }
        return result;
    }
    QStringList encoders() const override { return fileStart.encoders(); }
    std::optional<QString> refusal() const override { return fileStart.refusal(); }
    QString pauseCaption() const { return window.findChild<QAction *>(QStringLiteral("Pause1"))->text(); }

    PrivateSettings privateSettings;
    TempDir output;
    QWidget window;
    CommandControls controls;
    RecordingPrompts prompts;
    RecordingShell shell;
    BusyState busy;
    EncoderRuns runs;
    EncoderRun &run = runs.at(0); // the batch's first job runs here
    ActiveProfile profile{kBinFolder};
    JobModel jobs{profile};
    OutputFolder outputField; // the folder jobs write to
    FileAdder adder{jobs, prompts, runs.location(), busy};
    std::vector<int> startedRows;
    intputrec lastStarted; // the record of the last job started
    FileJobStart fileStart{jobs, profile, outputField};
    Batch batch{runs, jobs, *this, outputField, busy, shell, prompts};
};

// No process of the run's group (register.dat or its ffmpeg) is left.
inline void expectNoEncoderLeft(qint64 pid)
{
    if (pid > 0) {
        EXPECT_TRUE(livingProcessesInGroup(static_cast<pid_t>(pid)).empty());
    }
}

} // namespace veltrix::test
