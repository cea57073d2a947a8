#include "engine/tclientwaitthread.h"

#include "engine/tprocessor.h"

#include <QTimer>

TClientWaitThread::TClientWaitThread(QProcess *process, TProcessor *reader, Completion completion, QObject *parent)
    : QObject(parent),
      m_process(process),
      m_reader(reader),
      m_completion(std::move(completion))
{
    connect(process, &QProcess::finished, this, [this](int code, QProcess::ExitStatus status) {
        complete({code, status == QProcess::CrashExit, false});
    });
    connect(process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            complete({-1, false, true});
    });
    // A start that failed before the connections existed still completes once,
    // on the next turn of the event loop, like an encoder that exited at once.
    if (process->state() == QProcess::NotRunning && process->error() == QProcess::FailedToStart)
        QTimer::singleShot(0, this, [this] { complete({-1, false, true}); });
}

void TClientWaitThread::complete(const RunExit &exit)
{
    if (m_done)
        return;
    m_done = true;
    if (m_reader)
        m_reader->drain();
    m_completion(exit);
}
