#include "engine/media_probe.h"

#include "engine/commandline.h"
#include "engine/encoder_process.h"
#include "engine/progress.h"

#include <QEventLoop>
#include <QProcess>

namespace {
constexpr int kKillGraceMs = 1000;
} // namespace

MediaProbe::MediaProbe(QObject *parent) : QObject(parent) {}

MediaProbe::~MediaProbe()
{
    if (m_process) {
        m_process->disconnect();
        killProcessGroupNow(*m_process, kKillGraceMs);
    }
}

void MediaProbe::start(const QString &encoderPath, const QString &workdir, const QString &mediaPath)
{
    if (m_busy)
        return;
    m_found = {};
    m_results = {};
    m_exitCode = -1;
    m_busy = true;
    QProcess *process = startEncoderProcess(encoderPath, probeArguments(mediaPath), workdir, this);
    m_process = process;
    m_reader = new TtimeProcessor(
        process, kProbeChunkSize,
        [this](QByteArray &buffer) {
            consumeLineEnds(buffer, [this](const QByteArray &whole) { takeProbeFindings(m_found, whole); });
        },
        this);
    m_waiter = new TtimeClientWaitThread(process, m_reader, [this](const RunExit &exit) { release(exit); }, this);
}

qint64 MediaProbe::processId() const
{
    return m_process ? m_process->processId() : 0;
}

void MediaProbe::waitUntilIdle()
{
    if (!m_busy)
        return;
    QEventLoop loop;
    connect(this, &MediaProbe::finished, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

void MediaProbe::release(const RunExit &exit)
{
    // The waiter has let the reader hand over every byte: the results are complete.
    m_exitCode = exit.exitCode;
    if (m_process) {
        m_process->disconnect(this);
        m_process->deleteLater();
    }
    m_process = nullptr;
    m_reader->deleteLater();
    m_waiter->deleteLater();
    m_reader = nullptr;
    m_waiter = nullptr;
    m_results = m_found.results;
    m_busy = false;
    emit finished();
}
