#include "engine/encoder_run.h"

#include "engine/commandline.h"
#include "engine/encoder_process.h"
#include "engine/tprocessor.h"

#include <csignal>

namespace {
constexpr qsizetype kConversionChunk = 256;
// ffmpeg needs a moment after SIGTERM to finish the file it was writing.
constexpr int kStopGraceMs = 5000;
} // namespace

EncoderRun::EncoderRun(QObject *parent) : QObject(parent)
{
    m_timer2.setInterval(1000);
    connect(&m_timer2, &QTimer::timeout, this, &EncoderRun::timer2Tick);
    m_killTimer.setSingleShot(true);
    m_killTimer.setInterval(kStopGraceMs);
    connect(&m_killTimer, &QTimer::timeout, this, [this] {
        if (m_process)
            signalProcessGroup(*m_process, SIGKILL);
    });
}

EncoderRun::~EncoderRun()
{
    if (m_process) {
        m_process->disconnect();
        killProcessGroupNow(*m_process, kStopGraceMs);
    }
}

void EncoderRun::setExecutableFolder(const QString &folder)
{
    const QString withSlash = folder.endsWith(u'/') ? folder : folder + u'/';
    m_rec.encoderfile = withSlash + "register.dat";
    m_rec.workdir = withSlash;
}

void EncoderRun::attachSkin(SkinForm *form)
{
    m_convertBar = PositionBar(TSkin::findObject(form, "convertpos"), kConvertBarWidth);
    m_hint = TSkin::findObject(form, "hint");
    m_convertBar.show(0); // the skin declares the bar at full width; no run has progressed yet
}

void EncoderRun::startRun()
{
    m_paused = false;
    m_stopping = false;
    QProcess *process = startEncoderProcess(m_rec.encoderfile, encoderArguments(m_rec), m_rec.workdir, this);
    m_process = process;
    m_reader = new TProcessor(process, kConversionChunk, [this](QByteArray &buffer) { handleOutput(buffer); }, this);
    m_waiter = new TClientWaitThread(process, m_reader, [this](const RunExit &exit) { release(exit); }, this);
}

qint64 EncoderRun::processId() const
{
    return m_process ? m_process->processId() : 0;
}

void EncoderRun::pause()
{
    if (!m_process || m_paused)
        return;
    signalProcessGroup(*m_process, SIGSTOP);
    m_reader->setSuspended(true);
    m_paused = true;
}

void EncoderRun::resume()
{
    if (!m_process || !m_paused)
        return;
    signalProcessGroup(*m_process, SIGCONT);
    m_paused = false;
    m_reader->setSuspended(false);
}

void EncoderRun::stop()
{
    if (!m_process || m_stopping)
        return;
    m_stopping = true;
    // A stopped group cannot act on SIGTERM: continue it first.
    signalProcessGroup(*m_process, SIGCONT);
    m_paused = false;
    m_reader->setSuspended(false);
    signalProcessGroup(*m_process, SIGTERM);
    m_killTimer.start();
}

void EncoderRun::handleOutput(QByteArray &buffer)
{
    consumeLineEnds(buffer, [this](const QByteArray &whole) {
        // A stopped run may still report while it finishes its file; its row
        // reads "Stop" and the batch position may already name another row.
        if (m_stopping)
            return;
        const qint64 seconds = parseProgressSeconds(whole);
        if (seconds == 0)
            return;
        if (m_timer2.isActive())
            m_timer2.stop();
        m_remainingRange = kProgressFull - m_offsetCounter;
        // With an unknown job length there is no ratio to show.
        if (m_rec.seconds > 0)
            showProgress(mulDiv(seconds, m_remainingRange, m_rec.seconds));
        if (seconds > 10)
            m_lastStatus = QString::fromUtf8(whole);
        else
            m_lastStatus.clear();
    });
}

void EncoderRun::showProgress(qint32 value)
{
    if (!m_timer2.isActive())
        value += m_offsetCounter;
    barUpdate(value);
    if (m_statusWriter)
        m_statusWriter(progressText(value));
}

void EncoderRun::barUpdate(qint32 value)
{
    m_convertBar.show(value);
    if (m_hint && m_hint->textFacet()) {
        m_hint->textFacet()->setText(m_lastStatus);
        m_hint->commonFacet()->redraw();
    }
}

void EncoderRun::timer2Tick()
{
    ++m_offsetCounter;
    showProgress(m_offsetCounter);
}

void EncoderRun::release(const RunExit &exit)
{
    m_killTimer.stop();
    if (m_process) {
        m_process->disconnect(this);
        m_process->deleteLater();
    }
    m_process = nullptr;
    if (m_reader)
        m_reader->deleteLater();
    if (m_waiter)
        m_waiter->deleteLater();
    m_reader = nullptr;
    m_waiter = nullptr;
    m_paused = false;
    if (m_timer2.isActive())
        m_timer2.stop();
    barUpdate(0);
    m_lastStatus.clear();
    RunExit reported = exit;
    if (m_stopping)
        reported.exitCode = -1;
    m_stopping = false;
    emit runEnded(reported);
}
