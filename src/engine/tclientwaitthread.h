#pragma once
// The exit waiter of an encoder run: once the process has ended (or could not
// start at all) it lets the reader hand over every remaining byte and then
// runs the completion step exactly once.

#include <QObject>
#include <QPointer>
#include <QProcess>
#include <functional>

class TProcessor;

// How a run ended, as far as the process tells.
struct RunExit {
    int exitCode = -1;
    bool crashed = false;       // killed by a signal
    bool failedToStart = false; // the encoder could not be started
};

class TClientWaitThread : public QObject {
    Q_OBJECT
public:
    using Completion = std::function<void(const RunExit &)>;
    TClientWaitThread(QProcess *process, TProcessor *reader, Completion completion, QObject *parent = nullptr);

private:
    void complete(const RunExit &exit);

    QPointer<QProcess> m_process;
    TProcessor *m_reader;
    Completion m_completion;
    bool m_done = false;
};
