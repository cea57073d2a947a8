#pragma once
// One conversion run at a time: the invocation record, the start of register.dat,
// the progress it reports (Status text, conversion bar, hint line, the
// provisional-progress timer) and the release of the run when it exits.

#include "engine/intputrec.h"
#include "engine/position_bar.h"
#include "engine/progress.h"
#include "engine/tclientwaitthread.h"

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <functional>

class QProcess;
class TProcessor;
class SkinForm;

class EncoderRun : public QObject {
    Q_OBJECT
public:
    explicit EncoderRun(QObject *parent = nullptr);
    ~EncoderRun() override; // ends a running encoder's whole process group

    // The one invocation record of the program.
    intputrec &record() { return m_rec; }
    const intputrec &record() const { return m_rec; }
    // Fills the encoder path and working folder from the executable folder.
    void setExecutableFolder(const QString &folder);

    // Finds the conversion bar ("convertpos") and the hint line ("hint").
    void attachSkin(SkinForm *form);
    // Receives the Status text of the running job; the receiver skips it when
    // the running job's row is no longer a valid row.
    void setStatusWriter(std::function<void(const QString &)> writer) { m_statusWriter = std::move(writer); }

    // Starts register.dat with the record's pieces. Returns at once; the run
    // reports through the Status writer and ends with runEnded().
    void startRun();
    bool isRunning() const { return m_process != nullptr; }
    // Process id (and process group id) of the running encoder; 0 when idle.
    qint64 processId() const;

    // Pause and continue the encoder's process group; reading stops meanwhile.
    void pause();
    void resume();
    bool isPaused() const { return m_paused; }
    // Ends the run: continue (when paused), SIGTERM to the group, SIGKILL after
    // a grace period. runEnded() follows as for any other exit.
    void stop();

    // Progress shared by the runs of a batch.
    void resetOffsetCounter() { m_offsetCounter = 0; }
    qint32 offsetCounter() const { return m_offsetCounter; }
    QTimer &timer2() { return m_timer2; }
    void showProgress(qint32 value);
    void barUpdate(qint32 value);
    QString lastStatusText() const { return m_lastStatus; }

    // The line handler over the reader's accumulation buffer.
    void handleOutput(QByteArray &buffer);

signals:
    // Emitted after the run's resources are released, the timer stopped, the
    // bar reset and the last status text cleared.
    void runEnded(const RunExit &exit);

private:
    void release(const RunExit &exit);
    void timer2Tick();

    intputrec m_rec;
    QPointer<QProcess> m_process;
    TProcessor *m_reader = nullptr;
    TClientWaitThread *m_waiter = nullptr;
    bool m_paused = false;
    bool m_stopping = false;
    QTimer m_killTimer;

    QTimer m_timer2;
    qint32 m_offsetCounter = 0;
    qint32 m_remainingRange = kProgressFull;
    QString m_lastStatus;
    PositionBar m_convertBar;
    SkinObject *m_hint = nullptr;
    std::function<void(const QString &)> m_statusWriter;
};
