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
    const std::pair<const char *, int> cases[] = {{"a", 12}, {"b", -4}, {"c", -4},      {"d", 5},
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

// Values are bytes and come back exactly as written, whatever their ends,
// also after later writes rewrote the file; every line is written "key=value".
TEST(IniFile, ValuesReadBackByteForByte)
{
    TempDir dir;
    IniFile ini(q(dir.file("v.ini")));
    const QByteArray values[] = {"Music ",       " lead", "\ttab\t",         "\"quoted\"", "\" x \"", "\"",
                                 "caf\xe9",      "a=b",   "; not a comment", "",           "  ",      "feed\f",
                                 "\vvertical\v", " \f"};
    const auto keyOf = [](std::size_t n) { return QStringLiteral("k%1").arg(n); };
    for (std::size_t n = 0; n < std::size(values); ++n) {
        ASSERT_TRUE(ini.writeBytes("output", keyOf(n), values[n])) << ini.error().toStdString();
        EXPECT_EQ(IniFile(ini.path()).readBytes("output", keyOf(n)), values[n]) << values[n].toStdString();
    }
    for (std::size_t n = 0; n < std::size(values); ++n) {
        EXPECT_EQ(IniFile(ini.path()).readBytes("output", keyOf(n)), values[n]) << values[n].toStdString();
    }
    const std::string text = readFile(dir.file("v.ini"));
    EXPECT_NE(text.find("\nk0=\"Music \"\n"), std::string::npos) << text;
    EXPECT_EQ(text.find(" = "), std::string::npos) << text;
    EXPECT_FALSE(ini.writeBytes("output", "broken", "two\nlines"));
    EXPECT_FALSE(IniFile(ini.path()).readBytes("output", "broken").has_value());
}

// Texts come back as the same characters, a leading byte order mark included.
TEST(IniFile, TextsReadBackCharacterForCharacter)
{
    TempDir dir;
    IniFile ini(q(dir.file("t.ini")));
    const QString texts[] = {QStringLiteral("Vídeos/ü"), QString(QChar(0xFEFF)) + "lead", QString(2, QChar(0xFEFF)),
                             QStringLiteral("end\uFEFF")};
    for (std::size_t n = 0; n < std::size(texts); ++n) {
        const QString key = QStringLiteral("t%1").arg(n);
        ASSERT_TRUE(ini.writeString("output", key, texts[n])) << ini.error().toStdString();
        EXPECT_EQ(IniFile(ini.path()).readString("output", key, "none"), texts[n]) << texts[n].toStdString();
    }
}

// A file that a rewrite would shorten is copied whole to "<name>.ini.bak"
// before it is rewritten; a clean file is rewritten without a copy.
struct DamageCase {
    const char *what;
    std::string contents;
    bool damaged;
};

TEST(IniFile, ADamagedFileIsCopiedBeforeItsFirstRewrite)
{
    const DamageCase cases[] = {
        {"line without equals", "[plane]\nvideo=1\nthis line has no equals sign\n", true},
        {"binary",
         std::string("\x7f"
                     "ELF\x02\x01\x01\xff\xfe\n\x01\x02",
                     12),
         true},
        {"NUL bytes", std::string("[plane]\nvideo=1\0\0[output]\npath=/x\n", 33), true},
        {"brackets", "[plane]\nvideo=1\n[[[\naudio=0\n", true},
        {"text after a section", "[plane] old\nvideo=1\n", true},
        {"key twice", "[plane]\nvideo=1\nVideo=0\n", true},
        {"trailing comment", "[plane]\nvideo=1\n; keep me\n", true},
        {"clean", "; settings\n[plane]\r\nvideo = 1\r\n\r\n[output]\npath=\"/x \"\n", false},
        {"empty", "", false},
    };
    for (const DamageCase &c : cases) {
        SCOPED_TRACE(c.what);
        TempDir dir;
        const std::string path = dir.file("s.ini");
        writeFile(path, c.contents);
        IniFile ini(q(path));
        ASSERT_TRUE(ini.writeInteger("profiles", "selcetsubindex", 18)) << ini.error().toStdString();
        EXPECT_EQ(QFile::exists(q(path + ".bak")), c.damaged);
        if (c.damaged) {
            EXPECT_EQ(readFile(path + ".bak"), c.contents);
        }
        EXPECT_EQ(IniFile(q(path)).readInteger("profiles", "selcetsubindex", 0), 18);
        // What the rewrite wrote loads cleanly: no further copy, no warning.
        QFile::remove(q(path + ".bak"));
        EXPECT_EQ(ini.keepCopyIfDamaged(), IniFile::Damage::None);
        EXPECT_FALSE(QFile::exists(q(path + ".bak")));
    }
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
