#include "jobs/jobs_at_once.h"

#include "profiles/profile_choices.h"

#include <QThread>
#include <algorithm>

namespace {

// Encoders whose conversion keeps one core busy, as bench/encoders.sh
// measured them (the run's CPU time over its busiest thread's, 2 cores):
// the audio encoders 1.00 each, AMR-NB 1.56 (ffmpeg decoding, register.dat
// encoding), and the video encoders without threads of their own 1.40 to
// 1.52 (the rest is the source's decoding); libopus, flac and alac 1.00
// as well. The others spread over several threads: libx264 4.64, libsvtav1
// 3.27, mpeg1video and mpeg2video 2.71, mpeg4 2.59, libx265 2.12, libvpx-vp9
// 1.90 (with -row-mt), h263 1.84; a batch of them gains nothing from a second
// job on a busy machine. A stream copy runs no encoder and is held by the
// disk: one job at a time.
const QStringList kOneCoreEncoders = {
    "libmp3lame", "aac",     "libvorbis", "ac3", "wmav2", "mp2",     "pcm_s16le", "pcm_s16be", "amr_nb",
    "libxvid",    "msmpeg4", "wmv2",      "flv", "rv20",  "libopus", "flac",      "alac",
};

// What "-target" gives: ffmpeg's disc presets.
QStringList targetEncoders(const QString &target)
{
    if (target.endsWith(QStringLiteral("-vcd")))
        return {"mpeg1video", "mp2"};
    if (target.endsWith(QStringLiteral("-svcd")))
        return {"mpeg2video", "mp2"};
    return {"mpeg2video", "ac3"};
}

} // namespace

QStringList profileEncoders(const QString &argumentTemplate, const QString &extension)
{
    QStringList encoders;
    const QStringList words = argumentTemplate.split(u' ', Qt::SkipEmptyParts);
    for (qsizetype i = 0; i + 1 < words.size(); ++i) {
        if (words[i] == QStringLiteral("-vcodec") || words[i] == QStringLiteral("-acodec"))
            encoders << words[i + 1];
        else if (words[i] == QStringLiteral("-target"))
            encoders << targetEncoders(words[i + 1]);
    }
    if (extension.compare(QStringLiteral(".amr"), Qt::CaseInsensitive) == 0)
        encoders << QStringLiteral("amr_nb");
    return encoders;
}

QStringList profileEncoders(const ProfileChoices &choices)
{
    return profileEncoders(choices.argumentTemplate, choices.extension);
}

bool usesOneCore(const QStringList &encoders)
{
    return !encoders.isEmpty() && std::all_of(encoders.begin(), encoders.end(), [](const QString &encoder) {
        return kOneCoreEncoders.contains(encoder);
    });
}

int processorCores()
{
    return std::max(1, QThread::idealThreadCount());
}

QStringList jobsAtOnceCaptions(int cores)
{
    QStringList captions{QStringLiteral("Automatic")};
    for (int jobs = 1; jobs <= cores; ++jobs)
        captions << QString::number(jobs);
    return captions;
}

int jobsAtOnceSetting(int stored, int cores)
{
    return stored >= 1 && stored <= cores ? stored : kJobsAtOnceAutomatic;
}

int jobsAtOnce(int setting, const QStringList &encoders, int cores)
{
    if (setting != kJobsAtOnceAutomatic)
        return std::max(1, setting);
    return usesOneCore(encoders) ? std::max(1, cores) : 1;
}
