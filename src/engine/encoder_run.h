#pragma once
// One conversion run at a time: the start of register.dat with an invocation
// record, and the progress it reports. The run computes progress values
// and keeps the last status line; whoever shows them (the Status column, the
// conversion bar, the hint line) listens to its signals.

#include "engine/child_run.h"
#include "engine/intputrec.h"
#include "engine/progress.h"

#include <QObject>
#include <QTimer>

class EncoderRun : public QObject {
    Q_OBJECT
public:
    explicit EncoderRun(QObject *parent = nullptr);

    // The encoder path and working folder of every run (and of the probes),
    // from the executable folder.
    void setExecutableFolder(const QString &folder);
    const EncoderLocation &location() const { return m_location; }

    // Starts register.dat with the record's pieces and returns at once with
    // the record as started: the encoder path and working folder filled in.
    // The run reports through progress() and displayChanged() and ends with
    // runEnded().
    intputrec start(intputrec record);
    bool isRunning() const { return m_child.isRunning(); }
    // Process id (and process group id) of the running encoder; 0 when idle.
    qint64 processId() const { return m_child.processId(); }

    // Pause and continue the encoder's process group; reading stops meanwhile.
    void pause() { m_child.pause(); }
    void resume() { m_child.resume(); }
    bool isPaused() const { return m_child.isPaused(); }
    // Ends the run: continue (when paused), SIGTERM to the group, SIGKILL after
    // a grace period. runEnded() follows with a Stopped outcome.
    void stop() { m_child.stop(); }

    // Progress shared by the runs of a batch.
    void resetOffsetCounter() { m_offsetCounter = 0; }
    qint32 offsetCounter() const { return m_offsetCounter; }
    QTimer &timer2() { return m_timer2; }
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
    void timer2Tick();

    EncoderLocation m_location;
    ChildRun m_child;
    QTimer m_timer2;
    qint32 m_offsetCounter = 0;
    qint32 m_remainingRange = kProgressFull;
    QString m_lastStatus;
};
