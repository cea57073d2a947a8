#pragma once
// The converter session: everything the program converts with, below every
// front end. It owns the busy state, the active profile, the job model, the
// output folder, the encoder runs, the adder, the batch, the job list kept
// across runs, the snapshot and the settings; it knows its edition from the
// program's name, removes what earlier runs left unfinished, and ends in
// order when the system ends the program. A window shows it and raises its
// commands; it needs no window and no display.

#include "engine/busy_state.h"
#include "engine/encoder_runs.h"
#include "jobs/job_model.h"
#include "jobs/output_folder.h"
#include "profiles/active_profile.h"
#include "session/app_settings.h"
#include "session/command_situation.h"
#include "session/conversion_settings.h"
#include "session/edition.h"

#include <QJsonObject>
#include <QObject>
#include <QStringList>
#include <memory>

class Batch;
class DesktopShell;
class FileAdder;
class IniFile;
class JobListStore;
class JobStart;
class Prompts;
class Snapshot;

class ConverterSession : public QObject {
    Q_OBJECT
public:
    // programPath is the path the program was started under (argv[0]): its
    // file name is the edition. The encoder is looked up in executableFolder,
    // every data file in the data folder it gives (dataFolderOf). What runs of an earlier session left unfinished
    // (killed, crashed, the power lost) is removed here.
    ConverterSession(Prompts &prompts, DesktopShell &shell, const QString &programPath, const QString &executableFolder,
                     QObject *parent = nullptr);
    ~ConverterSession() override;

    const Edition &edition() const { return m_edition; }
    // The folder of the data files, with its trailing "/".
    const QString &dataFolder() const { return m_dataFolder; }
    Prompts &prompts() { return m_prompts; }
    DesktopShell &shell() { return m_shell; }

    BusyState &busy() { return m_busy; }
    const BusyState &busy() const { return m_busy; }
    bool isConverting() const { return m_busy.converting(); }
    bool isPreviewing() const { return m_busy.previewing(); }
    ActiveProfile &profile() { return m_profile; }
    // The active profile with the quality lists, as a job would take them now.
    ProfileChoices profileChoices() const { return m_profile.choices(); }
    JobModel &jobs() { return m_jobs; }
    OutputFolder &outputFolder() { return m_output; }
    // The encoder runs of the batch; the first runs its first job.
    EncoderRuns &encoderRuns() { return m_runs; }
    EncoderRun &encoderRun() { return m_runs.at(0); }
    FileAdder &adder() { return *m_adder; }
    Batch &batch() { return *m_batch; }
    JobListStore &jobList() { return *m_jobList; }
    Snapshot &snapshot() { return *m_snapshot; }
    // The settings as read at start; the output folder, the add folder, the
    // after-batch action and the jobs at once live with their owners until
    // they are saved.
    AppSettings &settings() { return m_settings; }
    CommandSituation commandSituation() const;

    // Reads the settings files, telling the user of damage it finds in them
    // or in the profiles, and hands each owner its part. Nothing is read once
    // the end has begun, so nothing unread is saved over the user's settings.
    void readSettings();
    // Brings back the job list saved at the last end, before anything adds
    // rows; gives the DVD listing stored with it.
    QJsonObject restoreJobList();
    // Saves the settings that were read (nothing before they were read);
    // what failed, for the user.
    QStringList saveSettings();
    // Writes the job list now, not after the usual short delay.
    void saveJobList();
    // The orderly end when the system ends the program (a logout, a
    // shutdown, a closed terminal): an add under way ends as its Cancel ends
    // it and none begins after, a running job is stopped as a failure would
    // end it; once every encoder has exited, what the next start needs and
    // was read is saved, and the program exits with exitCode. Asks the user
    // nothing: a save that fails is told on standard error.
    void endInOrder(int exitCode);
    bool ending() const { return m_ending; }

    // What the rows are converted with now, and the list as a file handed
    // to veltrix-convert or another machine: every row with its check mark,
    // and these settings.
    ConversionSettings conversionSettings() const;
    // `plannedOutputs`, one per row, fix each row's output.
    QByteArray handedJobList(const QStringList &plannedOutputs = {}) const;
    // Converts with the settings of a handed list: its profile selected with
    // its choices, its picture fit and output folder. What failed, for the
    // user; nothing when every setting was taken.
    QString takeConversionSettings(const ConversionSettings &settings);

private:
    // The end once no run is under way: saves and exits.
    void exitInOrder(int exitCode);

    Prompts &m_prompts;
    DesktopShell &m_shell;
    const Edition m_edition;
    const QString m_dataFolder;
    AppSettings m_settings;
    std::unique_ptr<IniFile> m_settingsFile; // from the settings' reading until they are saved
    bool m_ending = false;

    BusyState m_busy;
    ActiveProfile m_profile;
    JobModel m_jobs;
    OutputFolder m_output;
    EncoderRuns m_runs;
    // Made after the owners they use, so they go before them.
    std::unique_ptr<FileAdder> m_adder;
    std::unique_ptr<JobStart> m_jobStart;
    std::unique_ptr<Batch> m_batch;
    std::unique_ptr<JobListStore> m_jobList;
    std::unique_ptr<Snapshot> m_snapshot;
};
