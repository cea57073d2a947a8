#include "jobs/batch_pace.h"

#include "engine/timecode.h"

#include <algorithm>
#include <cmath>

QString batchPaceHint(const BatchPace &pace)
{
    const QString separator = QStringLiteral(" \u00b7 ");
    QString hint = QStringLiteral("Converting %1 of %2").arg(pace.started).arg(pace.total);
    if (pace.running > 1)
        hint += separator + QStringLiteral("%1 running").arg(pace.running);
    if (pace.activeMs < kPaceSettleMs || pace.convertedSeconds <= 0 || pace.totalSeconds <= 0)
        return hint;
    const double speed = pace.convertedSeconds * 1000.0 / double(pace.activeMs);
    const int left = int(std::ceil(std::max(0.0, double(pace.totalSeconds) - pace.convertedSeconds) / speed));
    // Under an hour left reads "04:12", more "01:04:12".
    const QString leftText = left < 3600 ? secondsToTimeCode(left).mid(3) : secondsToTimeCode(left);
    return hint + separator + leftText + QStringLiteral(" left") + separator + QString::number(speed, 'f', 1) + u'x';
}
