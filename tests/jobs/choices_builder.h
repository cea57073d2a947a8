#pragma once
// Profile choices for the estimate and piece tests, written the way the
// Settings dialog's lists look for a profile.

#include "jobs/job_records.h"
#include "profiles/list_reading.h"

namespace veltrix::test {

inline ChoiceList listOf(const QStringList &entries, int selected, bool enabled = true)
{
    ChoiceList list;
    list.entries = entries;
    list.selected = selected;
    list.enabled = enabled;
    return list;
}

// The quality entries, optionally with the source entry at the end.
inline QStringList qualityWith(const QString &sourceEntry = QString())
{
    QStringList entries = qualityEntries();
    if (!sourceEntry.isEmpty())
        entries.append(sourceEntry);
    return entries;
}

struct ChoicesPlan {
    int id;
    QString extension;
    std::array<QString, 5> rateTexts;
    ChoiceList size;
    ChoiceList video;
    ChoiceList audio;
    int channel = 1; // "Stereo"
    bool fileMode = true;
};

inline ProfileChoices choicesOf(const ChoicesPlan &plan)
{
    const QualityLists lists{plan.size, plan.video, plan.audio, listOf(channelEntries(), plan.channel)};
    // Pictures stretch, so no filters: the pieces as the rules give them.
    return resolveChoices({plan.id, plan.extension, plan.rateTexts, QStringLiteral(" -template")}, lists, plan.fileMode,
                          PictureFit::Stretch);
}

inline const std::array<QString, 5> kNoVideoRates = {"*", "", "", "", ""};
inline const std::array<QString, 5> kNumericRates = {"1000", "800", "600", "400", "200"};

// A source of 640x360, 1000 kbit/s video, 192 kbit/s audio, 3:25 long.
inline Toriginalinfo sourceJob()
{
    Toriginalinfo job;
    job.sourcePath = QStringLiteral("/media/source.mp4");
    job.pictureSize = QStringLiteral("640x360");
    job.duration = QStringLiteral("00:03:25");
    job.videoBitrate = QStringLiteral("1000");
    job.audioBitrate = QStringLiteral("192");
    return job;
}

} // namespace veltrix::test
