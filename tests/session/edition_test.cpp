// The edition from the name the program was started under: base name,
// settings file names and the keyword tests.

#include "profiles/quality_settings.h"
#include "session/edition.h"

#include <gtest/gtest.h>
#include <ostream>

namespace {

struct EditionCase {
    const char *programPath;
    const char *name;
    const char *baseName;
    const char *settingsFile;
    const char *qualityFile;
    bool dvdMode;
    bool zuvok;
    bool audioNamed;
};

void PrintTo(const EditionCase &c, std::ostream *os)
{
    *os << c.programPath;
}

class EditionNames : public ::testing::TestWithParam<EditionCase> {};

TEST_P(EditionNames, FollowFromTheProgramName)
{
    const EditionCase &c = GetParam();
    const Edition edition = editionOf(c.programPath);
    EXPECT_EQ(edition.name, c.name);
    EXPECT_EQ(edition.baseName, c.baseName);
    EXPECT_EQ(appSettingsFileName(edition.baseName), c.settingsFile);
    EXPECT_EQ(qualitySettingsFileName(appSettingsFileName(edition.baseName)), c.qualityFile);
    EXPECT_EQ(edition.dvdMode, c.dvdMode);
    EXPECT_EQ(edition.zuvok, c.zuvok);
    EXPECT_EQ(edition.audioNamed, c.audioNamed);
}

INSTANTIATE_TEST_SUITE_P(Editions, EditionNames,
                         ::testing::Values(EditionCase{"/opt/veltrix/MyConv.exe", "MyConv.exe", "MyConv", "MyConv.ini",
                                                       "pro MyConv.ini", false, false, false},
                                           EditionCase{"Conv 2.5.exe", "Conv 2.5.exe", "Conv 2.5", "Conv 2.ini",
                                                       "pro Conv 2.ini", false, false, false},
                                           EditionCase{"./veltrix-DVD-ripper", "veltrix-DVD-ripper",
                                                       "veltrix-DVD-ripper", "veltrix-DVD-ripper.ini",
                                                       "pro veltrix-DVD-ripper.ini", true, false, false},
                                           EditionCase{"/usr/bin/ZuvokAudio", "ZuvokAudio", "ZuvokAudio",
                                                       "ZuvokAudio.ini", "pro ZuvokAudio.ini", false, true, true},
                                           EditionCase{"MP3-zuVOK-Dvd.EXE", "MP3-zuVOK-Dvd.EXE", "MP3-zuVOK-Dvd",
                                                       "MP3-zuVOK-Dvd.ini", "pro MP3-zuVOK-Dvd.ini", true, true, true},
                                           EditionCase{"veltrix-video-converter", "veltrix-video-converter",
                                                       "veltrix-video-converter", "veltrix-video-converter.ini",
                                                       "pro veltrix-video-converter.ini", false, false, false}));

} // namespace
