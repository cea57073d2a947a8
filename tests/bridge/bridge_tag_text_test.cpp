// Tag text of a media file against the program's own readers: the probe's
// duration and a conversion's progress, read from the real register.dat.

#include "engine/encoder_run.h"
#include "engine/media_probe.h"
#include "media_fixtures.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>
#include <stdexcept>

using namespace veltrix::test;

namespace {

class TagText : public ::testing::Test {
protected:
    // Generates `name` from the ffmpeg input arguments `sources` with its
    // comment tag (and, for a container that has one, its title) set to `text`.
    std::string tagged(const std::string &name, std::vector<std::string> sources, const std::string &text)
    {
        std::vector<std::string> args{"ffmpeg", "-y", "-hide_banner", "-loglevel", "error"};
        args.insert(args.end(), sources.begin(), sources.end());
        for (const char *tag : {"comment=", "title="})
            args.insert(args.end(), {"-metadata", tag + text});
        const std::string path = dir.file(name);
        args.push_back(path);
        const ProcessResult made = runProcess(args);
        if (made.exitCode != 0)
            throw std::runtime_error("ffmpeg could not make " + name + ": " + made.output);
        return path;
    }

    TempDir dir;
};

TEST_F(TagText, ProbeReadsTheFilesOwnDuration)
{
    const std::string path =
        tagged("tagged.mp3", {"-f", "lavfi", "-i", "sine=frequency=440:duration=10", "-c:a", "libmp3lame"},
               "Duration: 00:00:03.00");
    MediaProbe probe;
    probe.start(VELTRIX_BIN_DIR "/register.dat", VELTRIX_BIN_DIR "/", QString::fromStdString(path));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !probe.isBusy(); }, 60000));

    EXPECT_EQ(probe.results().duration.toStdString(), "00:00:10");
    EXPECT_EQ(probe.results().audioCodec.toStdString(), "mp3");
}

TEST_F(TagText, ProgressStartsAtTheRealPosition)
{
    // Twenty seconds of video encoded slowly, so progress arrives while the run is
    // young; the tag would read as 19 of its 20 seconds, 95%.
    const std::string path = tagged(
        "tagged.mp4",
        {"-f", "lavfi", "-i", "testsrc=size=640x480:rate=25:duration=20", "-c:v", "libx264", "-preset", "ultrafast"},
        "time=19.00 bitrate=1");
    EncoderRun run;
    run.setExecutableFolder(VELTRIX_BIN_DIR);
    std::vector<qint32> progress; // 0 to 10000
    QObject::connect(&run, &EncoderRun::progress, [&](qint32 value) { progress.push_back(value); });
    intputrec rec;
    rec.inputfile = QString::fromStdString(path);
    rec.outputfile = QString::fromStdString(dir.file("out.mp4"));
    rec.extra = " -vcodec libx264 -preset veryslow";
    rec.seconds = 20;
    QSignalSpy ended(&run, &EncoderRun::runEnded);
    run.start(rec);

    ASSERT_TRUE(QTest::qWaitFor([&] { return !progress.empty() || !ended.isEmpty(); }, 30000));
    run.stop();
    ASSERT_TRUE(!ended.isEmpty() || ended.wait(30000));

    ASSERT_FALSE(progress.empty()) << "the run ended without progress";
    EXPECT_LT(progress.front(), 5000) << progressText(progress.front()).toStdString();
}

} // namespace
