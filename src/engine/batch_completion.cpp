#include "engine/batch_completion.h"

#include "engine/encoder_run.h"
#include "platform/shell/desktop_shell.h"

int nextCheckedRow(const std::vector<bool> &checked, int row)
{
    for (int next = row + 1; next < static_cast<int>(checked.size()); ++next)
        if (checked[next])
            return next;
    return static_cast<int>(checked.size());
}

bool runSucceeded(const RunExit &exit)
{
    return !exit.failedToStart && !exit.crashed && exit.exitCode == 0;
}

BatchCompletion::BatchCompletion(EncoderRun &run, RunState &state, BatchRows &rows, DesktopShell &shell,
                                 Hooks hooks, QObject *parent)
    : QObject(parent), m_state(state), m_rows(rows), m_shell(shell), m_hooks(std::move(hooks))
{
    connect(&run, &EncoderRun::runEnded, this, &BatchCompletion::runEnded);
}

std::vector<bool> BatchCompletion::checkedRows() const
{
    std::vector<bool> checked(m_rows.rowCount());
    for (int row = 0; row < m_rows.rowCount(); ++row)
        checked[row] = m_rows.isChecked(row);
    return checked;
}

void BatchCompletion::beginAt(int row)
{
    while (row >= 0 && row < m_rows.rowCount()) {
        m_state.batchPosition = row;
        if (m_hooks.startJob()) {
            m_jobRunning = true;
            return;
        }
        m_rows.setStatus(row, kStatusFailed);
        row = nextCheckedRow(checkedRows(), row);
    }
    m_state.batchPosition = m_rows.rowCount();
    endBatch();
}

void BatchCompletion::runEnded(const RunExit &exit)
{
    // The run's resources are released, the bar is reset and the last status
    // text is cleared by the run itself.
    const bool batchJob = m_jobRunning;
    m_jobRunning = false;
    const int row = m_state.batchPosition;
    if (!batchJob || !m_state.converting || row < 0 || row >= m_rows.rowCount()) {
        m_hooks.refreshCommands();
        return;
    }
    if (m_rows.isChecked(row))
        m_rows.setStatus(row, runSucceeded(exit) ? kStatusFinish : kStatusFailed);
    beginAt(nextCheckedRow(checkedRows(), row));
}

void BatchCompletion::endBatch()
{
    m_state.converting = false;
    m_hooks.refreshCommands();
    switch (static_cast<AfterBatchAction>(m_hooks.afterBatchAction())) {
    case AfterBatchAction::OpenFolder:
        m_shell.openFolder(m_state.outputFolder);
        break;
    case AfterBatchAction::PowerOff:
        m_shell.powerOff();
        break;
    case AfterBatchAction::Nothing:
        break;
    }
}
