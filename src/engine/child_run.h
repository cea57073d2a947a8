#pragma once
// One run of register.dat as a child process. The run starts in a process
// group of its own, its merged output is read in chunks and handed to a line
// handler, pause, continue and stop reach the whole group (the bridge and its
// ffmpeg), and it ends with exactly one finished(outcome) after every byte of
// its output has been handled. No process of the group outlives the run or
// the ChildRun object.

#include "engine/tprocessor.h"

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>

class TClientWaitThread;
struct RunExit;

// How a run ended.
struct RunOutcome {
    enum class Kind {
        Succeeded,     // exited by itself with code 0
        Failed,        // exited by itself with another code
        Crashed,       // killed by a signal it did not get from us
        CouldNotStart, // the program could not be started
        Stopped,       // ended by stop()
        Stalled,       // wrote nothing for the stall timeout and was ended
    };
    Kind kind = Kind::CouldNotStart;
    int exitCode = -1; // the program's own exit code; -1 unless it exited by itself

    bool succeeded() const { return kind == Kind::Succeeded; }
};
Q_DECLARE_METATYPE(RunOutcome)

class ChildRun : public QObject {
    Q_OBJECT
public:
    struct Options {
        QString program;
        QStringList arguments;
        QString workdir;
        qsizetype chunkSize = 256; // bytes handed to the line handler at a time
        int stallTimeoutMs = 0;    // > 0: a run silent for this long is ended as Stalled
        int stopGraceMs = 5000;    // between SIGTERM and SIGKILL
    };

    explicit ChildRun(QObject *parent = nullptr);
    // Ends a running group at once (continue, SIGTERM, SIGKILL after the
    // grace period), without emitting finished().
    ~ChildRun() override;

    // Starts the program; returns at once. Ignored while a run is active.
    void start(const Options &options, TProcessor::LineHandler handler);
    bool isRunning() const { return m_process != nullptr; }
    bool isPaused() const { return m_paused; }
    bool isStopping() const { return m_stopping; }
    // Process id (= process group id) of the running program; 0 when idle.
    qint64 processId() const;

    // SIGSTOP / SIGCONT to the group; no output is read while paused.
    void pause();
    void resume();
    // Continues a paused group, sends SIGTERM, and SIGKILL after the grace
    // period (the run's own when graceMs is negative); finished() follows
    // with Stopped.
    void stop(int graceMs = -1);

signals:
    void finished(const RunOutcome &outcome);

private:
    void end(const RunExit &exit);

    QPointer<QProcess> m_process;
    TProcessor *m_reader = nullptr;
    TClientWaitThread *m_waiter = nullptr;
    int m_graceMs = 5000;
    bool m_paused = false;
    bool m_stopping = false;
    bool m_stalled = false;
    QTimer m_killTimer;
    QTimer m_stallTimer;
};
