#pragma once
// Profile choices for the estimate and piece tests, written the way the
// Settings dialog's lists look for a profile.

#include "jobs/job_records.h"
#include "profiles/profile_choices.h"

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
    ProfileChoices choices;
    choices.profileId = plan.id;
    choices.extension = plan.extension;
    choices.rateTexts = plan.rateTexts;
    choices.argumentTemplate = QStringLiteral(" -template");
    choices.lists.size = plan.size;
    choices.lists.videoQuality = plan.video;
    choices.lists.audioQuality = plan.audio;
    choices.lists.channel = listOf(channelEntries(), plan.channel);
    choices.fileMode = plan.fileMode;
    choices.pictureFit = PictureFit::Stretch; // no filters: the pieces as the rules give them
    return choices;
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
