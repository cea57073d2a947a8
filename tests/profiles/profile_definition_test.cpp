#include "profiles/profile_definition.h"

#include <gtest/gtest.h>

namespace {

// The lists and the active profile after a sequence of (id, size line, rate
// line) blocks, each applied with the display name of its id.
struct Loaded {
    QualityLists lists = initialQualityLists();
    TActiveProfile active;
};

Loaded load(std::initializer_list<std::tuple<int, const char *, const char *>> blocks, bool dvdMode = false)
{
    Loaded result;
    for (const auto &[id, sizeLine, rateLine] : blocks) {
        if (const auto name = displayName(id))
            result.active.displayName = *name;
        applyProfileBlock({QString::fromLatin1(sizeLine), QString::fromLatin1(rateLine), QStringLiteral(" -t")}, id,
                          dvdMode, result.lists, result.active);
    }
    return result;
}

QStringList withQuality(const QStringList &extra)
{
    return qualityEntries() + extra;
}

TEST(SizeStep, EntriesFromTheSizeLine)
{
    struct Case {
        int id;
        const char *line;
        QStringList entries;
        int selected;
    };
    const Case cases[] = {
        {2, "320x240 640x480 x", {"320x240", "640x480", kOriginalSize}, -1},
        {2, "320x240  640x480", {"320x240"}, -1}, // one entry: no source size
        {2, " 320x240 640x480", {kNoVideo}, 0},
        {17, "*", {kNoVideo}, 0},
        {27, "320x240(iPod) 640x480", {"320x240(iPod)", "640x480"}, -1}, // device preset
        {4, "320x240 640x480", {"320x240", "640x480"}, -1},              // ".mp4"
        {110, "a1 b2", {"a1", "b2", kOriginalSize}, -1},
        {115, "a1 b2", {"a1", "b2"}, -1}, // above 111
        {123, "a1 b2", {"a1", "b2"}, -1},
        {112, "a1 b2", {kPal, kNtsc}, -1},
        {114, "", {kPal, kNtsc}, -1},
    };
    for (const Case &c : cases) {
        ChoiceList size;
        size.selected = 0;
        applySizeLine(size, c.id, outputExtension(displayName(c.id).value_or(QString())), QString::fromLatin1(c.line));
        EXPECT_EQ(size.entries, c.entries) << c.id << " " << c.line;
        EXPECT_EQ(size.selected, c.selected) << c.id << " " << c.line;
    }
}

TEST(RateStep, FillsTheRateTextsFromLowestToHighestQuality)
{
    const Loaded five = load({{2, "a1 b2", "200 400 600 800 1000"}});
    EXPECT_EQ(five.active.rateTexts, (std::array<QString, 5>{"1000", "800", "600", "400", "200"}));

    const Loaded three = load({{2, "a1 b2", "200 400 600 800 1000"}, {27, "a1", "11 22 33"}});
    EXPECT_EQ(three.active.rateTexts, (std::array<QString, 5>{"1000", "800", "33", "22", "11"}));

    // Tokens beyond the fifth are ignored.
    const Loaded seven = load({{27, "a1", "10 20 30 40 50 60 70"}});
    EXPECT_EQ(seven.active.rateTexts, (std::array<QString, 5>{"50", "40", "30", "20", "10"}));
}

TEST(RateStep, AProfileWithoutVideoAddsNoVideoOnceAndAVideoProfileRemovesIt)
{
    const Loaded audio = load({{27, "a1", "10 20 30 40 50"}, {17, "*", "*"}, {18, "*", "*"}});
    EXPECT_EQ(audio.lists.size.entries, QStringList{kNoVideo});
    EXPECT_FALSE(audio.lists.size.enabled);
    EXPECT_EQ(audio.lists.videoQuality.entries, withQuality({kNoVideo}));
    EXPECT_EQ(audio.lists.videoQuality.selectedText(), kNoVideo);
    EXPECT_FALSE(audio.lists.videoQuality.enabled);
    EXPECT_EQ(audio.active.rateTexts[0], "*");
    EXPECT_TRUE(audio.lists.audioQuality.enabled && audio.lists.channel.enabled);

    const Loaded back = load({{17, "*", "*"}, {27, "a1", "10 20 30 40 50"}});
    EXPECT_EQ(back.lists.videoQuality.entries, qualityEntries());
    EXPECT_EQ(back.lists.videoQuality.selected, -1);
    EXPECT_TRUE(back.lists.size.enabled && back.lists.videoQuality.enabled);
    EXPECT_EQ(back.active.rateTexts[0], "50");
}

TEST(RateStep, AStarRateLineWithSeveralSizesChangesNoRateText)
{
    const Loaded loaded = load({{27, "a1", "10 20 30 40 50"}, {28, "a1 b2", "*"}});
    EXPECT_EQ(loaded.active.rateTexts, (std::array<QString, 5>{"50", "40", "30", "20", "10"}));
    EXPECT_TRUE(loaded.lists.size.enabled && loaded.lists.videoQuality.enabled);
    EXPECT_EQ(loaded.lists.videoQuality.entries, qualityEntries());
}

TEST(RateStep, DiscTargetsDisableTheQualityListsAndIgnoreTheLine)
{
    for (const int id : {112, 113, 114}) {
        const Loaded loaded = load({{27, "a1", "10 20 30 40 50"}, {17, "*", "*"}, {id, "x1 y2", "9 9 9 9 9"}});
        EXPECT_EQ(loaded.lists.size.entries, (QStringList{kPal, kNtsc})) << id;
        EXPECT_TRUE(loaded.lists.size.enabled) << id;
        EXPECT_FALSE(loaded.lists.videoQuality.enabled || loaded.lists.audioQuality.enabled
                     || loaded.lists.channel.enabled)
            << id;
        EXPECT_EQ(loaded.active.rateTexts[1], "40") << id;
    }
}

TEST(RateStep, SourceQualityEntries)
{
    struct Case {
        const char *what;
        Loaded loaded;
        QStringList video, audio;
    };
    const Case cases[] = {
        {"general format", load({{2, "a1 b2", "10 20 30 40 50"}}), withQuality({kOriginalVideoQuality}),
         withQuality({kOriginalAudioQuality})},
        {"id 123 is .MP4, not .mp4", load({{123, "a1 b2", "10 20 30 40 50"}}), withQuality({kOriginalVideoQuality}),
         withQuality({kOriginalAudioQuality})},
        {".mp4 withdraws them", load({{2, "a1 b2", "10 20 30 40 50"}, {4, "a1 b2", "10 20 30 40 50"}}),
         qualityEntries(), qualityEntries()},
        {"device presets keep them", load({{2, "a1 b2", "10 20 30 40 50"}, {27, "a1", "10 20 30 40 50"}}),
         withQuality({kOriginalVideoQuality}), withQuality({kOriginalAudioQuality})},
        {"added once after No Video",
         load({{2, "a1 b2", "10 20 30 40 50"}, {17, "*", "*"}, {3, "a1 b2", "10 20 30 40 50"}}),
         withQuality({kOriginalVideoQuality}), withQuality({kOriginalAudioQuality})},
        {".mp4 after No Video keeps the one before it",
         load({{2, "a1 b2", "10 20 30 40 50"}, {17, "*", "*"}, {4, "a1 b2", "10 20 30 40 50"}}),
         withQuality({kOriginalVideoQuality}), qualityEntries()},
        {"DVD mode adds none", load({{2, "a1 b2", "10 20 30 40 50"}}, true), qualityEntries(), qualityEntries()},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(c.loaded.lists.videoQuality.entries, c.video) << c.what;
        EXPECT_EQ(c.loaded.lists.audioQuality.entries, c.audio) << c.what;
    }
    EXPECT_EQ(load({{2, "a1 b2", "10 20 30 40 50"}}, true).lists.size.lastEntry(), kOriginalSize);
}

TEST(ProfileBlock, MissingLinesKeepWhatTheySet)
{
    Loaded loaded = load({{27, "a1 b2", "10 20 30 40 50"}});
    applyProfileBlock({QStringLiteral("z9"), std::nullopt, std::nullopt}, 28, false, loaded.lists, loaded.active);
    EXPECT_EQ(loaded.lists.size.entries, QStringList{"z9"});
    EXPECT_EQ(loaded.active.rateTexts[0], "50");
    EXPECT_EQ(loaded.active.argumentTemplate, " -t");
}

} // namespace
