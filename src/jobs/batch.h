#pragma once
// A batch over the checked rows of the job list: the user's Start (which also
// continues a paused batch), Stop and Pause toggle, and the advance from one
// job to the next when a run ends, up to the after-batch action. The batch
// owns its state: whether it converts, the row of the running job, whether
// the user stopped it, the output folder of the last job started, and how
// its jobs ended. Each job's run is logged; the machine is kept from
// sleeping while the batch converts.

#include "engine/child_run.h"
#include "engine/intputrec.h"
#include "jobs/batch_tally.h"
#include "jobs/job_log.h"

#include <QObject>
#include <functional>
#include <optional>

class DesktopShell;
class EncoderRun;
class JobList;
class MessageTable;
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

class Batch : public QObject {
    Q_OBJECT
public:
    struct Hooks {
        // Starts the job of `row` (file job or DVD title); nullopt, with
        // nothing started, when its run could not be prepared.
        std::function<std::optional<StartedJob>(int row)> startJob;
        // Whether the preview plays: Start is then refused.
        std::function<bool()> previewing;
        // The chosen after-batch action, read when a batch ends.
        std::function<AfterBatchAction()> afterBatchAction;
        std::function<void()> refreshCommands;
        // A last check before a batch begins, once the checked rows are
        // known: false (having told the user why) refuses the start.
        std::function<bool()> mayStart;
    };

    // Writes the running job's state into its row of `jobs`.
    Batch(EncoderRun &run, JobList &jobs, DesktopShell &shell, MessageTable &messages, Prompts &prompts, Hooks hooks,
          QObject *parent = nullptr);

    void start();
    void stop();
    void pauseToggle();

    bool isConverting() const { return m_converting; }
    // Whether the last batch ended by the user's Stop.
    bool wasStopped() const { return m_stopped; }
    // The row of the running job; nullopt outside a batch.
    std::optional<int> runningRow() const;
    // The output folder of the last job started.
    const QString &outputFolder() const { return m_started.outputFolder; }

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
    void endBatch();
    // Ends the batch's converting state; stopped tells whether the user's
    // Stop ended it.
    void leave(bool stopped);
    void resume();
    // A stopped run may still be finishing its file: wait until it has ended.
    void waitForEndedRun();
    std::vector<bool> checkedRows() const;

    EncoderRun &m_run;
    JobList &m_jobs;
    DesktopShell &m_shell;
    MessageTable &m_messages;
    Prompts &m_prompts;
    Hooks m_hooks;

    bool m_converting = false;
    bool m_stopped = false;
    int m_position = -1;       // row of the running job while converting
    bool m_jobRunning = false; // a run started by this batch is under way
    StartedJob m_started;      // the last job started
    BatchTally m_tally;
    JobLog m_log; // of the run this batch started, until it has ended
};
