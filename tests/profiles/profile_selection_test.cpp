#include "profiles/profile_file.h"
#include "profiles/profile_selection.h"
#include "profiles/quality_settings.h"
#include "profiles/tfm_set.h"
#include "settings_folder.h"

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

class ProfileSelectionTest : public ::testing::Test {
protected:
    ProfileSelectionTest() { writeFile(m_folder.file("profiles.pop"), numberedProfileFile()); }

    ProfileSelection &selection(bool dvdMode = false)
    {
        m_store.emplace(QStringLiteral("veltrix-video-converter.ini"), dvdMode);
        ProfileSelectionHooks hooks{
            [this](const QString &path) { m_calls << "icon " + path; },
            [this](const QString &name) { m_calls << "name " + name; },
            [this] { return m_dialog.qualityLists(); },
            [this](const QualityLists &lists) { m_dialog.setQualityLists(lists); },
            [this] { m_calls << QStringLiteral("recompute"); },
        };
        m_selection.emplace(QString::fromStdString(m_folder.path()), dvdMode, *m_store, hooks);
        return *m_selection;
    }

    QComboBox *list(const char *name) { return m_dialog.findChild<QComboBox *>(name); }
    std::string qualityFile() const { return m_settings.file("pro veltrix-video-converter.ini"); }

    ScopedSettingsFolder m_settings;
    TempDir m_folder;
    Tfm_set m_dialog;
    QStringList m_calls;
    std::optional<QualitySettingsStore> m_store;
    std::optional<ProfileSelection> m_selection;
};

TEST_F(ProfileSelectionTest, RunsTheStepsInOrder)
{
    ProfileSelection &select = selection();
    ASSERT_TRUE(select.selectProfile(2));
    const QString icon = QDir(QString::fromStdString(m_folder.path())).filePath("images/main/2-film.bmp");
    EXPECT_EQ(m_calls, (QStringList{"icon " + icon, "name AVI-DivX Movie(*.avi)", "recompute"}));
    EXPECT_EQ(select.activeProfile().loadedProfileId, 2);
    EXPECT_EQ(select.activeProfile().argumentTemplate, " -t2");
    EXPECT_EQ(select.activeProfile().rateTexts[0], "20");
    EXPECT_EQ(list("cb_size")->currentIndex(), 4); // default size position of id 2
    EXPECT_EQ(list("cb_videobitrate")->currentText(), kOriginalVideoQuality);
    EXPECT_EQ(select.currentProfileId(), -1); // set by the picker and the start-up, not here
}

TEST_F(ProfileSelectionTest, SelectingId6AfterId13KeepsTheNameLoadsBlock6AndSaves13)
{
    ProfileSelection &select = selection();
    select.selectProfile(13);
    list("cb_size")->setCurrentIndex(1);
    select.selectProfile(6);
    EXPECT_EQ(select.activeProfile().displayName, "RM-Real Video(*.rm)");
    EXPECT_EQ(select.activeProfile().argumentTemplate, " -t6");
    EXPECT_EQ(list("cb_size")->itemText(0), "6x1");
    IniFile file(QString::fromStdString(qualityFile()));
    EXPECT_EQ(file.readInteger("13", kSizeKey, -9), 1);
    EXPECT_EQ(file.readInteger("6", kSizeKey, -9), -9);
}

TEST_F(ProfileSelectionTest, Switching17To18To17WritesOnlyTheAudioKeysAndRestoresThem)
{
    std::filesystem::copy_file(VELTRIX_BIN_DIR "/profiles.pop", m_folder.file("profiles.pop"),
                               std::filesystem::copy_options::overwrite_existing);
    ProfileSelection &select = selection();
    select.selectProfile(17);
    EXPECT_FALSE(std::filesystem::exists(qualityFile()));
    EXPECT_EQ(list("cb_audiobitrate")->currentText(), "Normal");
    EXPECT_EQ(list("cb_channel")->currentText(), "Stereo");
    list("cb_audiobitrate")->setCurrentIndex(0);
    list("cb_channel")->setCurrentIndex(0);
    select.selectProfile(18);
    const std::string written = readFile(qualityFile());
    EXPECT_NE(written.find("[17]"), std::string::npos);
    EXPECT_EQ(written.find("size"), std::string::npos) << written;
    EXPECT_EQ(written.find("video bitrate"), std::string::npos) << written;
    EXPECT_EQ(list("cb_audiobitrate")->currentText(), "Normal");
    select.selectProfile(17);
    EXPECT_EQ(list("cb_audiobitrate")->currentText(), "Higher Quality");
    EXPECT_EQ(list("cb_channel")->currentText(), "Mono");
}

TEST_F(ProfileSelectionTest, AMissingProfileFileLeavesTheProfileAsItWas)
{
    ProfileSelection &select = selection();
    select.selectProfile(2);
    const TActiveProfile before = select.activeProfile();
    const QualityLists lists = m_dialog.qualityLists();
    std::filesystem::remove(m_folder.file("profiles.pop"));
    m_calls.clear();
    EXPECT_THROW(select.selectProfile(27), ProfileFileError);
    EXPECT_EQ(m_dialog.qualityLists(), lists);
    EXPECT_EQ(select.activeProfile().rateTexts, before.rateTexts);
    EXPECT_EQ(select.activeProfile().argumentTemplate, before.argumentTemplate);
    EXPECT_EQ(select.activeProfile().loadedProfileId, 2);
    EXPECT_EQ(select.activeProfile().displayName, *displayName(27)); // steps 1 to 3 were done
    EXPECT_EQ(m_calls.size(), 2);
    EXPECT_FALSE(m_calls.contains("recompute"));
}

TEST_F(ProfileSelectionTest, AMissingPictureEndsTheSequenceAtOnce)
{
    ProfileSelection &select = selection();
    select.selectProfile(2);
    m_selection.reset();
    ProfileSelectionHooks hooks{
        [](const QString &path) { throw std::runtime_error("Cannot open file \"" + path.toStdString() + "\"."); },
        [this](const QString &name) { m_calls << name; },
        [this] { return m_dialog.qualityLists(); },
        [this](const QualityLists &lists) { m_dialog.setQualityLists(lists); },
        [] {},
    };
    ProfileSelection failing(QString::fromStdString(m_folder.path()), false, *m_store, hooks);
    m_calls.clear();
    EXPECT_THROW(failing.selectProfile(17), std::runtime_error);
    EXPECT_TRUE(m_calls.isEmpty());
    EXPECT_EQ(failing.activeProfile().loadedProfileId, 0);
}

TEST_F(ProfileSelectionTest, IdsWithoutCatalogueEntryAreNotSelected)
{
    ProfileSelection &select = selection();
    select.selectProfile(25);
    m_calls.clear();
    for (const int id : {26, 0, 133, -1})
        EXPECT_FALSE(select.selectProfile(id)) << id;
    EXPECT_TRUE(m_calls.isEmpty());
    EXPECT_EQ(select.activeProfile().loadedProfileId, 25);
    EXPECT_EQ(select.activeProfile().displayName, *displayName(25));
}

TEST_F(ProfileSelectionTest, DvdModeUsesSetBAndOffersNoSourceQuality)
{
    ProfileSelection &select = selection(true);
    select.selectProfile(1);
    EXPECT_EQ(list("cb_videobitrate")->count(), 5);
    EXPECT_EQ(list("cb_videobitrate")->currentText(), "Normal");
    EXPECT_EQ(list("cb_size")->currentIndex(), 0);
    EXPECT_EQ(list("cb_size")->itemText(list("cb_size")->count() - 1), kOriginalSize);
}

} // namespace
