#include "jobs/job_from_probe.h"

#include "engine/timecode.h"

#include <QFileInfo>

namespace {

std::optional<int> number(const QString &text)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
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
            video = QString::number(*overall - *audioRate);
        }
    }
    if (audio.isEmpty()) {
        const std::optional<int> videoRate = number(video);
        if (!videoRate)
            return std::nullopt;
        audio = QString::number(*overall - *videoRate);
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
