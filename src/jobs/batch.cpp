#include "jobs/batch.h"

#include "engine/busy_state.h"
#include "engine/commandline.h"
#include "engine/encoder_check.h"
#include "engine/encoder_runs.h"
#include "engine/media_probe.h"
#include "engine/progress.h"
#include "engine/timecode.h"
#include "jobs/failure_reason.h"
#include "jobs/job_model.h"
#include "jobs/jobs_at_once.h"
#include "jobs/output_check.h"
#include "jobs/output_folder.h"
#include "jobs/output_naming.h"
#include "platform/shell/desktop_shell.h"
#include "ui_text/prompts.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>

int nextCheckedRow(const std::vector<bool> &checked, int row)
{
    for (int next = row + 1; next < static_cast<int>(checked.size()); ++next)
        if (checked[next])
            return next;
    return static_cast<int>(checked.size());
}

JobStartResult runStartResult(const QString &outputFolder, const std::optional<intputrec> &started, bool nameShortened)
{
    if (!started)
        return {std::nullopt, QStringLiteral("The encoder was still busy with another job, so this one did not start; "
                                             "start the batch again")};
    return {StartedJob{outputFolder, *started, nameShortened}, {}};
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

// The state a row waits in: a listed DVD title reads "Ready", a file "Waiting".
JobStatus queuedStatus(const Job &job)
{
    return {isDvdRow(job) ? JobState::Ready : JobState::Waiting};
}

// Removes a partial output an earlier run left, unless the file has changed since.
void removeEarlierPartial(const std::optional<LeftOutput> &partial)
{
    if (partial && leftOutputAt(partial->path) == partial)
        QFile::remove(partial->path);
}

QString partialKeptText(const QString &path)
{
    return QStringLiteral("what was converted is kept in %1").arg(path);
}

QString shortenedNameText(const QString &path)
{
    return QStringLiteral("the name was shortened to %1 to fit the 255 bytes a file name may hold")
        .arg(QFileInfo(path).fileName());
}

} // namespace

// One job at a time runs in a slot, on the slot's own encoder run.
struct Batch::Slot {
    explicit Slot(EncoderRun &run) : run(run) {}
    EncoderRun &run;
    int row = -1;
    bool jobRunning = false; // a job of this batch runs in it
    bool settling = false;   // its ended job's output is read back and its row marked
    qint32 progress = 0;
    quint64 startOrder = 0;
    StartedJob started;
    JobLog log;              // of the job started in it, until its run has ended
    JobRunRecord startedRun; // what the job's row was given at its start
    Hundredths statedLength = 0; // the job's length, which its output should have
    JobRunRecord stoppedRun; // what the stopped job's row was given at the stop
    // The partial output an earlier run of the row left, which this run's
    // own output replaces.
    std::optional<LeftOutput> earlierPartial;
    MediaProbe outputProbe; // reads back what the run wrote
};

Batch::Batch(EncoderRuns &runs, JobModel &jobs, JobStart &jobStart, const OutputFolder &outputFolder, BusyState &busy,
             DesktopShell &shell, Prompts &prompts, QObject *parent)
    : QObject(parent),
      m_runs(runs),
      m_jobs(jobs),
      m_jobStart(jobStart),
      m_outputFolderField(outputFolder),
      m_busy(busy),
      m_shell(shell),
      m_prompts(prompts)
{}

Batch::~Batch() = default;

bool Batch::isConverting() const
{
    return m_busy.converting();
}

bool Batch::isPaused() const
{
    return isConverting() && m_busy.is(Busy::Paused);
}

std::optional<int> Batch::runningRow() const
{
    if (!isConverting() || m_position < 0 || m_position >= m_jobs.rowCount())
        return std::nullopt;
    return m_position;
}

std::optional<JobRunRecord> Batch::liveRun(const Job &job) const
{
    // A running job's row holds what it was given at its start.
    for (const Slot *slot : running())
        if (job.lastRun == slot->startedRun)
            return slot->log.record();
    return std::nullopt;
}

std::vector<Batch::Slot *> Batch::running() const
{
    std::vector<Slot *> jobSlots;
    for (const std::unique_ptr<Slot> &slot : m_slots)
        if (slot->jobRunning)
            jobSlots.push_back(slot.get());
    std::sort(jobSlots.begin(), jobSlots.end(),
              [](const Slot *a, const Slot *b) { return a->startOrder < b->startOrder; });
    return jobSlots;
}

std::vector<int> Batch::runningRows() const
{
    std::vector<int> rows;
    if (isConverting())
        for (const Slot *slot : running())
            rows.push_back(slot->row);
    return rows;
}

void Batch::setJobsAtOnceSetting(int setting)
{
    if (setting == m_jobsAtOnce)
        return;
    m_jobsAtOnce = setting;
    emit jobsAtOnceSettingChanged(setting);
    if (isConverting())
        fill();
}

int Batch::jobLimit() const
{
    return jobsAtOnce(m_jobsAtOnce, m_jobStart.encoders(), processorCores());
}

QString Batch::statusHint() const
{
    return batchPaceHint(pace());
}

BatchPace Batch::pace() const
{
    BatchPace pace{
        .running = static_cast<int>(running().size()), .totalSeconds = m_totalSeconds, .activeMs = activeMs()};
    pace.started = static_cast<int>(std::count(m_rowStarted.begin(), m_rowStarted.end(), true));
    pace.total = pace.started + static_cast<int>(rowsToConvert().size());
    pace.convertedSeconds = double(batchProgress()) * double(m_totalSeconds) / kProgressFull;
    return pace;
}

qint64 Batch::activeMs() const
{
    return m_activeMs + (m_activeSince.isValid() ? m_activeSince.elapsed() : 0);
}

Batch::Slot &Batch::freeSlot()
{
    for (const std::unique_ptr<Slot> &slot : m_slots)
        if (!slot->jobRunning && !slot->settling && !slot->run.isRunning())
            return *slot;
    Slot *slot = m_slots.emplace_back(std::make_unique<Slot>(m_runs.at(static_cast<int>(m_slots.size())))).get();
    connect(&slot->run, &EncoderRun::progress, this, [this, slot](qint32 value) {
        if (!slot->jobRunning || !isConverting())
            return;
        slot->progress = value;
        m_jobs.setStatus(slot->row, m_busy.is(Busy::Paused) ? JobStatus::runPaused(value) : JobStatus::running(value));
        if (m_limit > 1)
            emit displayChanged(batchProgress(), statusHint(), batchProgress());
    });
    connect(&slot->run, &EncoderRun::outputLine, this, [slot](const QString &line) {
        if (slot->log.isOpen())
            slot->log.addLine(line);
    });
    connect(&slot->run, &EncoderRun::displayChanged, this,
            [this, slot](qint32 barValue, const QString &statusLine) { runDisplay(*slot, barValue, statusLine); });
    connect(&slot->run, &EncoderRun::runEnded, this,
            [this, slot](const RunOutcome &outcome) { runEnded(*slot, outcome); });
    connect(&slot->outputProbe, &MediaProbe::finished, this, [this, slot] {
        settle(*slot, judgeOutput(slot->outputProbe.results(), slot->run.readHundredths(), slot->statedLength,
                                  slot->log.reasonLines()));
    });
    return *slot;
}

void Batch::runDisplay(const Slot &slot, qint32 barValue, const QString &statusLine)
{
    // While several jobs run, the bar follows the batch (see the progress
    // handler); a run outside the batch, or one job at a time, shows its own.
    if (m_limit > 1 && slot.jobRunning && isConverting())
        return;
    // The encoder's own line goes to the job's log; the hint line tells the batch.
    const bool ofTheBatch = slot.jobRunning && isConverting();
    emit displayChanged(barValue, ofTheBatch ? statusHint() : statusLine, batchProgress());
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
    m_rowStarted.clear(); // no row is taken by a batch that has not begun
    const std::vector<int> rows = rowsToConvert();
    if (rows.empty()) {
        m_prompts.information(QStringLiteral("Every checked file has been converted. To convert a file again, choose "
                                             "\"Convert Again\" in its pop-up menu."));
        return;
    }
    if (const std::optional<QString> refusal = startRefusal()) {
        m_prompts.warning(*refusal);
        return;
    }
    for (int i = 0; i < m_runs.count(); ++i)
        m_runs.at(i).resetOffsetCounter();
    m_tally = {};
    m_busy.set(Busy::Paused, false);
    m_activeMs = 0;
    m_activeSince.start();
    m_position = -1;
    m_rowSeconds.clear(); // filled by fill()
    m_doneSeconds = 0;
    // No result of an earlier batch stands on a row this one converts.
    for (const int row : rows)
        m_jobs.setStatus(row, queuedStatus(m_jobs.job(row)));
    m_shell.inhibitSleep(kInhibitReason);
    m_busy.set(Busy::Converting, true);
    emit batchStarted();
    // The rows of stopped runs learn what their runs left before a job starts.
    m_waitingForEndedRuns = hasRunsUnderWay();
    fill();
}

std::optional<QString> Batch::startRefusal() const
{
    if (std::optional<QString> refusal = encoderRefusal(m_runs.location().encoderfile))
        return refusal;
    if (std::optional<QString> refusal = m_jobStart.refusal())
        return refusal;
    if (std::optional<QString> refusal = outputFolderRefusal(m_outputFolderField.text()))
        return refusal;
    return outputFolderWriteRefusal(m_outputFolderField.absolute());
}

void Batch::endBySystem(const QString &cause)
{
    if (!m_endCause.isEmpty())
        return;
    m_endCause = cause;
    if (isConverting())
        for (Slot *slot : running())
            slot->run.stop(kSystemEndGraceMs);
    // Else the end of the last job leaves the batch.
    if (isConverting() && running().empty() && m_settling == 0)
        leaveBySystem();
}

void Batch::leaveBySystem()
{
    leave(false);
    emit batchEnded(m_tally);
}

bool Batch::hasRunsUnderWay() const
{
    return m_runs.anyRunning() || m_settling > 0;
}

void Batch::noteRunEnded()
{
    if (hasRunsUnderWay())
        return;
    emit allRunsEnded();
    if (std::exchange(m_waitingForEndedRuns, false))
        fill();
}

void Batch::fill()
{
    // A job start that asks the user something lets other runs end meanwhile;
    // their ends are taken up by the loop below, not by a second one.
    if (m_filling || !isConverting() || m_busy.is(Busy::Paused) || !m_endCause.isEmpty() || m_waitingForEndedRuns)
        return;
    m_filling = true;
    // The rows' seconds, also of rows added while the batch runs.
    for (int row = static_cast<int>(m_rowSeconds.size()); row < m_jobs.rowCount(); ++row) {
        m_rowSeconds.push_back(timeCodeToSeconds(m_jobs.original(row).duration));
        m_rowStarted.push_back(false);
    }
    m_limit = jobLimit();
    while (static_cast<int>(running().size()) < m_limit) {
        const std::vector<int> rows = rowsToConvert();
        if (rows.empty())
            break;
        const int row = rows.front();
        m_position = row; // the one place that moves the batch along
        m_rowStarted[row] = true;
        const QString failure = startIn(freeSlot(), row);
        if (failure.isEmpty())
            continue;
        m_jobs.setStatus(row, JobStatus::failed(failure));
        ++m_tally.failed;
        m_tally.notStarted.append(m_jobs.caption(row).trimmed() + QStringLiteral(": ") + failure);
        m_doneSeconds += m_rowSeconds[row];
        emit jobEnded(row, QString());
    }
    m_filling = false;
    if (running().empty()) {
        // A run whose end is still being marked ends the batch afterwards.
        if (m_settling == 0)
            endBatch();
        return;
    }
    recountTotal();
    if (m_limit > 1)
        emit displayChanged(batchProgress(), statusHint(), batchProgress());
}

std::vector<int> Batch::rowsToConvert() const
{
    std::vector<int> rows;
    for (int row = 0; row < m_jobs.rowCount(); ++row)
        if (m_jobs.isChecked(row) && m_jobs.status(row).state != JobState::Finished
            && !(row < static_cast<int>(m_rowStarted.size()) && m_rowStarted[row]))
            rows.push_back(row);
    return rows;
}

void Batch::convertAgain(const std::vector<int> &rows)
{
    const std::vector<int> busyRows = runningRows();
    for (const int row : rows) {
        if (std::find(busyRows.begin(), busyRows.end(), row) != busyRows.end())
            continue;
        m_jobs.setChecked(row, true);
        m_jobs.setStatus(row, queuedStatus(m_jobs.job(row)));
        if (row < static_cast<int>(m_rowStarted.size()))
            m_rowStarted[row] = false;
    }
    if (isConverting()) {
        recountTotal();
        fill();
    }
}

QString Batch::startIn(Slot &slot, int row)
{
    // An output name stays taken from the moment its job is planned until
    // its file has it: also while a finished job's output is read back.
    QStringList claimed;
    for (const std::unique_ptr<Slot> &other : m_slots)
        if (other->jobRunning || other->settling)
            claimed << other->started.record.outputfile;
    const std::optional<LeftOutput> earlierPartial = m_jobs.job(row).lastRun.stoppedOutput;
    const JobStartResult result = m_jobStart.start(row, {slot.run, claimed});
    if (!result.started)
        return result.failure;
    const std::optional<StartedJob> &started = result.started;
    slot.earlierPartial = earlierPartial;
    slot.row = row;
    slot.jobRunning = true;
    slot.progress = 0;
    slot.startOrder = ++m_starts;
    slot.started = *started;
    m_lastStarted = *started;
    m_jobs.setStatus(row, JobStatus::running(0));
    slot.log.begin(m_jobs.caption(row), commandLineText(started->record), slot.run.commandAsRun());
    if (started->nameShortened)
        slot.log.addLine(QStringLiteral("Note: ") + shortenedNameText(started->record.outputfile));
    slot.startedRun = slot.log.record();
    slot.statedLength = statedLengthHundredths(m_jobs.job(row), started->record);
    m_jobs.setLastRun(row, slot.startedRun);
    return {};
}

void Batch::recountTotal()
{
    m_totalSeconds = 0;
    for (int row = 0; row < static_cast<int>(m_rowSeconds.size()); ++row)
        if (m_rowStarted[row] || (m_jobs.isChecked(row) && m_jobs.status(row).state != JobState::Finished))
            m_totalSeconds += m_rowSeconds[row];
}

qint32 Batch::batchProgress() const
{
    if (m_totalSeconds <= 0)
        return 0;
    qint64 converted = m_doneSeconds * kProgressFull;
    for (const Slot *slot : running())
        converted += m_rowSeconds[slot->row] * std::clamp<qint64>(slot->progress, 0, kProgressFull);
    return static_cast<qint32>(std::min<qint64>(converted / m_totalSeconds, kProgressFull));
}

void Batch::leave(bool stopped)
{
    m_stopped = stopped;
    m_busy.set(Busy::Paused, false);
    m_activeSince.invalidate();
    m_waitingForEndedRuns = false;
    m_position = -1;
    m_shell.allowSleep();
    m_busy.set(Busy::Converting, false);
}

void Batch::runEnded(Slot &slot, const RunOutcome &outcome)
{
    // The run's resources are released, the bar is reset and the last status
    // text is cleared by the run itself. Runs this batch did not start (a
    // snapshot) and the ends of stopped runs mark and advance nothing.
    const bool batchJob = slot.jobRunning;
    slot.jobRunning = false;
    if (!batchJob || !isConverting()) {
        // A stopped job's file is kept under a name that says it is partial;
        // its row (found by the record of the stop: the rows may have changed
        // since) names it, and a later run of the row replaces it.
        if (slot.log.isOpen()) {
            removeEarlierPartial(slot.earlierPartial);
            const FinalName kept = slot.run.keepPartial();
            slot.log.finish(kept.path.isEmpty() ? kStoppedEnding
                                                : kStoppedEnding + QStringLiteral("; ") + partialKeptText(kept.path));
            keepStoppedOutput(slot, kept.path);
        }
        noteRunEnded();
        return;
    }
    // Other runs may end while the output is read back; this slot is not
    // free for them until its row is marked.
    slot.settling = true;
    ++m_settling;
    m_doneSeconds += m_rowSeconds[slot.row];
    judgeEndedRun(slot, outcome);
}

void Batch::judgeEndedRun(Slot &slot, const RunOutcome &outcome)
{
    const QString &output = slot.run.unfinishedOutput();
    const QStringList lines = slot.log.reasonLines();
    const bool written = outputWritten(output);
    if (!outcome.succeeded() || !written) {
        // A failed run's file is kept only where the disk ran full: the
        // cause is the user's to mend, and the file shows how far it got.
        const QString reason =
            failureReason(outcome, lines, {slot.started.record.inputfile, slot.started.record.outputfile, output});
        settle(slot, {reason, written && diskCause(lines).has_value(), {}});
        return;
    }
    slot.run.holdOutput();
    slot.outputProbe.start(slot.run.location().encoderfile, slot.run.location().workdir, output);
}

void Batch::settle(Slot &slot, OutputJudgement judgement)
{
    markEnded(slot, std::move(judgement));
    --m_settling;
    slot.settling = false;
    if (m_endCause.isEmpty())
        fill(); // a paused batch starts its next job when it continues
    else if (isConverting() && running().empty() && m_settling == 0)
        leaveBySystem();
    noteRunEnded();
}

void Batch::keepStoppedOutput(const Slot &slot, const QString &output)
{
    // The rows may have changed since the stop: the stopped job's row is the
    // one that still holds the record of the stop.
    const std::optional<int> row = m_jobs.rowWithLastRun(slot.row, slot.stoppedRun);
    if (!row)
        return;
    JobRunRecord record = slot.stoppedRun;
    record.stoppedOutput = leftOutputAt(output);
    m_jobs.setLastRun(*row, record);
    if (record.stoppedOutput && m_jobs.status(*row).state == JobState::Stopped)
        m_jobs.setStatus(*row, {JobState::Stopped, 0, partialKeptText(output)});
}

void Batch::markEnded(Slot &slot, OutputJudgement judgement)
{
    // The program is ending (perhaps while the output was read back):
    // nothing of this run is kept.
    if (!m_endCause.isEmpty())
        judgement = {m_endCause, false, {}};
    std::optional<LeftOutput> partial;
    QString output;
    if (judgement.failure.isEmpty()) {
        const FinalName named = slot.run.keepOutput();
        output = named.path;
        judgement.failure = named.error;
        if (named.error.isEmpty()) {
            removeEarlierPartial(slot.earlierPartial);
            if (named.path != slot.started.record.outputfile)
                slot.log.addLine(QStringLiteral("Saved as ") + named.path);
        }
    } else if (judgement.keepPartial) {
        removeEarlierPartial(slot.earlierPartial);
        const FinalName kept = slot.run.keepPartial();
        if (!kept.path.isEmpty()) {
            judgement.failure += QStringLiteral("; ") + partialKeptText(kept.path);
            partial = leftOutputAt(kept.path);
        }
    } else {
        slot.run.discardOutput();
        partial = slot.earlierPartial; // still the row's until a run replaces it
    }
    const bool done = judgement.failure.isEmpty();
    if (!judgement.note.isEmpty())
        slot.log.addLine(QStringLiteral("Note: ") + judgement.note);
    if (slot.started.nameShortened) {
        const QString shortened = shortenedNameText(slot.started.record.outputfile);
        judgement.note = judgement.note.isEmpty() ? shortened : shortened + QStringLiteral("; ") + judgement.note;
    }
    JobRunRecord record =
        slot.log.finish(done ? QStringLiteral("Finished") : QStringLiteral("Failed: ") + judgement.failure);
    record.stoppedOutput = partial;
    // After a Stop the rows may change while the output is read back: the
    // job's row is the one that still holds the record of its start.
    const std::optional<int> row = m_jobs.rowWithLastRun(slot.row, slot.startedRun);
    if (!row)
        return;
    m_jobs.setLastRun(*row, record);
    if (!m_jobs.isChecked(*row))
        return;
    m_jobs.setStatus(*row,
                     done ? JobStatus{JobState::Finished, 0, judgement.note} : JobStatus::failed(judgement.failure));
    ++(done ? m_tally.finished : m_tally.failed);
    emit jobEnded(*row, done ? output : QString());
}

void Batch::endBatch()
{
    leave(false);
    emit batchEnded(m_tally);
    m_shell.notify(QStringLiteral("Conversion finished"), batchSummaryText(m_tally));
    switch (m_afterBatchAction) {
    case AfterBatchAction::OpenFolder:
        m_shell.openFolder(m_lastStarted.outputFolder);
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
    const QString hint = statusHint();
    // A paused run is continued and terminated; its release follows as for any end.
    for (Slot *slot : running()) {
        // The row holds the record of the stop before the run ends: the
        // end finds the row by it.
        slot->stoppedRun = slot->log.record();
        m_jobs.setLastRun(slot->row, slot->stoppedRun);
        slot->run.stop();
        m_jobs.setStatus(slot->row, {JobState::Stopped});
        ++m_tally.stopped;
    }
    emit displayChanged(0, hint, 0);
    leave(true);
    emit pauseCaptionChanged(kPauseCaption);
    emit batchEnded(m_tally);
}

void Batch::pauseToggle()
{
    if (!isConverting())
        return;
    if (m_busy.is(Busy::Paused)) {
        resume();
        return;
    }
    const std::vector<Slot *> jobSlots = running();
    if (jobSlots.empty())
        return;
    m_activeMs = activeMs();
    m_activeSince.invalidate();
    m_busy.set(Busy::Paused, true);
    for (Slot *slot : jobSlots) {
        slot->run.pause();
        m_jobs.setStatus(slot->row, JobStatus::runPaused(slot->progress));
    }
    emit pauseCaptionChanged(kContinueCaption);
    emit pausedChanged(true);
}

void Batch::resume()
{
    if (!isPaused())
        return;
    m_busy.set(Busy::Paused, false);
    m_activeSince.start();
    for (Slot *slot : running()) {
        slot->run.resume();
        m_jobs.setStatus(slot->row, JobStatus::running(slot->progress));
    }
    emit pauseCaptionChanged(kPauseCaption);
    emit pausedChanged(false);
    // A job that ended while the batch was paused left its slot free.
    fill();
}
