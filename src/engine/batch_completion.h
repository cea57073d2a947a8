#pragma once
// The end of a conversion run: the finished row is marked, the next checked
// row is started, or the batch ends with its after-batch action.

#include "engine/run_state.h"
#include "engine/tclientwaitthread.h"

#include <QObject>
#include <functional>
#include <vector>

class DesktopShell;
class EncoderRun;

// The rows of the job list as the batch sees them.
class BatchRows {
public:
    virtual ~BatchRows() = default;
    virtual int rowCount() const = 0;
    virtual bool isChecked(int row) const = 0;
    // Writes the Status column; a row that does not exist is skipped.
    virtual void setStatus(int row, const QString &text) = 0;
};

inline const QString kStatusFinish = QStringLiteral("Finish");
inline const QString kStatusFailed = QStringLiteral("Failed");
inline const QString kStatusStop = QStringLiteral("Stop");

enum class AfterBatchAction { Nothing = 0, OpenFolder = 1, PowerOff = 2 };

// The first checked row after `row`; checked.size() when there is none.
int nextCheckedRow(const std::vector<bool> &checked, int row);
// Whether a run did its work: it started, was not killed and exited with 0.
bool runSucceeded(const RunExit &exit);

class BatchCompletion : public QObject {
    Q_OBJECT
public:
    struct Hooks {
        // Starts the job at the batch position (file job or DVD title); false
        // when its run could not be prepared.
        std::function<bool()> startJob;
        // The chosen after-batch action (0, 1, 2), read when a batch ends.
        std::function<int()> afterBatchAction;
        std::function<void()> refreshCommands;
    };

    // Follows every end of `run`.
    BatchCompletion(EncoderRun &run, RunState &state, BatchRows &rows, DesktopShell &shell, Hooks hooks,
                    QObject *parent = nullptr);

    // Makes `row` the batch position and starts its job; a job that cannot
    // start reads "Failed" and the next checked row is tried. Past the last
    // row the batch ends.
    void beginAt(int row);

private:
    void runEnded(const RunExit &exit);
    void endBatch();
    std::vector<bool> checkedRows() const;

    RunState &m_state;
    BatchRows &m_rows;
    DesktopShell &m_shell;
    Hooks m_hooks;
    // A run started by this batch is in progress; other runs (a snapshot)
    // end without marking or advancing anything.
    bool m_jobRunning = false;
};
