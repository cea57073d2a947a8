#include "jobs/batch.h"

#include "engine/busy_state.h"
#include "engine/commandline.h"
#include "engine/encoder_run.h"
#include "jobs/failure_reason.h"
#include "jobs/job_model.h"
#include "jobs/output_check.h"
#include "jobs/output_folder.h"
#include "jobs/output_naming.h"
#include "platform/shell/desktop_shell.h"
#include "ui_text/prompts.h"

#include <QEventLoop>
#include <QFileInfo>

int nextCheckedRow(const std::vector<bool> &checked, int row)
{
    for (int next = row + 1; next < static_cast<int>(checked.size()); ++next)
        if (checked[next])
            return next;
    return static_cast<int>(checked.size());
}

namespace {

const QString kInhibitReason = QStringLiteral("Converting media files");
const QString kStoppedEnding = QStringLiteral("Stopped by the user");
// When the system ends the program, the encoder is not given its usual time
// to finish a file that will not be kept.
constexpr int kSystemEndGraceMs = 2000;

// A run that exited with 0 but wrote nothing (a clip too short for a frame,
// a muxer that gave up) has not done its work.
bool outputWritten(const QString &path)
{
    return QFileInfo(path).size() > 0;
}

} // namespace

Batch::Batch(EncoderRun &run, JobModel &jobs, JobStart &jobStart, const OutputFolder &outputFolder, BusyState &busy,
             DesktopShell &shell, Prompts &prompts, QObject *parent)
    : QObject(parent),
      m_run(run),
      m_jobs(jobs),
      m_jobStart(jobStart),
      m_outputFolderField(outputFolder),
      m_busy(busy),
      m_shell(shell),
      m_prompts(prompts)
{
    connect(&m_run, &EncoderRun::progress, this, [this](qint32 value) {
        if (const std::optional<int> row = runningRow())
            m_jobs.setStatus(*row, m_run.isPaused() ? JobStatus::runPaused(value) : JobStatus::running(value));
    });
    connect(&m_run, &EncoderRun::outputLine, this, [this](const QString &line) {
        if (m_log.isOpen())
            m_log.addLine(line);
    });
    connect(&m_run, &EncoderRun::runEnded, this, &Batch::runEnded);
}

bool Batch::isConverting() const
{
    return m_busy.converting();
}

bool Batch::isPaused() const
{
    return isConverting() && m_run.isPaused();
}

std::optional<int> Batch::runningRow() const
{
    if (!isConverting() || m_position < 0 || m_position >= m_jobs.rowCount())
        return std::nullopt;
    return m_position;
}

void Batch::start()
{
    if (isPaused()) {
        resume();
        return;
    }
    if (isConverting() || m_jobs.rowCount() == 0)
        return;
    const int first = nextCheckedRow(m_jobs.checkMarks(), -1);
    if (first == m_jobs.rowCount()) {
        m_prompts.information(QStringLiteral("Please select one file."));
        return;
    }
    if (const std::optional<QString> refusal = outputFolderRefusal(m_outputFolderField.text())) {
        m_prompts.warning(*refusal);
        return;
    }
    waitForEndedRun();
    m_run.resetOffsetCounter();
    m_tally = {};
    m_shell.inhibitSleep(kInhibitReason);
    m_busy.set(Busy::Converting, true);
    emit batchStarted();
    beginAt(first);
}

void Batch::waitForEndedRun()
{
    if (!m_run.isRunning())
        return;
    QEventLoop loop;
    connect(&m_run, &EncoderRun::runEnded, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

void Batch::beginAt(int row)
{
    while (row >= 0 && row < m_jobs.rowCount()) {
        m_position = row; // the one place that moves the batch along
        const JobStartResult result = m_jobStart.start(row);
        if (result.started) {
            m_started = *result.started;
            m_jobRunning = true;
            m_log.begin(m_jobs.caption(row), commandLineText(m_started.record));
            m_jobs.setLastRun(row, m_log.record());
            return;
        }
        m_jobs.setStatus(row, JobStatus::failed(result.failure));
        ++m_tally.failed;
        m_tally.notStarted.append(m_jobs.caption(row).trimmed() + QStringLiteral(": ") + result.failure);
        row = nextCheckedRow(m_jobs.checkMarks(), row);
    }
    endBatch();
}

void Batch::leave(bool stopped)
{
    m_stopped = stopped;
    m_position = -1;
    m_shell.allowSleep();
    m_busy.set(Busy::Converting, false);
}

void Batch::runEnded(const RunOutcome &outcome)
{
    // The run's resources are released, the bar is reset and the last status
    // text is cleared by the run itself. Runs this batch did not start (a
    // snapshot) and the end of a stopped run mark and advance nothing.
    const bool batchJob = m_jobRunning;
    m_jobRunning = false;
    const std::optional<int> row = runningRow();
    if (!batchJob || !row) {
        // A stopped job's partial file takes its name; its row (found by the
        // record of the stop: the rows may have changed since) keeps it, so a
        // restart of the row replaces it.
        if (m_log.isOpen()) {
            const FinalName kept = m_run.keepOutput();
            m_log.finish(kStoppedEnding);
            keepStoppedOutput(kept.path);
        }
        return;
    }
    m_settling = true;
    markEnded(*row, outcome);
    m_settling = false;
    if (m_endCause.isEmpty())
        beginAt(nextCheckedRow(m_jobs.checkMarks(), *row));
    else
        leaveBySystem();
}

void Batch::endBySystem(const QString &cause)
{
    if (!m_endCause.isEmpty())
        return;
    m_endCause = cause;
    if (m_run.isRunning()) {
        if (isConverting())
            m_run.stop(kSystemEndGraceMs);
        waitForEndedRun(); // its end leaves the batch
    } else if (isConverting() && !m_settling) {
        leaveBySystem();
    }
}

void Batch::leaveBySystem()
{
    leave(false);
    emit batchEnded(m_tally);
}

QString Batch::outputProblem(const RunOutcome &outcome, const QString &output)
{
    const QStringList lines = m_log.reasonLines();
    if (!outcome.succeeded() || !outputWritten(output))
        return failureReason(outcome, lines);
    m_outputProbe.start(m_run.location().encoderfile, m_run.location().workdir, output);
    m_outputProbe.waitUntilIdle();
    return incompleteOutputReason(m_outputProbe.results(), jobLengthHundredths(m_started.record), lines)
        .value_or(QString());
}

void Batch::keepStoppedOutput(const QString &output)
{
    // The rows may have changed since the stop: the stopped job's row is the
    // one that still holds the record of the stop.
    for (int row = 0; row < m_jobs.rowCount(); ++row)
        if (m_jobs.job(row).lastRun == m_stoppedRun) {
            JobRunRecord record = m_stoppedRun;
            record.stoppedOutput = leftOutputAt(output);
            m_jobs.setLastRun(row, record);
            return;
        }
}

void Batch::markEnded(int row, const RunOutcome &outcome)
{
    // Only a whole output takes its name; what a failed run wrote goes.
    QString reason = outputProblem(outcome, m_run.unfinishedOutput());
    // The program is ending (perhaps while the output was read back):
    // nothing of this run is kept.
    if (!m_endCause.isEmpty())
        reason = m_endCause;
    if (reason.isEmpty())
        reason = m_run.keepOutput().error;
    else
        m_run.discardOutput();
    const bool done = reason.isEmpty();
    m_jobs.setLastRun(row, m_log.finish(done ? QStringLiteral("Finished") : QStringLiteral("Failed: ") + reason));
    if (!m_jobs.isChecked(row))
        return;
    m_jobs.setStatus(row, done ? JobStatus{JobState::Finished} : JobStatus::failed(reason));
    ++(done ? m_tally.finished : m_tally.failed);
}

void Batch::endBatch()
{
    leave(false);
    emit batchEnded(m_tally);
    m_shell.notify(QStringLiteral("Conversion finished"), batchSummaryText(m_tally));
    switch (m_afterBatchAction) {
    case AfterBatchAction::OpenFolder:
        m_shell.openFolder(m_started.outputFolder);
        break;
    case AfterBatchAction::PowerOff:
        m_shell.powerOff();
        break;
    case AfterBatchAction::Nothing:
        break;
    }
    // Told once the batch and its after-batch action are done, so no message
    // holds them.
    if (!m_tally.notStarted.isEmpty())
        m_prompts.warning(notStartedText(m_tally));
}

void Batch::stop()
{
    if (!isConverting())
        return;
    // A paused run is continued and terminated; its release follows as for any end.
    m_run.stop();
    m_stoppedRun = m_log.record();
    m_jobs.setLastRun(m_position, m_stoppedRun);
    m_jobs.setStatus(m_position, {JobState::Stopped});
    ++m_tally.stopped;
    m_run.barUpdate(0);
    leave(true);
    if (m_run.timer2().isActive())
        m_run.timer2().stop();
    emit pauseCaptionChanged(kPauseCaption);
    emit batchEnded(m_tally);
}

void Batch::pauseToggle()
{
    if (!isConverting() || !m_run.isRunning())
        return;
    if (m_run.isPaused()) {
        resume();
        return;
    }
    m_run.pause();
    m_jobs.setStatus(m_position, JobStatus::runPaused(m_jobs.status(m_position).progress));
    emit pauseCaptionChanged(kContinueCaption);
    emit pausedChanged(true);
}

void Batch::resume()
{
    if (!isPaused())
        return;
    m_run.resume();
    m_jobs.setStatus(m_position, JobStatus::running(m_jobs.status(m_position).progress));
    emit pauseCaptionChanged(kPauseCaption);
    emit pausedChanged(false);
}
