// A conversion run against the real register.dat and ffmpeg: progress,
// completion, stop, pause and an encoder that cannot start.

#include "engine/encoder_run.h"
#include "media_fixtures.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTest>
#include <filesystem>
#include <gtest/gtest.h>

using namespace veltrix::test;

namespace {

class EncoderRunTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        run.setExecutableFolder(VELTRIX_BIN_DIR);
        QObject::connect(&run, &EncoderRun::progress,
                         [this](qint32 value) { statuses.push_back(progressText(value)); });
    }

    // A record converting `input` to `output` with fixed MP3 pieces.
    static intputrec mp3Job(const std::string &input, const std::string &output, int seconds)
    {
        intputrec rec;
        rec.inputfile = QString::fromStdString(input);
        rec.outputfile = QString::fromStdString(output);
        rec.start = " -ss 00:00:00";
        rec.audiobitrate = " -ab 128000";
        rec.channels = " -ac 2";
        rec.samplerate = " -ar 44100 ";
        rec.extra = " -vn -acodec libmp3lame";
        rec.seconds = seconds;
        return rec;
    }

    // A run long enough to be stopped or paused: a minute of video to slow
    // H.264. Returns the process group of its encoder.
    pid_t startLongRun(const std::string &output)
    {
        generateMedia("-f lavfi -i testsrc=size=640x480:rate=25:duration=60 -c:v libx264 -preset ultrafast",
                      dir.file("long.mp4"));
        intputrec rec = mp3Job(dir.file("long.mp4"), dir.file(output), 60);
        rec.extra = " -vcodec libx264 -preset veryslow";
        EXPECT_TRUE(run.start(rec));
        return static_cast<pid_t>(run.processId());
    }

    static void expectGroupGone(pid_t group)
    {
        for (int i = 0; i < 100 && !livingProcessesInGroup(group).empty(); ++i)
            QTest::qWait(20);
        EXPECT_TRUE(livingProcessesInGroup(group).empty());
    }

    RunOutcome waitForEnd(QSignalSpy &ended, int timeoutMs = 60000)
    {
        EXPECT_TRUE(ended.count() > 0 || ended.wait(timeoutMs));
        return ended.isEmpty() ? RunOutcome{} : ended.first().first().value<RunOutcome>();
    }

    TempDir dir;
    EncoderRun run;
    std::vector<QString> statuses;
};

TEST_F(EncoderRunTest, ConvertsWithRisingProgressAndReleasesTheRun)
{
    generateMedia("-f lavfi -i sine=frequency=440:duration=20 -ac 2", dir.file("in put.wav"));
    QSignalSpy ended(&run, &EncoderRun::runEnded);
    // The stated length is shorter than the input: the encoder still reads
    // it all, and the Status never passes 100 %.
    ASSERT_TRUE(run.start(mp3Job(dir.file("in put.wav"), dir.file("out file.mp3"), 15)));
    EXPECT_TRUE(run.isRunning());
    // A second start while the run is active is refused, not ignored.
    EXPECT_FALSE(run.start(mp3Job(dir.file("in put.wav"), dir.file("other.mp3"), 15)));
    const RunOutcome exit = waitForEnd(ended);

    EXPECT_EQ(ended.count(), 1);
    EXPECT_EQ(exit.exitCode, 0);
    EXPECT_EQ(exit.kind, RunOutcome::Kind::Succeeded);
    EXPECT_FALSE(run.isRunning());
    ASSERT_FALSE(statuses.empty());
    const auto percent = [](const QString &s) { return s.chopped(1).toDouble(); };
    for (size_t i = 1; i < statuses.size(); ++i)
        EXPECT_GE(percent(statuses[i]), percent(statuses[i - 1]));
    EXPECT_EQ(statuses.back(), "100.00%");
    EXPECT_NEAR(run.readHundredths(), 2000, 10);
    EXPECT_EQ(run.lastStatusText(), "");
    EXPECT_EQ(ffprobeField(dir.file("out file.mp3"), "stream=codec_name"), "mp3");
    EXPECT_NEAR(std::stod(ffprobeField(dir.file("out file.mp3"), "format=duration")), 20.0, 0.5);
}

TEST_F(EncoderRunTest, StopEndsTheWholeProcessGroup)
{
    QSignalSpy ended(&run, &EncoderRun::runEnded);
    const pid_t group = startLongRun("slow.mp4");
    ASSERT_GT(group, 0);
    QElapsedTimer waited;
    waited.start();
    while (statuses.empty() && ended.isEmpty() && waited.elapsed() < 30000)
        QTest::qWait(20);
    ASSERT_FALSE(statuses.empty()) << "no progress before stop";

    run.stop();
    const RunOutcome exit = waitForEnd(ended);
    EXPECT_EQ(exit.exitCode, -1);
    EXPECT_FALSE(run.isRunning());
    expectGroupGone(group);
}

TEST_F(EncoderRunTest, PauseHoldsTheEncoderAndStopWhilePausedStillEnds)
{
    QSignalSpy ended(&run, &EncoderRun::runEnded);
    const pid_t group = startLongRun("paused.mp4");
    ASSERT_GT(group, 0);
    const QString output = run.unfinishedOutput(); // the file being written
    QElapsedTimer waited;
    waited.start();
    while (QFileInfo(output).size() == 0 && ended.isEmpty() && waited.elapsed() < 30000)
        QTest::qWait(20);
    ASSERT_GT(QFileInfo(output).size(), 0);

    run.pause();
    EXPECT_TRUE(run.isPaused());
    QTest::qWait(300); // let writes already under way land
    const qint64 held = QFileInfo(output).size();
    const size_t statusesHeld = statuses.size();
    QTest::qWait(1500);
    EXPECT_EQ(QFileInfo(output).size(), held);
    EXPECT_EQ(statuses.size(), statusesHeld);

    run.stop();
    const RunOutcome exit = waitForEnd(ended);
    EXPECT_EQ(exit.exitCode, -1);
    expectGroupGone(group);
}

TEST_F(EncoderRunTest, EncoderThatCannotStartStillCompletesOnce)
{
    run.setExecutableFolder(QString::fromStdString(dir.path()) + "/no such folder");
    QSignalSpy ended(&run, &EncoderRun::runEnded);
    ASSERT_TRUE(run.start(mp3Job(dir.file("in.wav"), dir.file("out.mp3"), 10)));
    const RunOutcome exit = waitForEnd(ended, 5000);
    EXPECT_EQ(exit.kind, RunOutcome::Kind::CouldNotStart);
    QTest::qWait(50);
    EXPECT_EQ(ended.count(), 1);
    EXPECT_FALSE(run.isRunning());
}

// An encoder of our own making in a folder of its own: a shell script named
// register.dat, for runs whose output the test decides.
void useScriptEncoder(EncoderRun &run, const TempDir &dir, const std::string &body)
{
    const std::string folder = dir.file("encoder");
    std::filesystem::create_directories(folder);
    writeFile(folder + "/register.dat", "#!/bin/sh\n" + body);
    std::filesystem::permissions(folder + "/register.dat", std::filesystem::perms::owner_all);
    run.setExecutableFolder(QString::fromStdString(folder));
}

TEST_F(EncoderRunTest, EncoderThatPrintsNothingAndExitsAtOnceStillEndsOnce)
{
    useScriptEncoder(run, dir, "exit 0\n");
    QSignalSpy ended(&run, &EncoderRun::runEnded);
    ASSERT_TRUE(run.start(mp3Job(dir.file("in.wav"), dir.file("out.mp3"), 10)));
    const RunOutcome exit = waitForEnd(ended, 10000);
    EXPECT_EQ(exit.exitCode, 0);
    EXPECT_NE(exit.kind, RunOutcome::Kind::CouldNotStart);
    QTest::qWait(100);
    EXPECT_EQ(ended.count(), 1);
    EXPECT_TRUE(statuses.empty());
    EXPECT_FALSE(run.isRunning());
}

TEST_F(EncoderRunTest, OutputWrittenJustBeforeTheExitIsReadBeforeTheRunEnds)
{
    // Many lines at once and the last progress line right before exiting:
    // the end may only be handed on after all of it went through the handler.
    useScriptEncoder(run, dir,
                     "i=0; while [ $i -lt 200 ]; do printf 'Stream #0:0: Audio: pcm_s16le, line %d\\r\\n' $i; "
                     "i=$((i+1)); done\nprintf 'time=7.00 bitrate=1.0kbits/s\\r'\nexit 3\n");
    std::vector<size_t> statusesAtEnd;
    QObject::connect(&run, &EncoderRun::runEnded, [&] { statusesAtEnd.push_back(statuses.size()); });
    QSignalSpy ended(&run, &EncoderRun::runEnded);
    ASSERT_TRUE(run.start(mp3Job(dir.file("in.wav"), dir.file("out.mp3"), 10)));
    const RunOutcome exit = waitForEnd(ended, 10000);
    EXPECT_EQ(exit.exitCode, 3);
    ASSERT_EQ(statusesAtEnd.size(), 1u);
    // Every line end of the chunk that carries the progress line shows its
    // value, so how many statuses there are depends on how the output arrived.
    ASSERT_GE(statusesAtEnd[0], 1u);
    EXPECT_EQ(statusesAtEnd[0], statuses.size());
    for (const QString &status : statuses)
        EXPECT_EQ(status, "70.00%");
}

TEST_F(EncoderRunTest, ProgressWrittenWhileStoppingShowsNothing)
{
    // Like ffmpeg, the encoder reports once more while it finishes after SIGTERM.
    useScriptEncoder(run, dir,
                     "trap 'printf \"time=5.00 bitrate=1.0kbits/s\\r\"; exit 0' TERM\n"
                     "printf 'time=1.00 bitrate=1.0kbits/s\\r'\n"
                     "while :; do sleep 0.05; done\n");
    QSignalSpy ended(&run, &EncoderRun::runEnded);
    ASSERT_TRUE(run.start(mp3Job(dir.file("in.wav"), dir.file("out.mp3"), 10)));
    ASSERT_TRUE(QTest::qWaitFor([this] { return !statuses.empty(); }, 10000));
    run.stop();
    const RunOutcome exit = waitForEnd(ended, 10000);
    EXPECT_EQ(exit.exitCode, -1);
    // The stopped job's row belongs to the stop now; a row added meanwhile
    // must not receive the stopped run's progress either.
    EXPECT_EQ(statuses, std::vector<QString>{"10.00%"});
}

TEST_F(EncoderRunTest, UnreadableInputEndsWithAnErrorCode)
{
    writeFile(dir.file("fake.mp3"), "this is text, not sound");
    QSignalSpy ended(&run, &EncoderRun::runEnded);
    ASSERT_TRUE(run.start(mp3Job(dir.file("fake.mp3"), dir.file("out.mp3"), 10)));
    const RunOutcome exit = waitForEnd(ended);
    EXPECT_NE(exit.exitCode, 0);
    EXPECT_NE(exit.kind, RunOutcome::Kind::CouldNotStart);
    EXPECT_TRUE(statuses.empty());
}

} // namespace
