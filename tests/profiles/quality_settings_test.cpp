#include "profiles/quality_settings.h"
#include "settings_folder.h"

#include <QDir>
#include <filesystem>
#include <gtest/gtest.h>

using namespace veltrix::test;

namespace {

const QString kSettingsName = QStringLiteral("veltrix-video-converter.ini");
const std::string kQualityFile = "pro veltrix-video-converter.ini";
constexpr int kNormal = 2;

// Lists as the block of a general non-".mp4" profile leaves them: six sizes
// with the source size, and the source-quality entries.
QualityLists generalLists()
{
    QualityLists lists = initialQualityLists();
    lists.size.entries = {"a1", "b2", "c3", "d4", "e5", kOriginalSize};
    lists.videoQuality.append(kOriginalVideoQuality);
    lists.audioQuality.append(kOriginalAudioQuality);
    return lists;
}

std::array<int, 4> positions(const QualityLists &lists)
{
    return {lists.size.selected, lists.videoQuality.selected, lists.audioQuality.selected, lists.channel.selected};
}

TEST(QualityDefaults, SetsAAndB)
{
    struct Case {
        int id;
        std::optional<QualityDefaults> a, b;
    };
    const Case cases[] = {
        {1, QualityDefaults{0, 5, 5, 1}, QualityDefaults{0, 2, 2, 1}},
        {4, QualityDefaults{5, 5, 5, 1}, QualityDefaults{2, 2, 2, 1}},
        {17, QualityDefaults{std::nullopt, std::nullopt, 2, 1}, QualityDefaults{std::nullopt, std::nullopt, 2, 1}},
        {61, QualityDefaults{2, 2, 2, 1}, QualityDefaults{2, 2, 2, 1}},
        {118, QualityDefaults{5, 2, 2, 1}, QualityDefaults{2, 2, 2, 1}},
        {131, QualityDefaults{4, 2, 2, 1}, std::nullopt},
        {26, std::nullopt, std::nullopt},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(qualityDefaults(c.id, false), c.a) << c.id;
        EXPECT_EQ(qualityDefaults(c.id, true), c.b) << c.id;
    }
    int withDefaults = 0;
    for (int id = 1; id <= 132; ++id)
        withDefaults += qualityDefaults(id, false).has_value();
    EXPECT_EQ(withDefaults, 120);
    for (const auto &[id, saved] : {std::pair{1, true},
                                    {17, true},
                                    {33, false},
                                    {40, false},
                                    {45, false},
                                    {59, false},
                                    {71, true},
                                    {131, false},
                                    {26, false},
                                    {0, false}})
        EXPECT_EQ(isSavedProfile(id), saved) << id;
}

TEST(QualitySettingsStore, FirstStartOnAudioProfileSelectsNormalAndStereoAndWritesNothing)
{
    ScopedSettingsFolder settings;
    QualitySettingsStore store(kSettingsName, false);
    EXPECT_EQ(store.path(), QString::fromStdString(settings.file(kQualityFile)));
    QualityLists lists = initialQualityLists();
    lists.channel.selected = 0;
    store.apply(17, lists);
    EXPECT_EQ(lists.audioQuality.selectedText(), "Normal");
    EXPECT_EQ(lists.channel.selectedText(), "Stereo");
    EXPECT_FALSE(std::filesystem::exists(settings.file(kQualityFile)));
}

TEST(QualitySettingsStore, Id1DefaultsInAndOutOfDvdMode)
{
    ScopedSettingsFolder settings;
    for (const auto &[dvdMode, expected] : {std::pair{false, std::array{0, 5, 5, 1}}, {true, std::array{0, 2, 2, 1}}}) {
        QualityLists lists = generalLists();
        QualitySettingsStore(kSettingsName, dvdMode).apply(1, lists);
        EXPECT_EQ(positions(lists), expected) << dvdMode;
    }
}

TEST(QualitySettingsStore, SavesTheRowsKeysAndRestoresThem)
{
    ScopedSettingsFolder settings;
    QualitySettingsStore store(kSettingsName, false);
    QualityLists lists = generalLists();
    lists.size.selected = 3;
    lists.videoQuality.selected = 1;
    lists.audioQuality.selected = 4;
    lists.channel.selected = 0;
    store.save(17, lists);
    store.save(108, lists);
    store.save(33, lists); // no save entry
    const std::string written = readFile(settings.file(kQualityFile));
    EXPECT_EQ(written.find("[33]"), std::string::npos);
    const auto section = [&](const std::string &name) {
        const auto start = written.find("[" + name + "]");
        return start == std::string::npos ? std::string()
                                          : written.substr(start, written.find("\n[", start + 1) - start);
    };
    // Audio-only profiles keep two keys, the others all four, spelt exactly so.
    for (const auto &[name, keys] : {std::pair{"17", std::vector<std::string>{"audio bitrate", "Channel"}},
                                     {"108", {"size", "video bitrate", "audio bitrate", "Channel"}}}) {
        std::vector<std::string> found;
        for (const char *key : {"size", "video bitrate", "audio bitrate", "Channel"})
            if (section(name).find(std::string("\n") + key) != std::string::npos)
                found.push_back(key);
        EXPECT_EQ(found, keys) << written;
    }
    IniFile file(QString::fromStdString(settings.file(kQualityFile)));
    EXPECT_EQ(file.readInteger("17", kAudioBitrateKey, -9), 4);
    EXPECT_EQ(file.readInteger("108", kSizeKey, -9), 3);

    QualityLists restored = generalLists();
    QualitySettingsStore(kSettingsName, false).apply(108, restored);
    EXPECT_EQ(positions(restored), positions(lists));
}

TEST(QualitySettingsStore, PositionsTheListsDoNotOfferReadAsNothingSelectedAndSaveAsMinusOne)
{
    ScopedSettingsFolder settings;
    std::filesystem::create_directories(settings.veltrixFolder());
    writeFile(settings.file(kQualityFile),
              "[4]\nsize=9\nvideo bitrate=5\naudio bitrate=1\nChannel=0\n[17]\naudio bitrate=two\nChannel=0\n");
    QualitySettingsStore store(kSettingsName, false);
    QualityLists lists = initialQualityLists(); // ".mp4": no source-quality entries
    lists.size.entries = {"a1", "b2"};
    store.apply(4, lists);
    EXPECT_EQ(positions(lists), (std::array{-1, -1, 1, 0}));
    QualityLists audio = initialQualityLists();
    store.apply(17, audio); // a value that is no integer reads as the default
    EXPECT_EQ(audio.audioQuality.selected, kNormal);
    EXPECT_EQ(audio.channel.selected, 0);
    store.save(4, lists);
    IniFile file(QString::fromStdString(settings.file(kQualityFile)));
    EXPECT_EQ(file.readInteger("4", kSizeKey, 0), -1);
    EXPECT_EQ(file.readInteger("4", kVideoBitrateKey, 0), -1);
}

TEST(QualitySettingsStore, AFailedWriteRaisesAnErrorNamingTheFile)
{
    ScopedSettingsFolder settings;
    writeFile(settings.veltrixFolder(), "a file where the folder should be");
    QualitySettingsStore store(kSettingsName, false);
    try {
        store.save(17, initialQualityLists());
        FAIL() << "no error";
    } catch (const QualitySettingsWriteError &error) {
        const QString message = QString::fromUtf8(error.what());
        EXPECT_TRUE(message.startsWith("Unable to write to " + QDir::toNativeSeparators(store.path()))) << error.what();
    }
}

} // namespace
