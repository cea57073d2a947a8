// The media probe against the real register.dat and ffmpeg, on media the test
// generates; every result is checked against what ffprobe says of the file.

#include "engine/media_probe.h"
#include "engine/timecode.h"
#include "media_fixtures.h"

#include <QSignalSpy>
#include <QTest>
#include <cmath>
#include <gtest/gtest.h>
#include <ostream>
#include <sys/stat.h>

using namespace veltrix::test;

namespace {

QString q(const std::string &s)
{
    return QString::fromStdString(s);
}

// One entry of ffprobe about the first stream of a kind ("v:0", "a:0").
std::string streamField(const std::string &path, const std::string &stream, const std::string &entry)
{
    const ProcessResult r = runProcess({"ffprobe", "-v", "error", "-select_streams", stream, "-show_entries",
                                        "stream=" + entry, "-of", "default=noprint_wrappers=1:nokey=1", path});
    const std::string value = r.output.substr(0, r.output.find('\n'));
    return r.exitCode == 0 ? value : std::string();
}

// ffmpeg shows rates in whole kbit/s, rounded down.
QString kbits(const std::string &bitsPerSecond)
{
    return bitsPerSecond.empty() ? QString() : QString::number(std::stoll(bitsPerSecond) / 1000);
}

// ffmpeg shows the duration rounded to hundredths; the probe keeps HH:MM:SS.
QString timeCode(const std::string &seconds)
{
    const long long micros = std::llround(std::stod(seconds) * 1e6) + 5000;
    return secondsToTimeCode(static_cast<int>(micros / 1000000));
}

QString firstWord(const QString &text)
{
    return text.section(u' ', 0, 0);
}

class MediaProbeTest : public ::testing::Test {
protected:
    const ProbeResults &probe(const std::string &path)
    {
        probeRun.start(VELTRIX_BIN_DIR "/register.dat", VELTRIX_BIN_DIR "/", q(path));
        EXPECT_TRUE(probeRun.isBusy());
        EXPECT_TRUE(QTest::qWaitFor([&] { return !probeRun.isBusy(); }, 60000));
        EXPECT_FALSE(probeRun.isBusy());
        return probeRun.results();
    }

    TempDir dir;
    MediaProbe probeRun;
};

struct MediaCase {
    const char *file;
    const char *ffmpegArgs;
    bool video;
};

void PrintTo(const MediaCase &c, std::ostream *os)
{
    *os << c.file;
}

class ProbedMedia : public MediaProbeTest, public ::testing::WithParamInterface<MediaCase> {};

TEST_P(ProbedMedia, ResultsAgreeWithFfprobe)
{
    const MediaCase &c = GetParam();
    const std::string path = dir.file(c.file);
    generateMedia(c.ffmpegArgs, path);
    const ProbeResults r = probe(path);

    EXPECT_EQ(r.duration, timeCode(ffprobeField(path, "format=duration")));
    EXPECT_EQ(r.overallBitrate, kbits(ffprobeField(path, "format=bit_rate")));
    EXPECT_EQ(r.audioBitrate, kbits(streamField(path, "a:0", "bit_rate")));
    EXPECT_EQ(firstWord(r.audioCodec), q(streamField(path, "a:0", "codec_name")));
    EXPECT_EQ(r.sampleRate, " " + q(streamField(path, "a:0", "sample_rate")) + " Hz");
    const std::string channels = streamField(path, "a:0", "channels");
    EXPECT_EQ(r.channels, channels == "1" ? " mono" : " stereo");
    if (!c.video) {
        EXPECT_EQ(r.videoBitrate, "");
        EXPECT_EQ(r.pictureSize, "");
        EXPECT_EQ(r.videoCodec, "");
        EXPECT_EQ(r.videoTail, "");
        return;
    }
    EXPECT_EQ(r.videoBitrate, kbits(streamField(path, "v:0", "bit_rate")));
    EXPECT_EQ(r.pictureSize, q(streamField(path, "v:0", "width")) + "x" + q(streamField(path, "v:0", "height")));
    EXPECT_EQ(firstWord(r.videoCodec), q(streamField(path, "v:0", "codec_name")));
    const QString rate = q(streamField(path, "v:0", "avg_frame_rate"));
    const double fps = rate.section(u'/', 0, 0).toDouble() / rate.section(u'/', 1, 1).toDouble();
    EXPECT_TRUE(r.videoTail.startsWith(" " + QString::number(fps, 'g', 4) + " fps,")) << r.videoTail.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Media, ProbedMedia,
    ::testing::Values(
        MediaCase{"tone.wav", "-f lavfi -i sine=frequency=440:duration=3 -ac 2", false},
        MediaCase{"tone.mp3", "-f lavfi -i sine=frequency=440:duration=4 -c:a libmp3lame -b:a 128k", false},
        MediaCase{"clip.mp4",
                  "-f lavfi -i testsrc=size=320x240:rate=25:duration=3 -f lavfi -i sine=duration=3 -c:v libx264 "
                  "-preset ultrafast -c:a aac -shortest",
                  true},
        MediaCase{"clip.avi",
                  "-f lavfi -i testsrc=size=176x144:rate=25:duration=3 -f lavfi -i sine=duration=3 -c:v mpeg4 "
                  "-c:a libmp3lame -ac 2 -shortest",
                  true},
        MediaCase{"tone.ogg", "-f lavfi -i sine=frequency=300:duration=5 -c:a libvorbis", false},
        // Two sound tracks: the results are those of the first.
        MediaCase{"tracks.mp4",
                  "-f lavfi -i sine=duration=3 -f lavfi -i sine=frequency=300:sample_rate=48000:duration=3 -map 0 "
                  "-map 1 -ac:a:1 2 -c:a aac -b:a:0 96k -b:a:1 160k",
                  false}),
    [](const ::testing::TestParamInfo<MediaCase> &info) {
        return q(info.param.file).replace(u'.', u'_').toStdString();
    });

TEST_F(MediaProbeTest, UnreadableFilesGiveNoResults)
{
    writeFile(dir.file("empty.mp3"), "");
    writeFile(dir.file("notes.mp3"), "This is a text file, not a song.\n");
    for (const char *name : {"empty.mp3", "notes.mp3"}) {
        SCOPED_TRACE(name);
        const ProbeResults r = probe(dir.file(name));
        for (const QString &value : {r.duration, r.overallBitrate, r.videoBitrate, r.audioBitrate, r.pictureSize,
                                     r.videoCodec, r.videoTail, r.audioCodec, r.sampleRate, r.channels})
            EXPECT_EQ(value, "");
    }
}

TEST_F(MediaProbeTest, ANewProbeStartsFromEmptyResults)
{
    generateMedia("-f lavfi -i sine=duration=2", dir.file("tone.wav"));
    EXPECT_EQ(probe(dir.file("tone.wav")).duration, "00:00:02");
    writeFile(dir.file("empty.wav"), "");
    EXPECT_EQ(probe(dir.file("empty.wav")).duration, "");
    EXPECT_EQ(probeRun.results().audioCodec, "");
}

TEST_F(MediaProbeTest, AnEncoderThatCannotStartStillEndsTheProbe)
{
    QSignalSpy finished(&probeRun, &MediaProbe::finished);
    probeRun.start(q(dir.file("no-such-encoder")), q(dir.path()), q(dir.file("x.mp3")));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !probeRun.isBusy(); }, 60000));
    EXPECT_EQ(finished.count(), 1);
    EXPECT_FALSE(probeRun.isBusy());
    EXPECT_EQ(probeRun.outcome().kind, RunOutcome::Kind::CouldNotStart);
    EXPECT_EQ(probeRun.results().duration, "");
}

TEST_F(MediaProbeTest, DestroyingABusyProbeEndsItsEncoder)
{
    // ffmpeg blocks opening a FIFO that nobody writes.
    const std::string fifo = dir.file("stuck.mp3");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    pid_t group = 0;
    {
        MediaProbe stuck;
        stuck.start(VELTRIX_BIN_DIR "/register.dat", VELTRIX_BIN_DIR "/", q(fifo));
        group = static_cast<pid_t>(stuck.processId());
        ASSERT_GT(group, 0);
        QTest::qWait(200); // let register.dat start ffmpeg
        EXPECT_TRUE(stuck.isBusy());
    }
    for (int i = 0; i < 100 && !livingProcessesInGroup(group).empty(); ++i)
        QTest::qWait(20);
    EXPECT_TRUE(livingProcessesInGroup(group).empty());
}

// A FIFO nobody writes (or a stalled mount) keeps the probe silent: it is
// ended after the stall timeout, with no results, and no process is left.
TEST_F(MediaProbeTest, ASilentProbeIsEndedAsStalled)
{
    const std::string fifo = dir.file("silent.mp3");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    MediaProbe silent;
    silent.setStallTimeoutMs(700);
    silent.start(VELTRIX_BIN_DIR "/register.dat", VELTRIX_BIN_DIR "/", q(fifo));
    const auto group = static_cast<pid_t>(silent.processId());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !silent.isBusy(); }, 60000));
    EXPECT_EQ(silent.outcome().kind, RunOutcome::Kind::Stalled);
    EXPECT_EQ(silent.results().duration, "");
    for (int i = 0; i < 100 && !livingProcessesInGroup(group).empty(); ++i)
        QTest::qWait(20);
    EXPECT_TRUE(livingProcessesInGroup(group).empty());
}

} // namespace
