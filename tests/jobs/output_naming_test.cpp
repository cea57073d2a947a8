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

    struct Step {
        const char *caption, *extension, *expected;
    } const steps[] = {
        {"movie", ".mp4", "movie.mp4"},        {"movie", ".mp4", "movie_1.mp4"},
        {"movie", ".mp4", "movie_2.mp4"},      {"clip.final", ".mp4", "clip.mp4"},
        {"clip.final", ".mp4", "clip.final_1.mp4"}, {"a.b.mp3", ".mp3", "a.b.mp3"},
        {"no extension", ".amr", "no extension.amr"},
        {"../clip.final", ".mp3", ".._clip.mp3"},  {"a/b.final", ".mp3", "a_b.mp3"},
    };
    for (const Step &s : steps) {
        const QString path = outputPathFor(out, s.caption, s.extension);
        EXPECT_EQ(path, out + s.expected) << s.caption;
        touch(path); // the encoder writes it; the next job must not overwrite it
    }
}

TEST(OutputNaming, FolderTextWithSlashIsKept)
{
    TempDir dir;
    const QString folder = QString::fromStdString(dir.path()) + "/";
    EXPECT_EQ(prepareOutputFolder(folder), folder);
}

} // namespace
