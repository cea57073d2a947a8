#include "jobs/batch_tally.h"

QString batchSummaryText(const BatchTally &tally)
{
    return QStringLiteral("%1 finished, %2 failed, %3 stopped")
        .arg(tally.finished)
        .arg(tally.failed)
        .arg(tally.stopped);
}

QString notStartedText(const BatchTally &tally)
{
    return QStringLiteral("Conversion ended: %1. These jobs could not be started:\n").arg(batchSummaryText(tally))
           + tally.notStarted.join(u'\n');
}
