// The converter session with no window and no display (a QCoreApplication):
// a first start, a real batch, a quit during a job, and what the next start
// brings back.

#include "engine/encoder_runs.h"
#include "jobs/batch.h"
#include "jobs/file_adder.h"
#include "media_fixtures.h"
#include "recording_prompts.h"
#include "recording_shell.h"
#include "session/converter_session.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>

using namespace veltrix::test;

namespace {

const QString kBin = QStringLiteral(VELTRIX_BIN_DIR);

TEST(ConverterSession, ConvertsQuitsMidJobAndComesBackWithoutAWindow)
{
    TempDir settings, state, media;
    ::setenv("XDG_CONFIG_HOME", settings.path().c_str(), 1);
    ::setenv("XDG_STATE_HOME", state.path().c_str(), 1);
    generateMedia("-f lavfi -i sine=duration=2 -ac 2", media.file("tone.wav"));
    generateMedia("-f lavfi -i anullsrc=r=8000:cl=mono -t 600", media.file("long.wav"));
    const QString out = QString::fromStdString(media.file("out"));
    RecordingPrompts prompts;
    RecordingShell shell;
    {
        ConverterSession session(prompts, shell, kBin + "/veltrix-video-converter", kBin);
        session.readSettings();
        session.restoreJobList();
        EXPECT_EQ(session.profile().loadedProfileId(), 17); // a first start's profile, from no settings file
        EXPECT_TRUE(session.commandSituation().listEmpty);
        prompts.fileAnswers.push_back({QString::fromStdString(media.file("tone.wav"))});
        session.adder().addFiles();
        ASSERT_TRUE(QTest::qWaitFor([&] { return !session.busy().is(Busy::Adding); }, 60000));
        ASSERT_EQ(session.jobs().rowCount(), 1);
        session.outputFolder().setFolder(out);
        session.batch().start();
        EXPECT_TRUE(session.commandSituation().converting);
        ASSERT_TRUE(
            QTest::qWaitFor([&] { return !session.isConverting() && !session.encoderRuns().anyRunning(); }, 60000));
        EXPECT_EQ(session.jobs().status(0).state, JobState::Finished);
        EXPECT_TRUE(QFile::exists(out + "/tone.mp3"));

        // The system ends the program during a job: the encoder goes first,
        // the row reads why, then the settings and the list are saved and the
        // program exits with the code given.
        prompts.fileAnswers.push_back({QString::fromStdString(media.file("long.wav"))});
        session.adder().addFiles();
        ASSERT_TRUE(QTest::qWaitFor([&] { return !session.busy().is(Busy::Adding); }, 60000));
        session.batch().start();
        ASSERT_TRUE(QTest::qWaitFor([&] { return session.encoderRun().isRunning(); }, 20000));
        const qint64 pid = session.encoderRun().processId();
        QTimer::singleShot(0, &session, [&] { session.endInOrder(143); });
        QEventLoop programLoop;
        EXPECT_EQ(programLoop.exec(), 143);
        EXPECT_FALSE(session.batch().hasRunsUnderWay());
        EXPECT_TRUE(livingProcessesInGroup(static_cast<pid_t>(pid)).empty());
        EXPECT_EQ(session.jobs().status(1).state, JobState::Failed);
    }
    ConverterSession again(prompts, shell, kBin + "/veltrix-video-converter", kBin);
    again.readSettings();
    again.restoreJobList();
    EXPECT_EQ(again.outputFolder().stored(), out);
    ASSERT_EQ(again.jobs().rowCount(), 2);
    EXPECT_EQ(again.jobs().status(0).state, JobState::Finished);
    EXPECT_TRUE(again.jobs().status(1).reason.contains("ended by the system"));
    EXPECT_TRUE(again.commandSituation().rowSelected);
    EXPECT_TRUE(std::none_of(prompts.shown.begin(), prompts.shown.end(),
                             [](const auto &shown) { return shown.kind == RecordingPrompts::Kind::Warning; }));
    ::unsetenv("XDG_CONFIG_HOME");
    ::unsetenv("XDG_STATE_HOME");
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
