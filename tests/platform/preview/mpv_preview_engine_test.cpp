// The real libmpv player with null outputs: it plays generated clips and the
// sectors of an authored DVD with the chosen audio track, starts where a Seek
// before Play says, seeks and pauses, reports the end of the file or a
// failure once, and leaves no thread behind.

#include "platform/preview/mpv_preview_engine.h"

#include "media_fixtures.h"
#include "preview_dvd.h"

#include <QTest>
#include <dirent.h>
#include <gtest/gtest.h>
#include <memory>

using namespace veltrix::test;

namespace {

int threadCount()
{
    int count = 0;
    if (DIR *tasks = opendir("/proc/self/task")) {
        while (const dirent *entry = readdir(tasks))
            count += entry->d_name[0] != '.';
        closedir(tasks);
    }
    return count;
}

class MpvPreviewEngineTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        s_dir = std::make_unique<TempDir>();
        generateMedia("-f lavfi -i testsrc=size=160x120:rate=25:duration=6 -f lavfi -i sine=duration=6 "
                      "-c:v libx264 -pix_fmt yuv420p -c:a aac -shortest",
                      s_dir->file("six.mp4"));
        writeFile(s_dir->file("not-media.mp4"), "this is no media file\n");
    }
    static void TearDownTestSuite() { s_dir.reset(); }
    static QString media(const char *name) { return QString::fromStdString(s_dir->file(name)); }

    void start(MpvPreviewSettings settings = {true, false})
    {
        engine = std::make_unique<MpvPreviewEngine>(settings);
        ASSERT_TRUE(engine->InitPreviewWindow(0, 160, 120)) << engine->errorText().toStdString();
        engine->SetEventFuntion(
            {[this](double s) { positions.push_back(s); }, [this](const PreviewEnd &end) { ends.push_back(end); }});
    }
    bool waitForPosition(double atLeast, int timeoutMs = 5000)
    {
        return QTest::qWaitFor([&] { return !positions.empty() && positions.back() >= atLeast; }, timeoutMs);
    }

    static inline std::unique_ptr<TempDir> s_dir;
    std::unique_ptr<MpvPreviewEngine> engine;
    std::vector<double> positions;
    std::vector<PreviewEnd> ends;
};

TEST_F(MpvPreviewEngineTest, PlaysAClipAndReportsRisingPositions)
{
    start();
    engine->Seek(0);
    engine->Play({media("six.mp4"), {}});
    ASSERT_TRUE(waitForPosition(1.0)) << positions.size() << " positions";
    EXPECT_GE(positions.size(), 10u) << "about 25 a second";
    for (size_t i = 1; i < positions.size(); ++i)
        EXPECT_GE(positions[i], positions[i - 1]) << "at " << i;
    EXPECT_GE(positions.front(), 0.0);
    EXPECT_LT(positions.back(), 3.0) << "played at its own pace, not as fast as it decodes";
    EXPECT_TRUE(ends.empty());
}

TEST_F(MpvPreviewEngineTest, ASeekBeforePlayStartsThere)
{
    start();
    engine->Seek(4);
    engine->Play({media("six.mp4"), {}});
    ASSERT_TRUE(QTest::qWaitFor([&] { return !positions.empty(); }, 5000));
    EXPECT_GE(positions.front(), 3.9);
    EXPECT_LE(positions.front(), 4.5);
}

TEST_F(MpvPreviewEngineTest, SeeksWhilePlaying)
{
    start();
    engine->Play({media("six.mp4"), {}});
    ASSERT_TRUE(waitForPosition(0.2));
    engine->Seek(4);
    ASSERT_TRUE(waitForPosition(4.0, 1500)) << "a jump, not playback reaching 4 s";
    EXPECT_LT(positions.back(), 5.0);
}

TEST_F(MpvPreviewEngineTest, ASeekWhileTheFileLoadsIsKept)
{
    start();
    engine->Play({media("six.mp4"), {}});
    engine->Seek(3);
    ASSERT_TRUE(waitForPosition(3.0, 1500));
}

TEST_F(MpvPreviewEngineTest, PauseTogglesAndHoldsThePosition)
{
    start();
    engine->Play({media("six.mp4"), {}});
    ASSERT_TRUE(waitForPosition(0.3));
    engine->Pause();
    QTest::qWait(300);
    const double held = positions.back();
    QTest::qWait(600);
    EXPECT_LE(positions.back(), held + 0.05) << "no progress while paused";
    engine->Pause();
    ASSERT_TRUE(waitForPosition(held + 0.3)) << "the second toggle plays on";
}

TEST_F(MpvPreviewEngineTest, PlayAlwaysStartsPlaying)
{
    start();
    engine->Play({media("six.mp4"), {}});
    ASSERT_TRUE(waitForPosition(0.2));
    engine->Pause();
    QTest::qWait(200);
    positions.clear();
    engine->Play({media("six.mp4"), {}});
    ASSERT_TRUE(waitForPosition(0.5)) << "the pause of the previous file does not carry over";
}

TEST_F(MpvPreviewEngineTest, TheEndOfTheFileIsReportedOnce)
{
    start({true, true});
    engine->Play({media("six.mp4"), {}});
    ASSERT_TRUE(QTest::qWaitFor([&] { return !ends.empty(); }, 10000));
    QTest::qWait(300);
    ASSERT_EQ(ends.size(), 1u);
    EXPECT_FALSE(ends[0].failed);
    EXPECT_GE(positions.back(), 5.5);
}

struct Unplayable {
    const char *name;
    const char *file;
};

class MpvUnplayableTest : public MpvPreviewEngineTest, public ::testing::WithParamInterface<Unplayable> {};

TEST_P(MpvUnplayableTest, IsReportedAsAFailedEnd)
{
    start();
    engine->Play({media(GetParam().file), {}});
    ASSERT_TRUE(QTest::qWaitFor([&] { return !ends.empty(); }, 5000));
    QTest::qWait(200);
    ASSERT_EQ(ends.size(), 1u);
    EXPECT_TRUE(ends[0].failed);
    EXPECT_FALSE(ends[0].reason.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Files, MpvUnplayableTest,
                         ::testing::Values(Unplayable{"NotMedia", "not-media.mp4"}, Unplayable{"Missing", "gone.mp4"}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(MpvPreviewEngineTest, StopEndsPlaybackWithoutAnEndEvent)
{
    start();
    engine->Play({media("six.mp4"), {}});
    ASSERT_TRUE(waitForPosition(0.2));
    engine->Stop();
    QTest::qWait(300);
    positions.clear();
    QTest::qWait(300);
    EXPECT_TRUE(positions.empty());
    EXPECT_TRUE(ends.empty());
}

TEST_F(MpvPreviewEngineTest, DestroyReleasesEveryThreadAndASecondDestroyDoesNothing)
{
    const int before = threadCount();
    start();
    engine->Play({media("six.mp4"), {}});
    ASSERT_TRUE(waitForPosition(0.2));
    EXPECT_GT(threadCount(), before);
    engine->DestroyPreviewWindow();
    EXPECT_EQ(threadCount(), before);
    engine->DestroyPreviewWindow();
    positions.clear();
    QTest::qWait(200);
    EXPECT_TRUE(positions.empty()) << "nothing is delivered after the release";
    engine->Seek(1);
    engine->Pause();
    engine->Stop();
}

TEST_F(MpvPreviewEngineTest, ASecondPreviewOnTheSameEngineWorks)
{
    start();
    engine->Play({media("six.mp4"), {}});
    ASSERT_TRUE(waitForPosition(0.2));
    engine->Stop();
    engine->DestroyPreviewWindow();
    ASSERT_TRUE(engine->InitPreviewWindow(0, 160, 120)) << engine->errorText().toStdString();
    positions.clear();
    engine->Seek(2);
    engine->Play({media("six.mp4"), {}});
    ASSERT_TRUE(waitForPosition(2.2));
}

struct DvdAudioCase {
    const char *name;
    qint32 streamId;
    const char *playedSourceId;
};

class MpvDvdRowTest : public MpvPreviewEngineTest, public ::testing::WithParamInterface<DvdAudioCase> {
protected:
    static void SetUpTestSuite()
    {
        MpvPreviewEngineTest::SetUpTestSuite();
        s_dvd = authoredDvd();
    }
    static DvdPreviewSource row(qint32 audioStreamId)
    {
        return DvdPreviewSource{
            QString::fromStdString(s_dvd.folder), 1, {{0, s_dvd.vobSectors - 1}}, audioStreamId, -1};
    }
    static inline AuthoredDvd s_dvd;
};

TEST_P(MpvDvdRowTest, PlaysItsSectorsWithTheChosenAudioTrack)
{
    start();
    engine->Play({{}, row(GetParam().streamId)});
    ASSERT_TRUE(waitForPosition(0.5)) << (ends.empty() ? "" : ends[0].reason.toStdString());
    EXPECT_EQ(engine->playerProperty("current-tracks/audio/src-id"), GetParam().playedSourceId);
    EXPECT_TRUE(ends.empty());
}

INSTANTIATE_TEST_SUITE_P(Tracks, MpvDvdRowTest,
                         ::testing::Values(DvdAudioCase{"Ac3", 0x80, "128"}, DvdAudioCase{"Mpeg", 0xC0, "448"}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(MpvDvdRowTest, ADvdRowThatCannotBeReadFailsWithItsReason)
{
    start();
    DvdPreviewSource gone = row(0x80);
    gone.dvdFolder = media("no-such-dvd");
    engine->Play({{}, gone});
    ASSERT_TRUE(QTest::qWaitFor([&] { return !ends.empty(); }, 5000));
    EXPECT_TRUE(ends[0].failed);
    EXPECT_TRUE(ends[0].reason.contains("cannot be opened")) << ends[0].reason.toStdString();
}

TEST_F(MpvDvdRowTest, ReachesTheEndOfItsSectors)
{
    start({true, true});
    engine->Play({{}, row(0x80)});
    ASSERT_TRUE(QTest::qWaitFor([&] { return !ends.empty(); }, 10000));
    EXPECT_FALSE(ends[0].failed) << ends[0].reason.toStdString();
    EXPECT_GE(positions.back(), 3.5);
}

} // namespace
