#include "app/conversion_display.h"

QString batchEndHint(const BatchTally &tally)
{
    return QStringLiteral("Conversion ended: ") + batchSummaryText(tally);
}

void ConversionDisplay::runDisplay(qint32 barValue, const QString &statusLine, qint32 batchValue)
{
    m_surface.showBar(barValue);
    // A stopped run still reports its last line when it has ended; the
    // summary of its batch stays.
    if (m_showingSummary)
        return;
    m_surface.showBatchPercent(batchValue / 100);
    if (!m_paused)
        m_surface.showHint(statusLine);
}

void ConversionDisplay::setPaused(bool paused, const QString &statusLine)
{
    if (paused == m_paused)
        return;
    m_paused = paused;
    m_surface.greyBar(paused);
    m_surface.showHint(paused ? kPausedHint : statusLine);
}

void ConversionDisplay::ungrey()
{
    if (!m_paused)
        return;
    m_paused = false;
    m_surface.greyBar(false);
}

void ConversionDisplay::batchStarted()
{
    m_showingSummary = false;
}

void ConversionDisplay::batchEnded(const BatchTally &tally)
{
    ungrey();
    m_surface.showBatchPercent(std::nullopt);
    m_surface.showHint(batchEndHint(tally));
    m_showingSummary = true;
}
