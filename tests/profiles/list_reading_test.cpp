#include "profiles/list_reading.h"

#include <gtest/gtest.h>

namespace {

ChoiceList list(QStringList entries, int selected)
{
    return {std::move(entries), selected, true};
}

TEST(ListReading, QualityChoice)
{
    const QStringList withSource = qualityEntries() << kOriginalVideoQuality;
    const std::tuple<const char *, ChoiceList, QualityChoice> cases[] = {
        {"Higher Quality", list(qualityEntries(), 0), {false, 0}},
        {"Lower Quality", list(qualityEntries(), 4), {false, 4}},
        {"nothing selected", list(qualityEntries(), -1), {false, kNormalPosition}},
        {"source entry", list(withSource, 5), {true, kNormalPosition}},
        {"audio source entry", list(qualityEntries() << kOriginalAudioQuality, 5), {true, kNormalPosition}},
        {"No Video", list(qualityEntries() << kNoVideo, 5), {false, kNormalPosition}},
        {"last entry that is no source entry", list(qualityEntries(), 4), {false, 4}},
    };
    for (const auto &[what, choices, expected] : cases)
        EXPECT_EQ(readQualityChoice(choices), expected) << what;
}

TEST(ListReading, SizeChoice)
{
    using Kind = SizeChoice::Kind;
    const QStringList sizes = {"320x240", "640x480(VGA)"};
    const std::tuple<const char *, ChoiceList, bool, SizeChoice> cases[] = {
        {"chosen size", list(sizes, 1), false, {Kind::Frame, {640, 480}}},
        {"height that does not read", list({"640xbig"}, 0), false, {Kind::Frame, {640, std::nullopt}}},
        {"source size", list({"320x240", kOriginalSize}, 1), false, {Kind::Source}},
        {"TV standard", list({kPal, kNtsc}, 1), true, {Kind::Standard, {}, "ntsc"}},
    };
    for (const auto &[what, choices, disc, expected] : cases)
        EXPECT_EQ(readSizeChoice(choices, disc), expected) << what;
}

TEST(ListReading, ChannelCount)
{
    for (const auto &[selected, count] : {std::pair{0, 1}, {1, 2}, {-1, 2}})
        EXPECT_EQ(readChannelCount(list(channelEntries(), selected)), count) << selected;
}

} // namespace
