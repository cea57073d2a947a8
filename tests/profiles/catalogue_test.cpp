#include "profiles/catalogue.h"

#include <gtest/gtest.h>

namespace {

TEST(Catalogue, HoldsOneHundredThirtyNamesAndFourteenBlankPositions)
{
    const std::vector<int> blanks = {26, 52, 67, 74, 82, 90, 98, 101, 109, 117, 124, 132, 140, 144};
    int named = 0;
    for (int id = kFirstProfileId; id <= kLastProfileId; ++id) {
        const bool blank = std::find(blanks.begin(), blanks.end(), id) != blanks.end();
        EXPECT_EQ(displayName(id).has_value(), !blank) << id;
        if (const auto name = displayName(id)) {
            ++named;
            EXPECT_TRUE(name->endsWith(u')') && name->contains(u"(*.")) << id;
        }
    }
    EXPECT_EQ(named, 130);
    EXPECT_FALSE(displayName(0));
    EXPECT_FALSE(displayName(kLastProfileId + 1));
}

TEST(Catalogue, KeepsTheNamesExactly)
{
    const std::pair<int, QString> cases[] = {
        {16, QStringLiteral("AC3-Dolby Dingtal AC-3(*.ac3)")},
        {17, QStringLiteral("MP3-MPEG Layer-3Audio(*.mp3)")},
        {19, QStringLiteral("RA-Real Auido(*.ra)")},
        {27, QString::fromUtf8("iPod(320\u00d7240)MPEG-4 Codec(*.mp4)")},
        {50, QString::fromUtf8("Apple TV h264 720P(1280\u00d7720)(*.mp4)")},
        {78, QStringLiteral("HP iPAQ hx2000/rx3000/rx1900 series Video(*.wmv)")},
        {123, QStringLiteral("MP4 - H.264 Video Excellent(*.MP4)")},
    };
    for (const auto &[id, name] : cases)
        EXPECT_EQ(displayName(id), name) << id;
    EXPECT_EQ(displayName(27)->at(8), QChar(0x00d7)); // "iPod(320×240)..."
    for (const auto &[a, b] :
         {std::pair{13, 6}, {14, 7}, {68, 8}, {69, 9}, {80, 21}, {81, 7}, {99, 11}, {100, 12}, {116, 95}})
        EXPECT_EQ(displayName(a), displayName(b)) << a;
}

TEST(Catalogue, OutputExtensionIsTheTextAfterTheStar)
{
    const std::pair<int, const char *> cases[] = {{1, ".asf"},   {53, ".MP4"}, {66, ".mpeg"}, {22, ".aiff"},
                                                  {123, ".MP4"}, {71, ".amr"}, {95, ".ts"}};
    for (const auto &[id, extension] : cases)
        EXPECT_EQ(outputExtension(*displayName(id)), extension) << id;
    EXPECT_EQ(outputExtension(QString()), QString());
    EXPECT_EQ(outputExtension(QStringLiteral("no star")), QString());
}

TEST(Catalogue, GroupsCoverEveryPositionInOrder)
{
    int next = kFirstProfileId;
    for (const ProfileGroup &group : profileGroups()) {
        EXPECT_EQ(group.firstId, next) << group.panel.toString().toStdString();
        next = group.lastId + 1;
    }
    EXPECT_EQ(next, kLastProfileId + 1);
    EXPECT_EQ(groupOf(17)->panel, u"pl_audio1");
    EXPECT_EQ(groupOf(132)->panel, u"pl_mkv");
    EXPECT_FALSE(groupOf(0));
}

TEST(Catalogue, IdRanges)
{
    struct Case {
        int id;
        bool general, rateTexts, originalSize, disc, audioOnly;
    };
    const Case cases[] = {
        {1, true, false, true, false, false},    {14, true, false, true, false, false},
        {15, false, true, false, false, true},   {33, false, true, false, false, true},
        {34, false, true, false, false, false},  {71, false, true, false, false, true},
        {101, false, true, false, false, false}, {102, true, false, true, false, false},
        {111, true, false, true, false, false},  {112, true, false, false, true, false},
        {114, true, false, false, true, false},  {115, true, false, false, false, false},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(isGeneralFormat(c.id), c.general) << c.id;
        EXPECT_EQ(usesRateTexts(c.id), c.rateTexts) << c.id;
        EXPECT_EQ(mayOfferOriginalSize(c.id), c.originalSize) << c.id;
        EXPECT_EQ(isDiscTarget(c.id), c.disc) << c.id;
        EXPECT_EQ(isAudioOnly(c.id), c.audioOnly) << c.id;
    }
}

// Audio-only device presets show a sound, HD and container groups a film.
TEST(Catalogue, KindOfEachProfile)
{
    const std::pair<int, ProfileKind> cases[] = {
        {1, ProfileKind::Film},    {14, ProfileKind::Film},  {15, ProfileKind::Sound},  {25, ProfileKind::Sound},
        {27, ProfileKind::Device}, {33, ProfileKind::Sound}, {59, ProfileKind::Sound},  {66, ProfileKind::Device},
        {71, ProfileKind::Sound},  {80, ProfileKind::Sound}, {89, ProfileKind::Device}, {91, ProfileKind::Film},
        {100, ProfileKind::Film},  {114, ProfileKind::Film}, {131, ProfileKind::Film},
    };
    for (const auto &[id, kind] : cases)
        EXPECT_EQ(profileKind(id), kind) << id;
}

} // namespace
