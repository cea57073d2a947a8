#include "engine/media_probe.h"

#include "engine/commandline.h"
#include "engine/progress.h"

namespace {
constexpr int kKillGraceMs = 1000;
} // namespace

ChildRun::Options probeRunOptions(const QString &encoderPath, const QString &workdir, const QString &mediaPath,
                                  int stallTimeoutMs)
{
    ChildRun::Options options;
    options.program = encoderPath;
    options.arguments = probeArguments(mediaPath);
    options.workdir = workdir;
    options.chunkSize = kProbeChunkSize;
    options.stallTimeoutMs = stallTimeoutMs;
    options.stopGraceMs = kKillGraceMs;
    return options;
}

MediaProbe::MediaProbe(QObject *parent) : QObject(parent)
{
    connect(&m_child, &ChildRun::finished, this, &MediaProbe::release);
}

void MediaProbe::start(const QString &encoderPath, const QString &workdir, const QString &mediaPath)
{
    if (isBusy())
        return;
    m_found = {};
    m_results = {};
    m_outcome = {};
    m_child.start(probeRunOptions(encoderPath, workdir, mediaPath, m_stallTimeoutMs), [this](QByteArray &buffer) {
        consumeLineEnds(buffer, [this](const QByteArray &whole) { takeProbeFindings(m_found, whole); });
    });
}

void MediaProbe::release(const RunOutcome &outcome)
{
    // Every byte has been handed over: the results are complete. A stalled
    // probe's partial description is no description.
    m_outcome = outcome;
    if (outcome.kind != RunOutcome::Kind::Stalled)
        m_results = m_found.results;
    emit finished();
}
