#include "media_fixtures.h"
#include "platform/ini/atomic_file.h"
#include "platform/ini/ini_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdlib>
#include <gtest/gtest.h>

using namespace veltrix::test;

namespace {

QString q(const std::string &s)
{
    return QString::fromStdString(s);
}

TEST(IniFile, BareNamesLiveInTheSettingsFolder)
{
    TempDir dir;
    ::setenv("XDG_CONFIG_HOME", dir.path().c_str(), 1);
    EXPECT_EQ(IniFile("pro Conv 2.ini").path(), q(dir.path()) + "/veltrix/pro Conv 2.ini");
    EXPECT_EQ(IniFile("/abs/x.ini").path(), "/abs/x.ini");
    ::setenv("XDG_CONFIG_HOME", "relative/not/allowed", 1);
    EXPECT_EQ(IniFile::settingsFolder(), QDir::homePath() + "/.config/veltrix");
    ::unsetenv("XDG_CONFIG_HOME");
}

TEST(IniFile, MissingFileGivesDefaultsAndWritesCreateIt)
{
    TempDir dir;
    IniFile ini(q(dir.file("sub/folder/a.ini")));
    EXPECT_EQ(ini.readInteger("plane", "selcetindex", 7), 7);
    EXPECT_EQ(ini.readString("output", "path", "none"), "none");
    EXPECT_TRUE(ini.readBool("plane", "flag", true));

    ASSERT_TRUE(ini.writeInteger("17", "video bitrate", 3)) << ini.error().toStdString();
    ASSERT_TRUE(ini.writeString("output", "path", "/home/me/My Video/ü"));
    ASSERT_TRUE(ini.writeBool("plane", "flag", false));
    ASSERT_TRUE(ini.writeInteger("17", "video bitrate", -1));

    IniFile again(ini.path());
    EXPECT_EQ(again.readInteger("17", "video bitrate", 0), -1);
    EXPECT_EQ(again.readString("output", "path", ""), "/home/me/My Video/ü");
    EXPECT_FALSE(again.readBool("plane", "flag", true));
    EXPECT_NE(readFile(dir.file("sub/folder/a.ini")).find("video bitrate"), std::string::npos);
}

TEST(IniFile, MalformedIntegersReadAsTheDefault)
{
    TempDir dir;
    writeFile(dir.file("m.ini"), "[s]\na=12\nb=twelve\nc=\nd=  5 \ne=3.5\nf=99999999999\n");
    IniFile ini(q(dir.file("m.ini")));
    const std::pair<const char *, int> cases[] = {{"a", 12}, {"b", -4}, {"c", -4}, {"d", 5},
                                                  {"e", -4}, {"f", -4}, {"missing", -4}};
    for (const auto &[key, value] : cases)
        EXPECT_EQ(ini.readInteger("s", key, -4), value) << key;
}

TEST(IniFile, ChangesReachTheDiskAtOnceAndKeepOtherKeys)
{
    TempDir dir;
    writeFile(dir.file("k.ini"), "[plane]\nselcetindex=2\n[output]\npath=/x\n");
    IniFile writer(q(dir.file("k.ini")));
    ASSERT_TRUE(writer.writeInteger("plane", "selcetsubindex", 4));
    IniFile reader(q(dir.file("k.ini")));
    EXPECT_EQ(reader.readInteger("plane", "selcetindex", 0), 2);
    EXPECT_EQ(reader.readInteger("plane", "selcetsubindex", 0), 4);
    EXPECT_EQ(reader.readString("output", "path", ""), "/x");
}

// A settings file kept elsewhere and linked into the settings folder is
// written where it lies; the link stays.
TEST(AtomicFile, AWriteThroughALinkKeepsTheLink)
{
    TempDir dir;
    QDir().mkpath(q(dir.file("kept")));
    writeFile(dir.file("kept/s.ini"), "[plane]\nselcetindex=2\n");
    ASSERT_TRUE(QFile::link("kept/s.ini", q(dir.file("s.ini"))));

    IniFile ini(q(dir.file("s.ini")));
    ASSERT_TRUE(ini.writeInteger("plane", "selcetsubindex", 4)) << ini.error().toStdString();
    EXPECT_TRUE(QFileInfo(q(dir.file("s.ini"))).isSymLink());
    IniFile kept(q(dir.file("kept/s.ini")));
    EXPECT_EQ(kept.readInteger("plane", "selcetindex", 0), 2);
    EXPECT_EQ(kept.readInteger("plane", "selcetsubindex", 0), 4);
}

TEST(AtomicFile, AnInterruptedWriteLeavesTheOldFileIntact)
{
    TempDir dir;
    const QString path = q(dir.file("s.ini"));
    writeFile(dir.file("s.ini"), "[plane]\nselcetindex=2\n");
    {
        AtomicFileWriter writer(path);
        ASSERT_TRUE(writer.prepare("[plane]\nselcetindex=9\n"));
        // The program stops here, before the rename.
    }
    EXPECT_EQ(readFile(dir.file("s.ini")), "[plane]\nselcetindex=2\n");
    EXPECT_EQ(IniFile(path).readInteger("plane", "selcetindex", 0), 2);
    EXPECT_EQ(QDir(q(dir.path())).entryList(QDir::Files | QDir::Hidden), QStringList{"s.ini"});
}

TEST(AtomicFile, AnUnwritableFolderIsReportedByName)
{
    TempDir dir;
    writeFile(dir.file("blocker"), "a file where a folder should be");
    IniFile ini(q(dir.file("blocker/s.ini")));
    EXPECT_FALSE(ini.writeInteger("plane", "selcetindex", 1));
    EXPECT_TRUE(ini.error().contains("blocker")) << ini.error().toStdString();
}

} // namespace
