#pragma once
// A batch over the checked rows of the job list: the user's Start, Stop,
// Pause toggle and Continue, and the advance from one job to the next when a
// run ends, up to the after-batch action. The batch owns its state: the
// converting flag of the busy state, the row of the running job, whether the
// user stopped it, the output folder of the last job started, the chosen
// after-batch action, and how its jobs ended. Each job's run is logged; the
// machine is kept from sleeping while the batch converts.

#include "engine/child_run.h"
#include "engine/intputrec.h"
#include "engine/media_probe.h"
#include "jobs/batch_tally.h"
#include "jobs/job_log.h"

#include <QObject>
#include <optional>

class BusyState;
class DesktopShell;
class EncoderRun;
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
    QString outputFolder; // with its trailing "/"
    intputrec record;     // as the run was started
};

// How the start of a row's job went: the job under way, or, with nothing
// started, why its run could not be prepared, in the user's words.
struct JobStartResult {
    std::optional<StartedJob> started;
    QString failure;
};

// The start of a row's job: a file job or a DVD title.
class JobStart {
public:
    virtual ~JobStart() = default;
    // Starts the job of `row`; asks the user nothing, so a batch is never
    // held in its middle.
    virtual JobStartResult start(int row) = 0;
};

class Batch : public QObject {
    Q_OBJECT
public:
    // Writes the running job's state into its row of `jobs`; starts each
    // job through `jobStart`; refuses to begin while `outputFolder` is refused.
    Batch(EncoderRun &run, JobModel &jobs, JobStart &jobStart, const OutputFolder &outputFolder, BusyState &busy,
          DesktopShell &shell, Prompts &prompts, QObject *parent = nullptr);

    // Begins a batch with the first checked row; continues a paused one.
    void start();
    void stop();
    void pauseToggle();
    // Continues a paused batch.
    void resume();
    // Waits, painting but taking no user input, until a run that is still
    // ending (a stopped one finishing its file) has ended and its encoder
    // has exited.
    void waitForEndedRun();

    // The system ends the program (a logout, a shutdown, a closed
    // terminal): a running job is stopped as a failure would end it (its
    // file goes, its row reads "Failed" and its log ends with `cause`)
    // within a few seconds, and the batch ends without its after-batch
    // action. A run the user stopped finishes its file first. Asks the user
    // nothing.
    void endBySystem(const QString &cause);

    bool isConverting() const;
    bool isPaused() const;
    // Whether the last batch ended by the user's Stop.
    bool wasStopped() const { return m_stopped; }
    // The row of the running job; nullopt outside a batch.
    std::optional<int> runningRow() const;
    // The output folder of the last job started.
    // What the batch does once it has ended.
    AfterBatchAction afterBatchAction() const { return m_afterBatchAction; }
    void setAfterBatchAction(AfterBatchAction action) { m_afterBatchAction = action; }

signals:
    // The caption `Pause1` shows: "Pause" or "Continue".
    void pauseCaptionChanged(const QString &caption);
    // The running job was paused (true) or continued (false).
    void pausedChanged(bool paused);
    void batchStarted();
    // The batch ended, normally or by Stop, with how its jobs ended.
    void batchEnded(const BatchTally &tally);

private:
    // Starts the job of `row` or, when it cannot start, marks it "Failed"
    // and tries the next checked row; past the last row the batch ends.
    void beginAt(int row);
    void runEnded(const RunOutcome &outcome);
    // Marks the row of a run that ended and keeps its log record.
    void markEnded(int row, const RunOutcome &outcome);
    // Once a stopped run has ended, its row keeps the partial output it
    // left under `output`, which a restart of the row replaces.
    void keepStoppedOutput(const QString &output);
    // Why the run did not write its whole output (a run that exited with 0
    // has its output probed); empty when it did.
    QString outputProblem(const RunOutcome &outcome, const QString &output);
    void endBatch();
    // Ends the batch the system ends, without its after-batch action.
    void leaveBySystem();
    // Ends the batch's converting state; stopped tells whether the user's
    // Stop ended it.
    void leave(bool stopped);

    EncoderRun &m_run;
    JobModel &m_jobs;
    JobStart &m_jobStart;
    const OutputFolder &m_outputFolderField;
    BusyState &m_busy;
    DesktopShell &m_shell;
    Prompts &m_prompts;

    AfterBatchAction m_afterBatchAction = AfterBatchAction::Nothing;
    bool m_stopped = false;
    int m_position = -1;       // row of the running job while converting
    bool m_jobRunning = false; // a run started by this batch is under way
    StartedJob m_started;      // the last job started
    BatchTally m_tally;
    JobLog m_log;              // of the run this batch started, until it has ended
    JobRunRecord m_stoppedRun; // what the stopped job's row was given at the stop
    MediaProbe m_outputProbe;  // reads back what a run wrote
    QString m_endCause;        // set once the system ends the program
    bool m_settling = false;   // an ended run's row is being marked
};
