#pragma once
// One conversion run at a time: the start of register.dat with an invocation
// record, and the progress it reports. The run computes progress values
// and keeps the last status line; whoever shows them (the Status column, the
// conversion bar, the hint line) listens to its signals.

#include "engine/child_run.h"
#include "engine/intputrec.h"
#include "engine/progress.h"
#include "engine/temporary_output.h"
#include "engine/unfinished_outputs.h"

#include <QObject>
#include <QTimer>
#include <optional>

// How a run's Status moves before the encoder's first progress line: still,
// or creeping one hundredth of a percent a second (a DVD title, which the
// encoder reads its way into first).
enum class RunLeadIn { Still, Creeping };

class EncoderRun : public QObject {
    Q_OBJECT
public:
    explicit EncoderRun(QObject *parent = nullptr);

    // The encoder path and working folder of every run (and of the probes),
    // from the executable folder.
    void setExecutableFolder(const QString &folder);
    const EncoderLocation &location() const { return m_location; }

    // Starts register.dat with the record's pieces and returns at once with
    // the record as started: the encoder path and working folder filled in;
    // nothing while a run is still active (the caller's job did not start).
    // The run reports through progress() and displayChanged() and ends with
    // runEnded(). It writes under a hidden temporary name beside the
    // record's output (unfinishedOutput()), which takes the output's name
    // only when the run is settled by keepOutput().
    [[nodiscard]] std::optional<intputrec> start(intputrec record, RunLeadIn leadIn = RunLeadIn::Still);
    // The command line of the last run as it was started, with the
    // temporary name it writes under.
    const QString &commandAsRun() const { return m_commandAsRun; }
    // The furthest position the last run's encoder reported, in hundredths
    // of a second: how much of its input it read.
    Hundredths readHundredths() const { return m_readHundredths; }
    bool isRunning() const { return m_child.isRunning(); }
    // Process id (and process group id) of the running encoder; 0 when idle.
    qint64 processId() const { return m_child.processId(); }

    // Pause and continue the encoder's process group; reading stops meanwhile.
    void pause() { m_child.pause(); }
    void resume() { m_child.resume(); }
    bool isPaused() const { return m_child.isPaused(); }
    // Ends the run: continue (when paused), SIGTERM to the group, SIGKILL after
    // a grace period (graceMs, or ffmpeg's usual time to finish its file).
    // runEnded() follows with a Stopped outcome; the Status creeps no more.
    void stop(int graceMs = -1);

    // The file the run writes until it is settled; empty when settled.
    const QString &unfinishedOutput() const { return m_unfinished; }
    // Gives the run's file its final name (the output's, or the first free
    // "<name>_N" should a file have taken it meanwhile); an error when it
    // could not, and nothing when the run wrote no file. A run not settled
    // while runEnded() is emitted keeps its file when it exited with 0, keeps
    // it as partial when it was stopped, and loses it otherwise.
    FinalName keepOutput();
    // Keeps the run's unfinished file under a name that says so
    // (partialOutputPath()); nothing when the run wrote no file.
    FinalName keepPartial();
    // Removes the run's file.
    void discardOutput();
    // Called while runEnded() is emitted by a listener that settles the file
    // later (once it has read it back): the run leaves it unsettled until
    // then, or until the next start settles it as ended.
    void holdOutput() { m_outputHeld = true; }

    // Progress shared by the runs of a batch.
    void resetOffsetCounter() { m_offsetCounter = 0; }
    qint32 offsetCounter() const { return m_offsetCounter; }
    // Whether the Status creeps, waiting for the encoder's first progress line.
    bool isCreeping() const { return m_timer2.isActive(); }
    // Reports value (plus the offset counter unless Timer2 runs) as the
    // running job's progress, on the bar and with the last status line.
    void showProgress(qint32 value);
    // Sets the bar to value, with the last status line, without a progress
    // report for the job.
    void barUpdate(qint32 value);
    QString lastStatusText() const { return m_lastStatus; }

    // The line handler over the reader's accumulation buffer, for a job of
    // `seconds` (the progress denominator; 0 when unknown).
    void handleOutput(QByteArray &buffer, qint32 seconds);

signals:
    // The running job's progress value, 0 to 10000.
    void progress(qint32 value);
    // What the conversion bar (value 0 to 10000) and the hint line show.
    void displayChanged(qint32 barValue, const QString &statusLine);
    // Every complete line the encoder writes, progress lines included, in
    // order; also the lines a stopped run writes while it finishes its file.
    void outputLine(const QString &line);
    // Emitted after the run's resources are released, the timer stopped, the
    // bar reset and the last status text cleared.
    void runEnded(const RunOutcome &outcome);

private:
    void release(const RunOutcome &outcome);
    // Settles an ended run's file as its outcome says, unless settled already.
    void settleAsEnded();
    // Gives the unfinished file the name `path` (or a free "_N" beside it).
    FinalName settleUnder(const QString &path);
    void timer2Tick();

    EncoderLocation m_location;
    ChildRun m_child;
    UnfinishedOutputs m_record; // the unfinished files of this program's runs
    QString m_unfinished;       // the running or ended run's file, until settled
    QString m_output;           // the name it is to take
    QString m_commandAsRun;
    Hundredths m_readHundredths = 0;
    RunOutcome m_endedAs;       // how the last run ended
    bool m_outputHeld = false;  // a listener settles the ended run's file
    QTimer m_timer2;            // the creeping lead-in
    qint32 m_offsetCounter = 0;
    qint32 m_remainingRange = kProgressFull;
    QString m_lastStatus;
};
