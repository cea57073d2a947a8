#pragma once
// Profile choices read from the shipped profiles.pop, and IFO contents
// written by hand, for the DVD tests.

#include "dvd/ifo_contents.h"
#include "jobs/profile_choices.h"
#include "profiles/catalogue.h"
#include "profiles/profile_definition.h"

#include <QString>
#include <string>

namespace veltrix::test {

inline const int kDivxProfile = 2; // "AVI-DivX Movie(*.avi)"
inline const int kMp3Profile = 17; // "MP3-MPEG Layer-3Audio(*.mp3)", template " -vn -acodec libmp3lame"

// The choices of a profile in the DVD edition: the first size, "Normal"
// video and audio quality, "Stereo".
inline ProfileChoices dvdChoices(int id)
{
    TActiveProfile active;
    active.displayName = displayName(id).value_or(QString());
    QualityLists lists = initialQualityLists();
    applyProfileBlock(readProfileBlock(QStringLiteral(VELTRIX_BIN_DIR), id), id, true, lists, active);
    lists.size.select(0);
    lists.videoQuality.select(2);
    lists.audioQuality.select(2);
    lists.channel.select(1);
    ProfileChoices choices;
    choices.profileId = id;
    choices.extension = active.outputExtension();
    choices.rateTexts = active.rateTexts;
    choices.argumentTemplate = active.argumentTemplate;
    choices.lists = lists;
    choices.fileMode = false;
    return choices;
}

inline ifolib::CellRecord cell(quint32 first, quint32 last, int seconds)
{
    ifolib::CellRecord c;
    c.firstSector = first;
    c.lastSector = last;
    c.minutes = static_cast<quint8>(seconds / 60);
    c.seconds = static_cast<quint8>(seconds % 60);
    return c;
}

// A title of the given cells; its time is their sum unless given.
inline IfoTitle title(std::vector<ifolib::CellRecord> cells, int seconds = -1)
{
    IfoTitle t;
    if (seconds < 0) {
        seconds = 0;
        for (const auto &c : cells)
            seconds += secondsOf(c);
    }
    t.time.hours = static_cast<quint8>(seconds / 3600);
    t.time.minutes = static_cast<quint8>(seconds / 60 % 60);
    t.time.seconds = static_cast<quint8>(seconds % 60);
    t.cells = std::move(cells);
    return t;
}

inline QString qs(const std::string &text)
{
    return QString::fromStdString(text);
}

} // namespace veltrix::test
