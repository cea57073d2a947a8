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
    QString text =
        QStringLiteral("Conversion ended: %1.\n\nThese jobs could not be started:").arg(batchSummaryText(tally));
    for (const QString &job : tally.notStarted)
        text += QStringLiteral("\n\u2022 ") + job;
    return text;
}
