// Real batches through register.dat: advance over the checked rows, failed
// jobs, stop, pause and continue, and the after-batch actions.

#include "jobs/estimate.h"
#include "jobs_harness.h"

#include <QDir>
#include <QFileInfo>

using namespace veltrix::test;
using Kind = RecordingPrompts::Kind;

namespace {

class BatchTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        s_media = std::make_unique<TempDir>();
        for (const char *name : {"r0.wav", "r1.wav", "r2.wav", "r3.wav", "r4.wav"})
            generateMedia("-f lavfi -i sine=frequency=440:duration=2 -ac 2", s_media->file(name));
        // Long enough to be caught running: a video with sound.
        generateMedia("-f lavfi -i testsrc=size=640x480:rate=25:duration=40 -f lavfi -i sine=duration=40 "
                      "-c:v libx264 -preset ultrafast -c:a aac",
                      s_media->file("long.mp4"));
        // Probes as media, but its stream cannot be decoded.
        generateMedia("-f lavfi -i sine=frequency=440:duration=4 -ac 2", s_media->file("corrupt.wav"));
        std::string bytes = readFile(s_media->file("corrupt.wav"));
        std::string wav = bytes.substr(0, 44);
        wav.replace(20, 2, std::string("\x55\x55", 2)); // unknown sample format
        writeFile(s_media->file("corrupt.wav"), wav + bytes.substr(44));
    }
    static void TearDownTestSuite() { s_media.reset(); }

    static QString media(const char *name) { return QString::fromStdString(s_media->file(name)); }
    QString output(const QString &name) const { return QDir(QString::fromStdString(h.output.path())).filePath(name); }

    // Remembers every encoder the batch starts, to check none is left.
    void watchEncoders()
    {
        h.run.setStatusWriter([this](const QString &text) {
            pids.push_back(h.run.processId());
            h.jobs.setStatus(h.state.batchPosition, text);
        });
    }

    void TearDown() override
    {
        for (qint64 pid : pids)
            expectNoEncoderLeft(pid);
        expectNoEncoderLeft(h.run.processId());
    }

    static inline std::unique_ptr<TempDir> s_media;
    JobsHarness h;
    std::vector<qint64> pids;
};

TEST_F(BatchTest, ConvertsTheCheckedRowsInOrder)
{
    h.addFiles({media("r0.wav"), media("r1.wav"), media("r2.wav"), media("r3.wav"), media("r4.wav")});
    h.jobs.setChecked(1, false);
    h.jobs.setChecked(3, false);
    watchEncoders();
    h.control.start();
    EXPECT_TRUE(h.state.converting);
    EXPECT_TRUE(h.window.findChild<QPushButton *>("bt_start")->isHidden());
    ASSERT_TRUE(h.waitForBatchEnd());

    EXPECT_EQ(h.startedRows, (std::vector<int>{0, 2, 4}));
    for (int row : {0, 2, 4}) {
        EXPECT_EQ(h.jobs.status(row), kStatusFinish);
        const std::string file = output(QStringLiteral("r%1.mp3").arg(row)).toStdString();
        EXPECT_EQ(ffprobeField(file, "stream=codec_name"), "mp3") << file;
    }
    for (int row : {1, 3}) {
        EXPECT_EQ(h.jobs.status(row), kStatusAdded);
        EXPECT_FALSE(QFileInfo::exists(output(QStringLiteral("r%1.mp3").arg(row))));
    }
    EXPECT_FALSE(h.state.converting);
    EXPECT_FALSE(h.window.findChild<QPushButton *>("bt_start")->isHidden());
    EXPECT_TRUE(h.shell.openedFolders.isEmpty());
    EXPECT_EQ(h.shell.powerOffRequests, 0);
}

TEST_F(BatchTest, CorruptInputReadsFailedAndTheNextRowStillConverts)
{
    h.addFiles({media("corrupt.wav"), media("r1.wav")});
    ASSERT_EQ(h.jobs.rowCount(), 2);
    watchEncoders();
    h.control.start();
    ASSERT_TRUE(h.waitForBatchEnd());

    EXPECT_EQ(h.jobs.status(0), kStatusFailed);
    EXPECT_EQ(h.jobs.status(1), kStatusFinish);
    EXPECT_EQ(ffprobeField(output("r1.mp3").toStdString(), "stream=codec_name"), "mp3");
}

TEST_F(BatchTest, JobWhoseArgumentsCannotBeBuiltReadsFailed)
{
    h.selection.setCurrentProfileId(2);
    h.selection.selectProfile(2);
    h.addFiles({media("r0.wav"), media("r1.wav")});
    QualityLists lists = h.settings.qualityLists();
    lists.size.entries[0] = QStringLiteral("320x0");
    lists.size.selected = 0;
    h.settings.setQualityLists(lists);
    h.control.start();
    ASSERT_TRUE(h.waitForBatchEnd());
    EXPECT_EQ(h.jobs.status(0), kStatusFailed);
    EXPECT_EQ(h.jobs.status(1), kStatusFailed);
    EXPECT_FALSE(h.state.converting);
}

// "The Original Audio Quliay" on a profile with the AMR rates passes the
// source's own rate, which the encoder brings to the nearest rate the output
// takes; the size estimate counts the same rate.
struct AmrSourceCase {
    const char *what;
    std::vector<int> selections; // the last is the profile converted to
    const char *extension;
    bool sourceVideo; // the video quality stays at the source's own
};

TEST_F(BatchTest, TheSourcesOwnRateOnAnAmrProfile)
{
    TempDir media;
    generateMedia("-f lavfi -i testsrc=size=320x240:rate=25:duration=2 -f lavfi -i sine=duration=2 "
                  "-c:v mpeg4 -c:a aac -b:a 48k -ac 1",
                  media.file("clip.mp4"));
    const AmrSourceCase cases[] = {
        {"3GP", {8}, ".3gp", true},
        // Id 71 offers no source entry of its own; one left by id 8 stays.
        {"AMR", {8, 71}, ".amr", false},
    };
    for (const AmrSourceCase &c : cases) {
        SCOPED_TRACE(c.what);
        for (const int id : c.selections) {
            h.selection.setCurrentProfileId(id);
            h.selection.selectProfile(id);
        }
        QualityLists lists = h.settings.qualityLists();
        lists.audioQuality.selected = int(lists.audioQuality.entries.indexOf(kOriginalAudioQuality));
        ASSERT_GE(lists.audioQuality.selected, 0);
        h.settings.setQualityLists(lists);
        h.addFiles({QString::fromStdString(media.file("clip.mp4"))});
        const int row = h.jobs.rowCount() - 1;
        const int sourceKbits = h.jobs.original(row).audioBitrate.toInt();
        ASSERT_GT(sourceKbits, 20);
        h.jobs.uncheckAll();
        h.jobs.setChecked(row, true);
        h.control.start();
        ASSERT_TRUE(h.waitForBatchEnd());
        EXPECT_EQ(h.run.record().audiobitrate, QStringLiteral(" -ab %1").arg(sourceKbits * 1000));
        EXPECT_EQ(h.jobs.status(row), kStatusFinish);
        EXPECT_EQ(ffprobeField(output(QStringLiteral("clip") + c.extension).toStdString(), "stream=sample_rate"),
                  "8000");
        const int video = c.sourceVideo ? h.jobs.original(row).videoBitrate.toInt() : 0;
        EXPECT_EQ(h.jobs.sizeColumn(row), sizeText(video + sourceKbits, 2));
    }
}

TEST_F(BatchTest, StopOnTheSecondOfThreeLeavesTheThirdUntouched)
{
    h.afterBatchAction = 2;
    h.addFiles({media("r0.wav"), media("long.mp4"), media("r2.wav")});
    h.selection.setCurrentProfileId(2);
    h.selection.selectProfile(2);
    watchEncoders();
    h.control.start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return h.state.batchPosition == 1 && h.jobs.status(1).endsWith('%'); },
                                60000));
    const qint64 pid = h.run.processId();
    h.control.stop();

    EXPECT_EQ(h.jobs.status(1), kStatusStop);
    EXPECT_FALSE(h.state.converting);
    ASSERT_TRUE(h.waitForBatchEnd());
    expectNoEncoderLeft(pid);
    EXPECT_EQ(h.jobs.status(0), kStatusFinish);
    EXPECT_EQ(h.jobs.status(1), kStatusStop);
    EXPECT_EQ(h.jobs.status(2), kStatusAdded);
    EXPECT_EQ(h.shell.powerOffRequests, 0);

    // Start after a stop begins at the first checked row again.
    h.startedRows.clear();
    h.jobs.setChecked(1, false);
    h.control.start();
    ASSERT_TRUE(h.waitForBatchEnd());
    EXPECT_EQ(h.startedRows, (std::vector<int>{0, 2}));
    EXPECT_EQ(h.jobs.status(2), kStatusFinish);
    // The first output was kept: the second run of row 0 wrote beside it.
    EXPECT_TRUE(QFileInfo::exists(output("r0.avi")));
    EXPECT_TRUE(QFileInfo::exists(output("r0_1.avi")));
    EXPECT_EQ(h.shell.powerOffRequests, 1);
}

TEST_F(BatchTest, PauseHoldsTheEncoderAndContinueFinishesTheJob)
{
    h.selection.setCurrentProfileId(2);
    h.selection.selectProfile(2);
    h.addFiles({media("long.mp4")});
    watchEncoders();
    h.control.start();
    const QString file = output("long.avi");
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFileInfo(file).size() > 0 && h.jobs.status(0).endsWith('%'); },
                                60000));
    h.control.pauseToggle();
    EXPECT_EQ(h.pauseCaption(), kContinueCaption);
    QTest::qWait(300); // let writes already under way land
    const qint64 held = QFileInfo(file).size();
    QTest::qWait(1500);
    EXPECT_EQ(QFileInfo(file).size(), held);
    EXPECT_TRUE(h.state.converting);

    // Start while paused continues the batch.
    h.control.start();
    EXPECT_EQ(h.pauseCaption(), kPauseCaption);
    EXPECT_TRUE(h.prompts.boxes().empty());
    ASSERT_TRUE(h.waitForBatchEnd());
    EXPECT_EQ(h.jobs.status(0), kStatusFinish);
    EXPECT_EQ(ffprobeField(file.toStdString(), "stream=codec_type"), "video");
}

TEST_F(BatchTest, StopWhilePausedEndsTheRunCleanly)
{
    h.selection.setCurrentProfileId(2);
    h.selection.selectProfile(2);
    h.addFiles({media("long.mp4"), media("r1.wav")});
    watchEncoders();
    h.control.start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return h.jobs.status(0).endsWith('%'); }, 60000));
    const qint64 pid = h.run.processId();
    h.control.pauseToggle();
    QSignalSpy ended(&h.run, &EncoderRun::runEnded);
    h.control.stop();
    ASSERT_TRUE(ended.wait(20000));

    EXPECT_FALSE(h.run.isRunning());
    expectNoEncoderLeft(pid);
    EXPECT_EQ(h.jobs.status(0), kStatusStop);
    EXPECT_EQ(h.jobs.status(1), kStatusAdded);
    EXPECT_EQ(h.pauseCaption(), kPauseCaption);
}

TEST_F(BatchTest, OpenFolderActionAsksOnceAtTheEnd)
{
    h.afterBatchAction = 1;
    h.addFiles({media("r0.wav"), media("r1.wav")});
    h.control.start();
    ASSERT_TRUE(h.waitForBatchEnd());
    ASSERT_EQ(h.shell.openedFolders.size(), 1);
    EXPECT_EQ(QDir(h.shell.openedFolders[0]).absolutePath(), QDir(QString::fromStdString(h.output.path())).absolutePath());
    EXPECT_EQ(h.shell.powerOffRequests, 0);
}

TEST_F(BatchTest, PowerOffActionRunsOnceAtANormalEnd)
{
    h.afterBatchAction = 2;
    h.addFiles({media("r0.wav"), media("r1.wav")});
    h.control.start();
    ASSERT_TRUE(h.waitForBatchEnd());
    EXPECT_EQ(h.shell.powerOffRequests, 1);
    EXPECT_TRUE(h.shell.openedFolders.isEmpty());
}

TEST_F(BatchTest, StartExplainsWhyItCannotStart)
{
    h.control.start(); // empty list: nothing
    EXPECT_TRUE(h.prompts.boxes().empty());
    h.addFiles({media("r0.wav")});
    h.jobs.uncheckAll();
    h.control.start();
    ASSERT_EQ(h.prompts.boxes().size(), 1u);
    EXPECT_EQ(h.prompts.boxes()[0].kind, Kind::Information);
    EXPECT_EQ(h.prompts.boxes()[0].text, "Please select one file.");
    EXPECT_FALSE(h.state.converting);

    h.state.previewing = true;
    h.control.start();
    h.state.previewing = false;
    h.jobs.checkAll();
    h.control.start();
    h.control.start(); // running, not paused
    ASSERT_TRUE(h.waitForBatchEnd());
    const auto boxes = h.prompts.boxes();
    ASSERT_EQ(boxes.size(), 3u);
    const QByteArray language = QByteArray::fromStdString(readFile(VELTRIX_BIN_DIR "/language.info"));
    EXPECT_EQ(boxes[1].text, messageLine(language, 27));
    EXPECT_EQ(boxes[2].text, messageLine(language, 26));
}

} // namespace
