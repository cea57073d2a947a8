// The converter session with no window and no display: a first start, a
// real batch, the system's end during a job, and what the next start brings
// back.

#include "session_fixture.h"

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QTimer>
#include <algorithm>

using namespace veltrix::test;

namespace {

TEST_F(SessionTest, ConvertsIsEndedMidJobAndComesBackWithoutAWindow)
{
    TempDir media;
    generateMedia("-f lavfi -i sine=duration=2 -ac 2", media.file("tone.wav"));
    generateMedia("-f lavfi -i anullsrc=r=8000:cl=mono -t 600", media.file("long.wav"));
    ConverterSession &session = start("veltrix-audio-converter");
    EXPECT_EQ(session.profile().loadedProfileId(), 17); // a first start's profile, from no settings file
    EXPECT_EQ(session.settings().outputPath, QDir::home().filePath("Music/"));
    EXPECT_TRUE(session.commandSituation().listEmpty);
    addFiles({QString::fromStdString(media.file("tone.wav"))});
    ASSERT_EQ(session.jobs().rowCount(), 1);
    session.batch().start();
    EXPECT_TRUE(session.commandSituation().converting);
    ASSERT_TRUE(QTest::qWaitFor([&] { return batchEnded(); }, 60000));
    EXPECT_EQ(session.jobs().status(0).state, JobState::Finished);
    EXPECT_TRUE(QFile::exists(output() + "/tone.mp3"));

    // The system ends the program during a job: the encoder goes first, the
    // row reads why, then the settings and the list are saved and the
    // program exits with the code given.
    addFiles({QString::fromStdString(media.file("long.wav"))});
    session.batch().start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return session.encoderRun().isRunning(); }, 20000));
    const qint64 pid = session.encoderRun().processId();
    QTimer::singleShot(0, &session, [&] { session.endInOrder(143); });
    QEventLoop programLoop;
    EXPECT_EQ(programLoop.exec(), 143);
    EXPECT_FALSE(session.batch().hasRunsUnderWay());
    EXPECT_TRUE(livingProcessesInGroup(static_cast<pid_t>(pid)).empty());
    EXPECT_EQ(session.jobs().status(1).state, JobState::Failed);

    m_session.reset();
    ConverterSession &again = start("veltrix-audio-converter");
    ASSERT_EQ(again.jobs().rowCount(), 2);
    EXPECT_EQ(again.jobs().status(0).state, JobState::Finished);
    EXPECT_TRUE(again.jobs().status(1).reason.contains("ended by the system"));
    EXPECT_TRUE(again.commandSituation().rowSelected);
    EXPECT_TRUE(std::none_of(m_prompts.shown.begin(), m_prompts.shown.end(),
                             [](const auto &shown) { return shown.kind == RecordingPrompts::Kind::Warning; }));
}

// A first start of a video edition converts to MP4 AVC in the videos folder.
TEST_F(SessionTest, AFirstStartOfAVideoEditionTakesMp4AvcAndTheVideosFolder)
{
    for (const char *program : {"veltrix-video-converter", "veltrix-dvd-ripper"}) {
        ConverterSession &session = start(QString::fromLatin1(program));
        EXPECT_EQ(session.profile().loadedProfileId(), 5) << program;
        EXPECT_EQ(session.settings().outputPath, QDir::home().filePath("Videos/")) << program;
    }
}

} // namespace
