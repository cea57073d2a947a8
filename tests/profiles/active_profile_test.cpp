#include "profiles/active_profile.h"
#include "profiles/profile_file.h"
#include "profiles/quality_settings.h"
#include "settings_folder.h"
#include "windows/tfm_set.h"

#include "platform/picture/picture_file.h"
#include <QComboBox>
#include <QDir>
#include <filesystem>
#include <gtest/gtest.h>

using namespace veltrix::test;

namespace {

// A profiles.pop whose block N offers the sizes "<N>x1".."<N>x5", the rates
// 10 20 30 40 N0 and the template " -t<N>"; audio-only ids have no video.
std::string numberedProfileFile()
{
    std::string text;
    for (int id = 1; id <= 132; ++id) {
        const std::string n = std::to_string(id);
        const bool audio = isAudioOnly(id);
        text += "[" + n + "]\n";
        text += audio ? "*\n" : n + "x1 " + n + "x2 " + n + "x3 " + n + "x4 " + n + "x5\n";
        text += audio ? "*\n" : "10 20 30 40 " + n + "0\n";
        text += " -t" + n + "\n";
    }
    return text;
}

// The active profile over a numbered profiles.pop, shown in a Settings
// dialog; every label change and change of the profile is recorded.
class ActiveProfileTest : public ::testing::Test {
protected:
    ActiveProfileTest()
    {
        writeFile(m_folder.file("profiles.pop"), numberedProfileFile());
        // The profile field's pictures, which the sequence loads first.
        std::filesystem::copy(VELTRIX_BIN_DIR "/images", m_folder.file("images"),
                              std::filesystem::copy_options::recursive);
    }

    ActiveProfile &selection(bool dvdMode = false)
    {
        m_profile.openSettings(QStringLiteral("veltrix-video-converter.ini"), dvdMode);
        QObject::connect(&m_profile, &ActiveProfile::labelChanged,
                         [this] { m_calls << "name " + m_profile.definition().displayName; });
        QObject::connect(&m_profile, &ActiveProfile::changed, [this] { m_calls << QStringLiteral("changed"); });
        return m_profile;
    }

    QComboBox *list(const char *name) { return m_dialog.findChild<QComboBox *>(name); }
    std::string qualityFile() const { return m_settings.file("pro veltrix-video-converter.ini"); }

    ScopedSettingsFolder m_settings;
    TempDir m_folder;
    ActiveProfile m_profile{QString::fromStdString(m_folder.path())};
    Tfm_set m_dialog{m_profile};
    QStringList m_calls;
};

TEST_F(ActiveProfileTest, RunsTheStepsInOrder)
{
    ActiveProfile &select = selection();
    ASSERT_TRUE(select.select(2));
    EXPECT_EQ(m_calls, (QStringList{"name AVI-DivX Movie(*.avi)", "changed"}));
    const QImage film = readPicture(QString::fromStdString(m_folder.file("images/main/2-film.bmp")));
    EXPECT_EQ(select.icon().convertToFormat(film.format()), film);
    EXPECT_EQ(select.loadedProfileId(), 2);
    EXPECT_EQ(select.definition().argumentTemplate, " -t2");
    EXPECT_EQ(select.definition().rateTexts[0], "20");
    EXPECT_EQ(list("cb_size")->currentIndex(), 4); // default size position of id 2
    EXPECT_EQ(list("cb_videobitrate")->currentText(), kOriginalVideoQuality);
    EXPECT_EQ(select.currentProfileId(), -1); // set by the picker and the start-up, not here
}

TEST_F(ActiveProfileTest, SelectingId6AfterId13KeepsTheNameLoadsBlock6AndSaves13)
{
    ActiveProfile &select = selection();
    select.select(13);
    list("cb_size")->setCurrentIndex(1);
    select.select(6);
    EXPECT_EQ(select.definition().displayName, "RM-Real Video(*.rm)");
    EXPECT_EQ(select.definition().argumentTemplate, " -t6");
    EXPECT_EQ(list("cb_size")->itemText(0), "6x1");
    IniFile file(QString::fromStdString(qualityFile()));
    EXPECT_EQ(file.readInteger("13", kSizeKey, -9), 1);
    EXPECT_EQ(file.readInteger("6", kSizeKey, -9), -9);
}

TEST_F(ActiveProfileTest, Switching17To18To17WritesOnlyTheAudioKeysAndRestoresThem)
{
    std::filesystem::copy_file(VELTRIX_BIN_DIR "/profiles.pop", m_folder.file("profiles.pop"),
                               std::filesystem::copy_options::overwrite_existing);
    ActiveProfile &select = selection();
    select.select(17);
    EXPECT_FALSE(std::filesystem::exists(qualityFile()));
    EXPECT_EQ(list("cb_audiobitrate")->currentText(), "Normal");
    EXPECT_EQ(list("cb_channel")->currentText(), "Stereo");
    list("cb_audiobitrate")->setCurrentIndex(0);
    list("cb_channel")->setCurrentIndex(0);
    select.select(18);
    const std::string written = readFile(qualityFile());
    EXPECT_NE(written.find("[17]"), std::string::npos);
    EXPECT_EQ(written.find("size"), std::string::npos) << written;
    EXPECT_EQ(written.find("video bitrate"), std::string::npos) << written;
    EXPECT_EQ(list("cb_audiobitrate")->currentText(), "Normal");
    select.select(17);
    EXPECT_EQ(list("cb_audiobitrate")->currentText(), "Higher Quality");
    EXPECT_EQ(list("cb_channel")->currentText(), "Mono");
}

TEST_F(ActiveProfileTest, AMissingProfileFileLeavesTheProfileAsItWas)
{
    ActiveProfile &select = selection();
    select.select(2);
    const TActiveProfile before = select.definition();
    const QualityLists lists = m_dialog.qualityLists();
    std::filesystem::remove(m_folder.file("profiles.pop"));
    m_calls.clear();
    EXPECT_THROW(select.select(27), ProfileFileError);
    EXPECT_EQ(m_dialog.qualityLists(), lists);
    EXPECT_EQ(select.definition().rateTexts, before.rateTexts);
    EXPECT_EQ(select.definition().argumentTemplate, before.argumentTemplate);
    EXPECT_EQ(select.definition().loadedProfileId, 2);
    EXPECT_EQ(select.definition().displayName, *displayName(27)); // steps 1 to 3 were done
    EXPECT_EQ(m_calls, QStringList{"name " + *displayName(27)});
}

TEST_F(ActiveProfileTest, AMissingPictureEndsTheSequenceAtOnce)
{
    ActiveProfile &select = selection();
    std::filesystem::remove(m_folder.file("images/main/2.bmp"));
    EXPECT_THROW(select.select(17), PictureFileError);
    EXPECT_TRUE(m_calls.isEmpty());
    EXPECT_EQ(select.loadedProfileId(), 0);
}

TEST_F(ActiveProfileTest, IdsWithoutCatalogueEntryAreNotSelected)
{
    ActiveProfile &select = selection();
    select.select(25);
    m_calls.clear();
    for (const int id : {26, 0, 140, kLastProfileId + 1, -1})
        EXPECT_FALSE(select.select(id)) << id;
    EXPECT_TRUE(m_calls.isEmpty());
    EXPECT_EQ(select.definition().loadedProfileId, 25);
    EXPECT_EQ(select.definition().displayName, *displayName(25));
}

TEST_F(ActiveProfileTest, DvdModeUsesSetBAndOffersNoSourceQuality)
{
    ActiveProfile &select = selection(true);
    select.select(1);
    EXPECT_EQ(list("cb_videobitrate")->count(), 5);
    EXPECT_EQ(list("cb_videobitrate")->currentText(), "Normal");
    EXPECT_EQ(list("cb_size")->currentIndex(), 0);
    EXPECT_EQ(list("cb_size")->itemText(list("cb_size")->count() - 1), kOriginalSize);
}

} // namespace
