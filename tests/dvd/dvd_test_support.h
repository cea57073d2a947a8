#pragma once
// Profile choices read from the shipped profiles.pop, for the DVD tests.

#include "profiles/catalogue.h"
#include "profiles/profile_choices.h"
#include "profiles/profile_definition.h"

#include <QString>
#include <string>

namespace veltrix::test {

inline const int kDivxProfile = 2; // "AVI-DivX Movie(*.avi)", first size 320x240
inline const int kMp3Profile = 17; // "MP3-MPEG Layer-3Audio(*.mp3)", template " -vn -acodec libmp3lame"

// The choices of a profile in the DVD edition: the size at `size`, "Normal"
// video and audio quality, "Stereo".
inline ProfileChoices dvdChoices(int id, int size = 0)
{
    TActiveProfile active;
    active.displayName = displayName(id).value_or(QString());
    QualityLists lists = initialQualityLists();
    applyProfileBlock(readProfileBlock(QStringLiteral(VELTRIX_BIN_DIR), id), id, true, lists, active);
    lists.size.select(size);
    lists.videoQuality.select(2);
    lists.audioQuality.select(2);
    lists.channel.select(1);
    return resolveChoices({id, active.outputExtension(), active.rateTexts, active.argumentTemplate}, lists, false);
}

inline QString qs(const std::string &text)
{
    return QString::fromStdString(text);
}

} // namespace veltrix::test
