#include "jobs/job_from_probe.h"

#include "engine/timecode.h"

#include <QFileInfo>
#include <limits>

namespace {

// A rate as the rules read it: a whole number from 0 to INT_MAX. Anything else
// (no number, a negative rate, one too large for an int) is not a number.
std::optional<int> rateIn(qint64 value)
{
    if (value < 0 || value > std::numeric_limits<int>::max())
        return std::nullopt;
    return static_cast<int>(value);
}

std::optional<int> number(const QString &text)
{
    bool ok = false;
    const qint64 value = text.toLongLong(&ok);
    return ok ? rateIn(value) : std::nullopt;
}

// overall - other as rate text; empty (not a number) when it is no rate.
QString difference(int overall, int other)
{
    const std::optional<int> value = rateIn(qint64{overall} - other);
    return value ? QString::number(*value) : QString();
}

// The rate as a plain integer, or the fallback when it does not convert.
QString plainRate(const QString &text, const char *fallback)
{
    const std::optional<int> value = number(text);
    return value ? QString::number(*value) : QString::fromLatin1(fallback);
}

} // namespace

QString jobNameOf(const QString &path)
{
    const QFileInfo info(path);
    const QString name = info.fileName();
    const QString suffix = info.suffix();
    return suffix.isEmpty() ? name : name.chopped(suffix.size() + 1);
}

std::optional<Toriginalinfo> jobRecordFromProbe(const QString &path, const ProbeResults &probe)
{
    const std::optional<int> overall = number(probe.overallBitrate);
    if (!overall)
        return std::nullopt;
    QString video = probe.videoBitrate;
    QString audio = probe.audioBitrate;
    if (video.isEmpty()) {
        if (audio.isEmpty()) {
            video = QString::number(*overall);
        } else {
            const std::optional<int> audioRate = number(audio);
            if (!audioRate)
                return std::nullopt;
            video = difference(*overall, *audioRate);
        }
    }
    if (audio.isEmpty()) {
        const std::optional<int> videoRate = number(video);
        if (!videoRate)
            return std::nullopt;
        audio = difference(*overall, *videoRate);
    }
    if (audio == QLatin1String("0"))
        audio = QStringLiteral("128");

    Toriginalinfo job;
    job.sourcePath = path;
    job.pictureSize = probe.pictureSize.isEmpty() ? QStringLiteral("320x240") : probe.pictureSize;
    job.duration = probe.duration;
    job.videoBitrate = plainRate(video, "768");
    job.audioBitrate = plainRate(audio, "128");
    job.videoCodec = probe.videoCodec;
    job.audioCodec = probe.audioCodec;
    job.sampleRate = probe.sampleRate;
    job.channels = probe.channels;
    job.videoTail = probe.videoTail;
    return job;
}

TClipInfo wholeClipOf(const Toriginalinfo &job)
{
    const qint32 seconds = timeCodeToSeconds(job.duration);
    TClipInfo clip;
    clip.fullDuration = seconds;
    clip.clipEnd = seconds;
    return clip;
}
