#include "jobs/output_naming.h"
#include "media_fixtures.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace veltrix::test;

namespace {

void touch(const QString &path)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
}

TEST(OutputNaming, TakesTheFirstFreeName)
{
    TempDir dir;
    const QString out = prepareOutputFolder(QString::fromStdString(dir.file("out")));
    EXPECT_TRUE(QDir(out).exists());
    EXPECT_TRUE(out.endsWith('/'));

    constexpr FirstName whole = FirstName::WholeCaption;
    constexpr FirstName dvd = FirstName::WithoutLeadingBlanks;
    struct Step {
        const char *caption, *extension;
        FirstName firstName;
        const char *expected;
    } const steps[] = {
        {"movie", ".mp4", whole, "movie.mp4"},
        {"movie", ".mp4", whole, "movie_1.mp4"},
        {"movie", ".mp4", whole, "movie_2.mp4"},
        {"clip.final", ".mp4", whole, "clip.mp4"},
        {"clip.final", ".mp4", whole, "clip.final_1.mp4"},
        {"a.b.mp3", ".mp3", whole, "a.b.mp3"},
        {"no extension", ".amr", whole, "no extension.amr"},
        {"../clip.final", ".mp3", whole, ".._clip.mp3"},
        {"a/b.final", ".mp3", dvd, "a_b.mp3"},
        {"  Intro", ".avi", whole, "  Intro.avi"},
        // A DVD caption's first name drops the indent; the numbered ones keep it.
        {"  Chapter_03", ".avi", dvd, "Chapter_03.avi"},
        {"  Chapter_03", ".avi", dvd, "  Chapter_03_1.avi"},
        {"  Chapter_03", ".avi", dvd, "  Chapter_03_2.avi"},
    };
    for (const Step &s : steps) {
        const QString path = outputPathFor(out, s.caption, s.extension, s.firstName).path;
        EXPECT_EQ(path, out + s.expected) << s.caption;
        touch(path); // the encoder writes it; the next job must not overwrite it
    }
    // A caption too long for a file name is cut between characters, and says so.
    const QString longCaption = QString(200, QChar(0xe9)) + ".wav"; // 404 bytes of UTF-8
    for (const char *ending : {".mp3", "_1.mp3"}) {
        const OutputName name = outputPathFor(out, longCaption, ".mp3");
        EXPECT_TRUE(name.shortened);
        EXPECT_TRUE(name.path.endsWith(QChar(0xe9) + QString(ending))) << name.path.toStdString();
        touch(name.path); // fails where the name does not fit
    }
}

TEST(OutputNaming, FolderTextWithSlashIsKept)
{
    TempDir dir;
    const QString folder = QString::fromStdString(dir.path()) + "/";
    EXPECT_EQ(prepareOutputFolder(folder), folder);
}

// A pattern's name parts from tags: folders and names no file system
// refuses, or none where a tag it names is missing.
TEST(OutputNamePattern, MakesSafePartsOrNone)
{
    const SourceTags tags{"A/C: \"live\"?", "ArtistA", "..", "", "3/12", "1", "2001-05-04"};
    const std::pair<const char *, std::optional<QStringList>> cases[] = {
        {"{artist}/{album}/{track} {title} ({year})", QStringList{"ArtistA", "_", "03 A_C_ _live__ (2001)"}},
        {"/{disc}-{track}//", QStringList{"1-03"}},
        {"{albumartist}/{title}", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto &[pattern, parts] : cases)
        EXPECT_EQ(patternParts(pattern, tags), parts) << pattern;
    const SourceTags longTitle{QString(200, QChar(0xe9))};
    EXPECT_EQ(patternParts("{title}", longTitle)->first().toUtf8().size(), 254); // 127 two-byte characters
}

} // namespace
