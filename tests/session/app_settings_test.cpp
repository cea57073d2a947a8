// The application settings file: defaults, every key through a save and a
// load, malformed values, and a save that cannot write. That a write never
// leaves half a file is the INI service's own test (tests/platform/ini).

#include "media_fixtures.h"
#include "platform/ini/ini_file.h"
#include "session/app_settings.h"

#include <QDir>
#include <cstdlib>
#include <gtest/gtest.h>

using namespace veltrix::test;

namespace {

void expectEqual(const AppSettings &a, const AppSettings &b)
{
    EXPECT_EQ(a.videoPanel, b.videoPanel);
    EXPECT_EQ(a.audioPage, b.audioPage);
    EXPECT_EQ(a.outputPath, b.outputPath);
    EXPECT_EQ(a.categoryIndex, b.categoryIndex);
    EXPECT_EQ(a.profileId, b.profileId);
    EXPECT_EQ(a.finishAction, b.finishAction);
    EXPECT_EQ(a.keepShape, b.keepShape);
    EXPECT_EQ(a.keepTree, b.keepTree);
    EXPECT_EQ(a.namePattern, b.namePattern);
    EXPECT_EQ(a.jobsAtOnce, b.jobsAtOnce);
}

class AppSettingsTest : public ::testing::Test {
protected:
    void SetUp() override { ::setenv("XDG_CONFIG_HOME", config.path().c_str(), 1); }
    void TearDown() override { ::unsetenv("XDG_CONFIG_HOME"); }

    std::string settingsPath() const { return config.path() + "/veltrix/Conv 2.ini"; }

    TempDir config;
    AppSettings changed{false, false, "/home/me/My Video/out/", 4, 101, 2, false, true, "{artist}/{title}", {}, 1};
};

TEST_F(AppSettingsTest, NoFileGivesTheDefaults)
{
    const AppSettings loaded = loadAppSettings(IniFile("Conv 2.ini"), firstStartSettings(true));
    expectEqual(loaded, firstStartSettings(true));
    EXPECT_TRUE(loaded.videoPanel && loaded.audioPage);
    EXPECT_EQ(loaded.categoryIndex, 1);
    EXPECT_EQ(loaded.profileId, 17);
    EXPECT_EQ(loaded.finishAction, 0);
    EXPECT_TRUE(loaded.outputPath.endsWith('/'));
}

TEST_F(AppSettingsTest, EveryKeySurvivesASaveAndALoad)
{
    IniFile ini("Conv 2.ini");
    ASSERT_TRUE(saveAppSettings(ini, changed)) << ini.error().toStdString();
    expectEqual(loadAppSettings(IniFile("Conv 2.ini"), {}), changed);

    const std::string text = readFile(settingsPath());
    for (const char *line :
         {"[plane]", "\nvideo=0\n", "\naudio=0\n", "[output]", "\npath=/home/me/My Video/out/\n", "[profiles]",
          "\nselcetindex=4\n", "\nselcetsubindex=101\n", "\nFinishSelcet=2\n", "\nkeepshape=0\n", "\nkeepstructure=1\n",
          "\nnamepattern={artist}/{title}\n", "\nJobsAtOnce=1\n"})
        EXPECT_NE(text.find(line), std::string::npos) << line << " in\n" << text;
}

TEST_F(AppSettingsTest, MalformedNumbersReadAsTheDefaults)
{
    QDir().mkpath(QString::fromStdString(config.path() + "/veltrix"));
    writeFile(settingsPath(), "[plane]\nvideo=no\naudio=\n[profiles]\nselcetindex=abc\nselcetsubindex=12x\n"
                              "FinishSelcet=\n[output]\npath=/music/\n");
    const AppSettings defaults = firstStartSettings(true);
    const AppSettings loaded = loadAppSettings(IniFile("Conv 2.ini"), defaults);
    EXPECT_EQ(loaded.videoPanel, defaults.videoPanel);
    EXPECT_EQ(loaded.audioPage, defaults.audioPage);
    EXPECT_EQ(loaded.categoryIndex, defaults.categoryIndex);
    EXPECT_EQ(loaded.profileId, defaults.profileId);
    EXPECT_EQ(loaded.finishAction, defaults.finishAction);
    EXPECT_EQ(loaded.outputPath, "/music/");
}

TEST_F(AppSettingsTest, ASaveThatCannotWriteSaysWhichFile)
{
    // The settings folder cannot be created where a plain file stands.
    writeFile(config.file("blocked"), "");
    ::setenv("XDG_CONFIG_HOME", config.file("blocked").c_str(), 1);
    IniFile ini("Conv 2.ini");
    EXPECT_FALSE(saveAppSettings(ini, changed));
    EXPECT_TRUE(ini.error().contains("blocked")) << ini.error().toStdString();
}

} // namespace
