#include "engine/encoder_run.h"

#include "engine/commandline.h"
#include "engine/output_lines.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>

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
    m_location = {withSlash + "register.dat", withSlash};
}

std::optional<intputrec> EncoderRun::start(intputrec record, RunLeadIn leadIn)
{
    record.encoderfile = m_location.encoderfile;
    record.workdir = m_location.workdir;
    if (m_child.isRunning())
        return std::nullopt;
    settleAsEnded();
    m_readHundredths = 0;
    m_output = record.outputfile;
    m_unfinished = freshTemporaryOutputPath(m_output);
    m_record.add(m_unfinished);
    intputrec writing = record;
    writing.outputfile = m_unfinished;
    m_commandAsRun = commandLineText(writing);
    ChildRun::Options options;
    options.program = record.encoderfile;
    options.arguments = encoderArguments(writing);
    options.workdir = record.workdir;
    options.chunkSize = kConversionChunk;
    options.stopGraceMs = kStopGraceMs;
    // Started first, so a run that ends at once stops it.
    if (leadIn == RunLeadIn::Creeping)
        m_timer2.start();
    m_child.start(options, [this, seconds = record.seconds](QByteArray &buffer) { handleOutput(buffer, seconds); });
    return record;
}

void EncoderRun::handleOutput(QByteArray &buffer, qint32 seconds)
{
    // The lines before the last line end are consumed below, so each line
    // is reported exactly once.
    for (const QByteArray &line : completeLines(buffer))
        emit outputLine(QString::fromUtf8(line));
    consumeLineEnds(buffer, [this, seconds](const QByteArray &whole) {
        // A stopped run may still report while it finishes its file; its row
        // reads "Stop" and the batch may already have moved on.
        if (m_child.isStopping())
            return;
        const qint64 position = parseProgressSeconds(whole);
        m_readHundredths = std::max(m_readHundredths, parseProgressHundredths(whole));
        if (position == 0)
            return;
        if (m_timer2.isActive())
            m_timer2.stop();
        m_remainingRange = kProgressFull - m_offsetCounter;
        // With an unknown job length there is no ratio to show. The length
        // is the source's stated one, which the encoder may read past.
        if (seconds > 0)
            showProgress(std::min(mulDiv(position, m_remainingRange, seconds), m_remainingRange));
        if (position > 10)
            m_lastStatus = QString::fromUtf8(whole);
        else
            m_lastStatus.clear();
    });
}

void EncoderRun::stop(int graceMs)
{
    m_timer2.stop();
    m_child.stop(graceMs);
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
    m_endedAs = outcome;
    m_outputHeld = false;
    emit runEnded(outcome);
    // A listener may have settled the file, held it to settle later, or
    // started the next run, which settles this one first.
    if (!isRunning() && !m_outputHeld)
        settleAsEnded();
}

void EncoderRun::settleAsEnded()
{
    if (m_endedAs.succeeded())
        keepOutput();
    else if (m_endedAs.kind == RunOutcome::Kind::Stopped)
        keepPartial();
    else
        discardOutput();
}

FinalName EncoderRun::keepOutput()
{
    return settleUnder(m_output);
}

FinalName EncoderRun::keepPartial()
{
    return settleUnder(partialOutputPath(m_output));
}

FinalName EncoderRun::settleUnder(const QString &path)
{
    if (m_unfinished.isEmpty())
        return {};
    FinalName named;
    if (QFileInfo::exists(m_unfinished))
        named = giveFinalName(m_unfinished, path);
    if (named.path.isEmpty())
        QFile::remove(m_unfinished);
    m_record.settle(std::exchange(m_unfinished, QString()));
    return named;
}

void EncoderRun::discardOutput()
{
    if (m_unfinished.isEmpty())
        return;
    QFile::remove(m_unfinished);
    m_record.settle(std::exchange(m_unfinished, QString()));
}
