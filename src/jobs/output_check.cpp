#include "jobs/output_check.h"

#include "engine/timecode.h"
#include "jobs/failure_reason.h"

#include <algorithm>

namespace {

constexpr qint64 kLeastShortfall = 10;  // hundredths of a second
constexpr qint64 kShortfallPercent = 2; // of the job's length

QString secondsText(qint64 hundredths)
{
    return QString::number(static_cast<double>(hundredths) / 100.0, 'f', 2);
}

} // namespace

qint64 jobLengthHundredths(const intputrec &record)
{
    const QString length = record.length.trimmed();
    if (length.startsWith(QLatin1String("-t ")))
        return timeCodeToHundredths(length.mid(3).trimmed());
    return record.seconds * qint64(100);
}

std::optional<QString> incompleteOutputReason(const ProbeResults &output, qint64 jobHundredths,
                                              const QStringList &encoderLines)
{
    for (const QString &line : encoderLines)
        if (line.contains(kEmptyOutput))
            return line.trimmed();
    if (output.videoCodec.isEmpty() && output.audioCodec.isEmpty())
        return QStringLiteral("The output file holds no audio or video the encoder could read back; try another "
                              "profile");
    if (output.exactDuration.isEmpty())
        return std::nullopt;
    const qint64 written = timeCodeToHundredths(output.exactDuration);
    const qint64 allowed = std::max(kLeastShortfall, jobHundredths * kShortfallPercent / 100);
    if (jobHundredths - written > allowed)
        return QStringLiteral("The output holds only %1 s of the job's %2 s; the source may be incomplete or "
                              "damaged")
            .arg(secondsText(written), secondsText(jobHundredths));
    return std::nullopt;
}
