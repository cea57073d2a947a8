#include "jobs/output_check.h"

#include "engine/timecode.h"
#include "jobs/failure_reason.h"

#include <algorithm>
#include <cstdlib>

namespace {

constexpr Hundredths kLeastShortfall = 50;
constexpr qint64 kShortfallPercent = 2;
const QLatin1StringView kTrailerError("Error writing trailer");

Hundredths allowedShortfall(Hundredths length)
{
    return std::max(kLeastShortfall, length * kShortfallPercent / 100);
}

QString secondsText(Hundredths hundredths)
{
    return QString::number(static_cast<double>(hundredths) / 100.0, 'f', 2);
}

} // namespace

Hundredths statedLengthHundredths(const Job &job, const intputrec &record)
{
    const QString length = record.length.trimmed();
    if (length.startsWith(QLatin1String("-t ")))
        return timeCodeToHundredths(length.mid(3).trimmed());
    if (!isDvdRow(job) && job.exactDuration)
        return std::max<Hundredths>(0, *job.exactDuration - clipRangeOf(job.clip).begin);
    return record.seconds * Hundredths(100);
}

OutputJudgement judgeOutput(const ProbeResults &output, Hundredths readHundredths, Hundredths statedHundredths,
                            const QStringList &encoderLines)
{
    if (const std::optional<QString> disk = diskCause(encoderLines))
        return {*disk, true, {}};
    for (const QString &line : encoderLines) {
        if (line.contains(kEmptyOutput))
            return {line.trimmed(), false, {}};
        if (line.contains(kTrailerError))
            return {QStringLiteral("The encoder could not finish the file: ") + line.trimmed(), true, {}};
    }
    if (output.videoCodec.isEmpty() && output.audioCodec.isEmpty())
        return {QStringLiteral("The output file holds no audio or video the encoder could read back; try another "
                               "profile"),
                true,
                {}};
    if (!output.exactDuration || output.durationEstimated)
        return {};
    const Hundredths written = *output.exactDuration;
    if (readHundredths - written > allowedShortfall(readHundredths))
        return {QStringLiteral("The output holds only %1 s of the %2 s the encoder converted; the file was not "
                               "finished")
                    .arg(secondsText(written), secondsText(readHundredths)),
                true,
                {}};
    if (statedHundredths > 0 && std::abs(statedHundredths - written) > allowedShortfall(statedHundredths))
        return {{}, false,
                QStringLiteral("the source stated %1 s; it holds %2 s")
                    .arg(secondsText(statedHundredths), secondsText(written))};
    return {};
}
