#include "jobs/batch_tally.h"

QString batchSummaryText(const BatchTally &tally)
{
    return QStringLiteral("%1 finished, %2 failed, %3 stopped")
        .arg(tally.finished)
        .arg(tally.failed)
        .arg(tally.stopped);
}
