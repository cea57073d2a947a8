#include "engine/child_run.h"

#include "engine/encoder_process.h"
#include "engine/tclientwaitthread.h"

#include <csignal>

namespace {

RunOutcome outcomeOf(const RunExit &exit, bool stopped, bool stalled)
{
    using Kind = RunOutcome::Kind;
    if (stalled)
        return {Kind::Stalled, -1};
    if (stopped)
        return {Kind::Stopped, -1};
    if (exit.failedToStart)
        return {Kind::CouldNotStart, -1};
    if (exit.crashed)
        return {Kind::Crashed, -1};
    return {exit.exitCode == 0 ? Kind::Succeeded : Kind::Failed, exit.exitCode};
}

} // namespace

ChildRun::ChildRun(QObject *parent) : QObject(parent)
{
    qRegisterMetaType<RunOutcome>();
    m_killTimer.setSingleShot(true);
    connect(&m_killTimer, &QTimer::timeout, this, [this] {
        if (m_process)
            signalProcessGroup(*m_process, SIGKILL);
    });
    m_stallTimer.setSingleShot(true);
    connect(&m_stallTimer, &QTimer::timeout, this, [this] {
        m_stalled = true;
        stop();
    });
}

ChildRun::~ChildRun()
{
    if (m_process) {
        m_process->disconnect();
        killProcessGroupNow(*m_process, m_graceMs);
    }
}

void ChildRun::start(const Options &options, TProcessor::LineHandler handler)
{
    if (m_process)
        return;
    m_paused = m_stopping = m_stalled = false;
    m_graceMs = options.stopGraceMs;
    QProcess *process = startEncoderProcess(options.program, options.arguments, options.workdir, this);
    m_process = process;
    m_reader = new TProcessor(process, options.chunkSize, std::move(handler), this);
    m_waiter = new TClientWaitThread(
        process, m_reader, [this](const RunExit &exit) { end(exit); }, this);
    m_stallTimer.setInterval(options.stallTimeoutMs);
    if (options.stallTimeoutMs > 0) {
        m_stallTimer.start();
        connect(process, &QProcess::readyRead, &m_stallTimer, [this] {
            if (!m_paused)
                m_stallTimer.start();
        });
    }
}

qint64 ChildRun::processId() const
{
    return m_process ? m_process->processId() : 0;
}

void ChildRun::pause()
{
    if (!m_process || m_paused || m_stopping)
        return;
    signalProcessGroup(*m_process, SIGSTOP);
    m_reader->setSuspended(true);
    m_paused = true;
    m_stallTimer.stop();
}

void ChildRun::resume()
{
    if (!m_process || !m_paused)
        return;
    signalProcessGroup(*m_process, SIGCONT);
    m_paused = false;
    m_reader->setSuspended(false);
    if (m_stallTimer.interval() > 0 && !m_stopping)
        m_stallTimer.start();
}

void ChildRun::stop(int graceMs)
{
    if (!m_process || m_stopping)
        return;
    m_stopping = true;
    m_stallTimer.stop();
    // A stopped group cannot act on SIGTERM: continue it first.
    signalProcessGroup(*m_process, SIGCONT);
    m_paused = false;
    m_reader->setSuspended(false);
    signalProcessGroup(*m_process, SIGTERM);
    m_killTimer.start(graceMs < 0 ? m_graceMs : graceMs);
}

void ChildRun::end(const RunExit &exit)
{
    m_killTimer.stop();
    m_stallTimer.stop();
    if (m_process) {
        m_process->disconnect(this);
        m_process->disconnect(&m_stallTimer);
        m_process->deleteLater();
    }
    m_process = nullptr;
    m_reader->deleteLater();
    m_waiter->deleteLater();
    m_reader = nullptr;
    m_waiter = nullptr;
    const RunOutcome outcome = outcomeOf(exit, m_stopping, m_stalled);
    m_paused = m_stopping = m_stalled = false;
    emit finished(outcome);
}
