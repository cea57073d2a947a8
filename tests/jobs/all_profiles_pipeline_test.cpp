// Every profile of the catalogue through the whole pipeline: selected with
// its default quality choices, a generated clip added and probed, a batch of
// that one job run through register.dat, the output checked with ffprobe
// (the formats of today also for their codecs and the clip's whole length).
// Each id is its own test, so CTest can run two at a time.

#include "engine/commandline.h"
#include "jobs_harness.h"
#include "profiles/catalogue.h"

#include <QDir>
#include <fstream>
#include <map>

using namespace veltrix::test;

namespace {

// What ffprobe names the container of each output extension.
std::string containerOf(const QString &extension)
{
    static const std::map<QString, std::string> formats = {{".asf", "asf"},
                                                           {".wmv", "asf"},
                                                           {".wma", "asf"},
                                                           {".avi", "avi"},
                                                           {".rm", "rm"},
                                                           {".ra", "rm"},
                                                           {".flv", "flv"},
                                                           {".swf", "swf"},
                                                           {".aac", "aac"},
                                                           {".ac3", "ac3"},
                                                           {".mp3", "mp3"},
                                                           {".mp2", "mp3"},
                                                           {".ogg", "ogg"},
                                                           {".wav", "wav"},
                                                           {".aiff", "aiff"},
                                                           {".au", "au"},
                                                           {".amr", "amr"},
                                                           {".mpeg", "mpeg"},
                                                           {".mpg", "mpeg"},
                                                           {".vob", "mpeg"},
                                                           {".ts", "mpegts"},
                                                           {".mkv", "matroska,webm"},
                                                           {".webm", "matroska,webm"},
                                                           {".opus", "ogg"},
                                                           {".flac", "flac"},
                                                           {".mp4", "mov,mp4,m4a,3gp,3g2,mj2"},
                                                           {".mov", "mov,mp4,m4a,3gp,3g2,mj2"},
                                                           {".m4a", "mov,mp4,m4a,3gp,3g2,mj2"},
                                                           {".3gp", "mov,mp4,m4a,3gp,3g2,mj2"},
                                                           {".3g2", "mov,mp4,m4a,3gp,3g2,mj2"}};
    const auto found = formats.find(extension.toLower());
    return found == formats.end() ? std::string("unknown extension") : found->second;
}

// The picture size the encoder was asked for: the last "-s" of its
// arguments, or the size of the disc standard.
QString requestedSize(int id, const QStringList &args)
{
    if (isDiscTarget(id)) {
        const bool pal = args.join(' ').contains("pal-");
        static const char *const kPal[] = {"352x288", "480x576", "720x576"};
        static const char *const kNtsc[] = {"352x240", "480x480", "720x480"};
        return QString::fromLatin1((pal ? kPal : kNtsc)[id - 112]);
    }
    const qsizetype at = args.lastIndexOf("-s");
    return at >= 0 && at + 1 < args.size() ? args.at(at + 1) : QString();
}

// The streams the formats of today promise, as ffprobe names them.
const std::map<int, std::string> kTodayStreams = {
    {133, "hevc aac"}, {134, "hevc aac"}, {135, "vp9 opus"}, {136, "av1 opus"}, {137, "av1 opus"},
    {138, "h264 aac"}, {139, "h264 aac"}, {141, "opus"},     {142, "flac"},     {143, "alac"},
};

std::string streamCodecs(const std::string &file)
{
    const std::string out =
        runProcess({"ffprobe", "-v", "error", "-show_entries", "stream=codec_name", "-of", "default=nw=1:nk=1", file})
            .output;
    return QString::fromStdString(out).split(u'\n', Qt::SkipEmptyParts).join(u' ').toStdString();
}

class ProfilePipeline : public ::testing::TestWithParam<int> {
protected:
    static void SetUpTestSuite()
    {
        s_media = std::make_unique<TempDir>();
        generateMedia("-f lavfi -i testsrc=size=320x240:rate=25:duration=3 -f lavfi -i "
                      "sine=frequency=440:sample_rate=44100:duration=3 -ac 2 -c:v libx264 -preset ultrafast "
                      "-pix_fmt yuv420p -c:a aac",
                      s_media->file("clip.mp4"));
    }
    static void TearDownTestSuite() { s_media.reset(); }
    static inline std::unique_ptr<TempDir> s_media;
};

TEST_P(ProfilePipeline, ConvertsTheClip)
{
    const int id = GetParam();
    JobsHarness h(id);
    ASSERT_EQ(h.profile.definition().loadedProfileId, id);
    h.addFiles({QString::fromStdString(s_media->file("clip.mp4"))});
    ASSERT_EQ(h.jobs.rowCount(), 1);

    h.batch.start();
    const QStringList args = encoderArguments(h.lastStarted);
    SCOPED_TRACE(commandLineText(h.lastStarted).toStdString());
    const qint64 pid = h.run.processId();
    ASSERT_TRUE(h.waitForBatchEnd());
    expectNoEncoderLeft(pid);
    EXPECT_EQ(h.jobs.status(0).state, JobState::Finished);

    const ProfileChoices choices = h.choices();
    const std::string file =
        QDir(QString::fromStdString(h.output.path())).filePath("clip" + choices.extension).toStdString();
    EXPECT_EQ(ffprobeField(file, "format=format_name"), containerOf(choices.extension));
    if (id >= kFirstModernId) {
        // Quality as a level, the source's frame rate and sample rate kept.
        EXPECT_EQ(args.contains("-crf"), choices.hasVideo && qualityMode(id) == QualityMode::ConstantQuality);
        EXPECT_FALSE(args.contains("-r") || args.contains("-ar"));
        EXPECT_EQ(streamCodecs(file), kTodayStreams.at(id));
        EXPECT_NEAR(std::stod("0" + ffprobeField(file, "format=duration")), 3.0, 0.1);
    }
    const bool video = choices.hasVideo || isDiscTarget(id);
    const std::string width = ffprobeField(file, "stream=width");
    if (!video) {
        EXPECT_EQ(width, "");
        return;
    }
    // Without a size the source's frame stays.
    const QString size = requestedSize(id, args).isEmpty() ? QStringLiteral("320x240") : requestedSize(id, args);
    const std::string height = ffprobeField(file, "stream=height");
    EXPECT_EQ(width + "x" + height, size.toStdString());
}

// A stream the new container cannot hold fails the job, and its reason says so.
TEST(SameStreamsNewContainer, NamesTheStreamTheContainerCannotHold)
{
    TempDir media;
    std::ofstream(media.file("words.srt")) << "1\n00:00:00,000 --> 00:00:01,000\nHello\n";
    generateMedia("-f lavfi -i testsrc=size=160x120:rate=10:duration=1 -i " + media.file("words.srt")
                      + " -c:v libx264 -c:s srt",
                  media.file("clip.mkv"));
    JobsHarness h(139);
    h.addFiles({QString::fromStdString(media.file("clip.mkv"))});
    h.batch.start();
    ASSERT_TRUE(h.waitForBatchEnd());
    EXPECT_EQ(h.jobs.status(0).state, JobState::Failed);
    EXPECT_TRUE(h.jobs.status(0).reason.startsWith("The output format cannot hold stream #1 of the source (subrip)"))
        << h.jobs.status(0).reason.toStdString();
    EXPECT_TRUE(QDir(QString::fromStdString(h.output.path())).isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Catalogue, ProfilePipeline, ::testing::ValuesIn(catalogueIds()),
                         [](const ::testing::TestParamInfo<int> &info) { return "id_" + std::to_string(info.param); });

} // namespace
