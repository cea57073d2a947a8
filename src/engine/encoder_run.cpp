#include "engine/encoder_run.h"

#include "engine/commandline.h"
#include "engine/output_lines.h"

namespace {
constexpr qsizetype kConversionChunk = 256;
// ffmpeg needs a moment after SIGTERM to finish the file it was writing.
constexpr int kStopGraceMs = 5000;
} // namespace

EncoderRun::EncoderRun(QObject *parent) : QObject(parent)
{
    m_timer2.setInterval(1000);
    connect(&m_timer2, &QTimer::timeout, this, &EncoderRun::timer2Tick);
    connect(&m_child, &ChildRun::finished, this, &EncoderRun::release);
}

void EncoderRun::setExecutableFolder(const QString &folder)
{
    const QString withSlash = folder.endsWith(u'/') ? folder : folder + u'/';
    m_rec.encoderfile = withSlash + "register.dat";
    m_rec.workdir = withSlash;
}

void EncoderRun::startRun()
{
    ChildRun::Options options;
    options.program = m_rec.encoderfile;
    options.arguments = encoderArguments(m_rec);
    options.workdir = m_rec.workdir;
    options.chunkSize = kConversionChunk;
    options.stopGraceMs = kStopGraceMs;
    m_child.start(options, [this](QByteArray &buffer) { handleOutput(buffer); });
}

void EncoderRun::handleOutput(QByteArray &buffer)
{
    // The lines before the last line end are consumed below, so each line
    // is reported exactly once.
    for (const QByteArray &line : completeLines(buffer))
        emit outputLine(QString::fromUtf8(line));
    consumeLineEnds(buffer, [this](const QByteArray &whole) {
        // A stopped run may still report while it finishes its file; its row
        // reads "Stop" and the batch may already have moved on.
        if (m_child.isStopping())
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
    emit progress(value);
}

void EncoderRun::barUpdate(qint32 value)
{
    emit displayChanged(value, m_lastStatus);
}

void EncoderRun::timer2Tick()
{
    ++m_offsetCounter;
    showProgress(m_offsetCounter);
}

void EncoderRun::release(const RunOutcome &outcome)
{
    if (m_timer2.isActive())
        m_timer2.stop();
    barUpdate(0);
    m_lastStatus.clear();
    emit runEnded(outcome);
}
