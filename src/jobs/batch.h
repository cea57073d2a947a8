#pragma once
// A batch over the checked rows of the job list: the user's Start, Stop,
// Pause toggle and Continue, and the advance from job to job when runs end,
// up to the after-batch action. Several jobs may run at once, each in a slot
// of its own with its own encoder run; the "Jobs at once" setting says how
// many. The batch owns its state: the converting flag of the busy state,
// the running slots and the row the batch has reached, whether the user
// stopped it, the output folder of the last job started, the after-batch
// action, the jobs-at-once setting, and how its jobs ended. Each job's run is
// logged; the machine is kept from sleeping until the last job has ended.

#include "engine/child_run.h"
#include "engine/intputrec.h"
#include "jobs/batch_pace.h"
#include "jobs/batch_tally.h"
#include "jobs/job_log.h"
#include "jobs/output_check.h"

#include <QElapsedTimer>
#include <QObject>
#include <QStringList>
#include <memory>
#include <optional>
#include <vector>

class BusyState;
class DesktopShell;
class EncoderRun;
class EncoderRuns;
class JobModel;
class OutputFolder;
class Prompts;

inline const QString kPauseCaption = QStringLiteral("Pause");
inline const QString kContinueCaption = QStringLiteral("Continue");

enum class AfterBatchAction { Nothing = 0, OpenFolder = 1, PowerOff = 2 };

// The first checked row after `row`; checked.size() when there is none.
int nextCheckedRow(const std::vector<bool> &checked, int row);

// A job that started: its encoder run is under way.
struct StartedJob {
    QString outputFolder;       // with its trailing "/"
    intputrec record;           // as the run was started
    bool nameShortened = false; // the output's name was cut to fit (OutputName)
};

// How the start of a row's job went: the job under way, or, with nothing
// started, why its run could not be prepared, in the user's words.
struct JobStartResult {
    std::optional<StartedJob> started;
    QString failure;
};

// The result of a run's start for a job writing into `outputFolder` (under
// a name cut to fit when `nameShortened`): a run that refused to start
// (another run still active in its place) is a job that did not start, with
// that reason.
JobStartResult runStartResult(const QString &outputFolder, const std::optional<intputrec> &started, bool nameShortened);

// Where a job starts: the run it takes, and the outputs of the jobs already
// running beside it, whose names it must not take.
struct JobSlot {
    EncoderRun &run;
    QStringList claimedOutputs;
};

// The start of a row's job: a file job or a DVD title.
class JobStart {
public:
    virtual ~JobStart() = default;
    // Starts the job of `row` in `slot`; asks the user nothing, so a batch
    // is never held in its middle.
    virtual JobStartResult start(int row, const JobSlot &slot) = 0;
    // The encoders its jobs run with now (the active profile's), for the
    // Automatic number of jobs at once.
    virtual QStringList encoders() const = 0;
    // Why no job may start now, as the message for the user (no profile is
    // loaded); nothing when jobs may start.
    virtual std::optional<QString> refusal() const = 0;
};

class Batch : public QObject {
    Q_OBJECT
public:
    // Writes each running job's state into its row of `jobs`; starts each
    // job through `jobStart` in one of `runs`; refuses to begin while
    // `outputFolder` is refused.
    Batch(EncoderRuns &runs, JobModel &jobs, JobStart &jobStart, const OutputFolder &outputFolder, BusyState &busy,
          DesktopShell &shell, Prompts &prompts, QObject *parent = nullptr);
    ~Batch() override;

    // Begins a batch with the first checked rows; continues a paused one.
    // Before a batch begins, the encoder, the profile and the output folder
    // (made with its parents) are checked: one that cannot serve is one
    // message, and no row is marked. While runs a Stop ended are finishing
    // their files, the batch's first jobs start once they have ended.
    void start();
    void stop();
    void pauseToggle();
    // Continues a paused batch.
    void resume();
    // Queues the rows once more, finished ones too ("Convert Again"): they
    // are checked and wait for the batch; a running batch takes them.
    void convertAgain(const std::vector<int> &rows);
    // Whether a run is still under way: a job, a stopped run finishing its
    // file, or an ended job's output being read back. allRunsEnded() follows
    // the end of the last one.
    bool hasRunsUnderWay() const;

    // The system ends the program (a logout, a shutdown, a closed
    // terminal): the running jobs are stopped as a failure would end them
    // (their files go, their rows read "Failed" and their logs end with
    // `cause`) within a few seconds, and the batch ends without its
    // after-batch action once they have ended. Runs the user stopped finish
    // their files first. Asks the user nothing.
    void endBySystem(const QString &cause);

    bool isConverting() const;
    bool isPaused() const;
    // Whether the last batch ended by the user's Stop.
    bool wasStopped() const { return m_stopped; }
    // The row of the job started last while it runs; nullopt outside a batch.
    std::optional<int> runningRow() const;
    // The rows of the running jobs, in the order they started.
    std::vector<int> runningRows() const;
    // What the batch does once it has ended.
    AfterBatchAction afterBatchAction() const { return m_afterBatchAction; }
    void setAfterBatchAction(AfterBatchAction action) { m_afterBatchAction = action; }
    // The "Jobs at once" setting: kJobsAtOnceAutomatic or 1 to the cores. A
    // change reaches a running batch when its next job starts; a higher
    // number starts more jobs at once.
    int jobsAtOnceSetting() const { return m_jobsAtOnce; }
    void setJobsAtOnceSetting(int setting);
    // How many jobs the next start runs at once under the setting.
    int jobLimit() const;
    // What the hint line shows while the batch converts: how many of its
    // jobs have started, how many run, the time left and the speed.
    QString statusHint() const;
    // The batch's progress, 0 to 10000: converted seconds over the total.
    qint32 batchProgress() const;
    // The run record of the job while it converts, its encoder's latest
    // lines included (the row gets them when the run ends); nothing for a
    // job that does not run.
    std::optional<JobRunRecord> liveRun(const Job &job) const;

signals:
    // The caption `Pause1` shows: "Pause" or "Continue".
    void pauseCaptionChanged(const QString &caption);
    // The running jobs were paused (true) or continued (false).
    void pausedChanged(bool paused);
    // What the conversion bar (0 to 10000) and the hint line show: the run's
    // bar while one job runs at a time, else the batch's progress (converted
    // seconds of its rows over their total); the batch's pace (statusHint);
    // and the batch's progress, 0 to 10000.
    void displayChanged(qint32 barValue, const QString &hint, qint32 batchValue);
    void jobsAtOnceSettingChanged(int setting);
    void batchStarted();
    // A job of the batch ended as its row now shows: finished with its
    // output at `output`, or failed (`output` empty).
    void jobEnded(int row, const QString &output);
    // The batch ended, normally or by Stop, with how its jobs ended.
    void batchEnded(const BatchTally &tally);
    // The last run under way has ended (see hasRunsUnderWay()).
    void allRunsEnded();

private:
    struct Slot;

    // Why the batch cannot begin, as the message for the user; nothing when it can.
    std::optional<QString> startRefusal() const;
    // Starts jobs in free slots up to the limit, taking the checked rows
    // after the last row started; a job that cannot start reads "Failed".
    // Past the last row, once no job runs, the batch ends.
    void fill();
    // The checked rows left to convert: not finished since they last
    // changed and not taken by this batch yet, in list order.
    std::vector<int> rowsToConvert() const;
    // Starts the job of `row` in the slot; why it could not start, or empty.
    QString startIn(Slot &slot, int row);
    Slot &freeSlot();
    void runEnded(Slot &slot, const RunOutcome &outcome);
    void runDisplay(const Slot &slot, qint32 barValue, const QString &statusLine);
    // Judges a job whose run ended, reading its output back first when the
    // run wrote it; then settles it.
    void judgeEndedRun(Slot &slot, const RunOutcome &outcome);
    // Marks the row of the ended job by `judgement`, then moves the batch on.
    void settle(Slot &slot, OutputJudgement judgement);
    // Marks the ended job's row and keeps its log record.
    void markEnded(Slot &slot, OutputJudgement judgement);
    // After any end: tells of the last run's end, and starts the jobs of a batch that waited for it.
    void noteRunEnded();
    // Once a stopped run has ended, its row keeps the partial output it
    // left under `output`, which a restart of the row replaces.
    void keepStoppedOutput(const Slot &slot, const QString &output);
    void endBatch();
    // Ends the batch the system ends, without its after-batch action.
    void leaveBySystem();
    // Ends the batch's converting state; stopped tells whether the user's
    // Stop ended it.
    void leave(bool stopped);
    std::vector<Slot *> running() const;
    BatchPace pace() const;
    void recountTotal();
    // The batch's time converting, pauses left out.
    qint64 activeMs() const;

    EncoderRuns &m_runs;
    JobModel &m_jobs;
    JobStart &m_jobStart;
    const OutputFolder &m_outputFolderField;
    BusyState &m_busy;
    DesktopShell &m_shell;
    Prompts &m_prompts;

    AfterBatchAction m_afterBatchAction = AfterBatchAction::Nothing;
    int m_jobsAtOnce = 0; // kJobsAtOnceAutomatic
    int m_limit = 1;      // jobs at once in the running batch
    bool m_stopped = false;
    int m_position = -1;      // the last row started while converting
    StartedJob m_lastStarted; // its start
    std::vector<std::unique_ptr<Slot>> m_slots;
    quint64 m_starts = 0;   // jobs started, to order the slots
    bool m_filling = false; // fill() is starting jobs
    BatchTally m_tally;
    // Seconds of each row and whether this batch has started it, for the bar.
    std::vector<qint64> m_rowSeconds;
    std::vector<bool> m_rowStarted;
    qint64 m_totalSeconds = 0;
    qint64 m_doneSeconds = 0;
    qint64 m_activeMs = 0;       // converting time before the last pause
    QElapsedTimer m_activeSince; // running while the batch converts unpaused
    QString m_endCause; // set once the system ends the program
    int m_settling = 0; // ended runs' rows being marked
    bool m_waitingForEndedRuns = false; // the batch began while stopped runs were finishing
};
