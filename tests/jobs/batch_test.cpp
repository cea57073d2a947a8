// Real batches through register.dat: advance over the checked rows, failed
// jobs, stop, pause and continue, and the after-batch actions.

#include "jobs/estimate.h"
#include "jobs_harness.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <sys/mount.h>

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
        // Lengths that are no whole number of seconds.
        generateMedia("-f lavfi -i sine=frequency=440:duration=12.96 -ac 2", s_media->file("fraction.wav"));
        generateMedia("-f lavfi -i sine=frequency=440:duration=0.8 -ac 2", s_media->file("short.wav"));
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
        QObject::connect(&h.run, &EncoderRun::progress, [this] { pids.push_back(h.run.processId()); });
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
    h.batch.start();
    EXPECT_TRUE(h.batch.isConverting());
    EXPECT_TRUE(h.window.findChild<QPushButton *>("bt_start")->isHidden());
    ASSERT_TRUE(h.waitForBatchEnd());

    EXPECT_EQ(h.startedRows, (std::vector<int>{0, 2, 4}));
    for (int row : {0, 2, 4}) {
        EXPECT_EQ(h.jobs.status(row).state, JobState::Finished);
        const std::string file = output(QStringLiteral("r%1.mp3").arg(row)).toStdString();
        EXPECT_EQ(ffprobeField(file, "stream=codec_name"), "mp3") << file;
    }
    for (int row : {1, 3}) {
        EXPECT_EQ(h.jobs.status(row).state, JobState::Waiting);
        EXPECT_FALSE(QFileInfo::exists(output(QStringLiteral("r%1.mp3").arg(row))));
    }
    EXPECT_FALSE(h.batch.isConverting());
    EXPECT_FALSE(h.window.findChild<QPushButton *>("bt_start")->isHidden());
    EXPECT_TRUE(h.shell.openedFolders.isEmpty());
    EXPECT_EQ(h.shell.powerOffRequests, 0);
}

TEST_F(BatchTest, CorruptInputReadsFailedAndTheNextRowStillConverts)
{
    h.addFiles({media("corrupt.wav"), media("r1.wav")});
    ASSERT_EQ(h.jobs.rowCount(), 2);
    watchEncoders();
    h.batch.start();
    ASSERT_TRUE(h.waitForBatchEnd());

    EXPECT_EQ(h.jobs.status(0).state, JobState::Failed);
    EXPECT_EQ(h.jobs.status(1).state, JobState::Finished);
    EXPECT_EQ(ffprobeField(output("r1.mp3").toStdString(), "stream=codec_name"), "mp3");
}

TEST_F(BatchTest, JobWhoseArgumentsCannotBeBuiltReadsFailed)
{
    h.profile.setCurrentProfileId(2);
    h.profile.select(2);
    h.addFiles({media("r0.wav"), media("r1.wav")});
    QualityLists lists = h.profile.lists();
    lists.size.entries[0] = QStringLiteral("320x0");
    lists.size.selected = 0;
    h.profile.setLists(lists);
    h.batch.start();
    ASSERT_TRUE(h.waitForBatchEnd());
    EXPECT_EQ(h.jobs.status(0).state, JobState::Failed);
    EXPECT_EQ(h.jobs.status(1).state, JobState::Failed);
    EXPECT_FALSE(h.batch.isConverting());
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
            h.profile.setCurrentProfileId(id);
            h.profile.select(id);
        }
        QualityLists lists = h.profile.lists();
        lists.audioQuality.selected = int(lists.audioQuality.entries.indexOf(kOriginalAudioQuality));
        ASSERT_GE(lists.audioQuality.selected, 0);
        h.profile.setLists(lists);
        h.addFiles({QString::fromStdString(media.file("clip.mp4"))});
        const int row = h.jobs.rowCount() - 1;
        const int sourceKbits = h.jobs.original(row).audioBitrate.toInt();
        ASSERT_GT(sourceKbits, 20);
        h.jobs.setAllChecked(false);
        h.jobs.setChecked(row, true);
        h.batch.start();
        ASSERT_TRUE(h.waitForBatchEnd());
        EXPECT_EQ(h.lastStarted.audiobitrate, QStringLiteral(" -ab %1").arg(sourceKbits * 1000));
        EXPECT_EQ(h.jobs.status(row).state, JobState::Finished);
        EXPECT_EQ(ffprobeField(output(QStringLiteral("clip") + c.extension).toStdString(), "stream=sample_rate"),
                  "8000");
        const int video = c.sourceVideo ? h.jobs.original(row).videoBitrate.toInt() : 0;
        EXPECT_EQ(h.jobs.sizeColumn(row), sizeText(video + sourceKbits, 2));
    }
}

TEST_F(BatchTest, StopOnTheSecondOfThreeLeavesTheThirdUntouched)
{
    h.batch.setAfterBatchAction(static_cast<AfterBatchAction>(2));
    h.addFiles({media("r0.wav"), media("long.mp4"), media("r2.wav")});
    h.profile.setCurrentProfileId(2);
    h.profile.select(2);
    watchEncoders();
    h.batch.start();
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            return h.batch.runningRow() == 1 && h.jobs.statusColumn(1).endsWith('%')
                   && QFileInfo(h.run.unfinishedOutput()).size() > 0;
        },
        60000));
    const qint64 pid = h.run.processId();
    h.batch.stop();

    EXPECT_EQ(h.jobs.status(1).state, JobState::Stopped);
    EXPECT_FALSE(h.batch.isConverting());
    ASSERT_TRUE(h.waitForBatchEnd());
    expectNoEncoderLeft(pid);
    EXPECT_EQ(h.jobs.status(0).state, JobState::Finished);
    EXPECT_EQ(h.jobs.status(1).state, JobState::Stopped);
    EXPECT_EQ(h.jobs.status(2).state, JobState::Waiting);
    EXPECT_EQ(h.shell.powerOffRequests, 0);

    // The stopped file says it is partial; no file under a final name holds it.
    ASSERT_TRUE(h.jobs.job(1).lastRun.stoppedOutput);
    EXPECT_EQ(h.jobs.job(1).lastRun.stoppedOutput->path, output("long (partial).avi"));
    EXPECT_FALSE(QFileInfo::exists(output("long.avi")));

    // A second Start converts what is left: the finished row stays as it is,
    // and every row the batch takes waits under its own status.
    h.startedRows.clear();
    std::vector<JobState> atStart;
    QObject::connect(&h.batch, &Batch::batchStarted, [&] {
        for (int row = 0; row < 3; ++row)
            atStart.push_back(h.jobs.status(row).state);
    });
    h.batch.start();
    ASSERT_TRUE(h.waitForBatchEnd());
    EXPECT_EQ(atStart, (std::vector<JobState>{JobState::Finished, JobState::Waiting, JobState::Waiting}));
    EXPECT_EQ(h.startedRows, (std::vector<int>{1, 2}));
    // The whole output replaced the partial one.
    EXPECT_EQ(QDir(QString::fromStdString(h.output.path())).entryList(QDir::Files | QDir::Hidden),
              (QStringList{"long.avi", "r0.avi", "r2.avi"}));
    EXPECT_EQ(h.shell.powerOffRequests, 1);

    // Convert Again queues a finished row once more, beside its first output.
    h.startedRows.clear();
    h.batch.convertAgain({0});
    h.batch.start();
    ASSERT_TRUE(h.waitForBatchEnd());
    EXPECT_EQ(h.startedRows, (std::vector<int>{0}));
    EXPECT_TRUE(QFileInfo::exists(output("r0_1.avi")));
}

// A restarted stopped row replaces the partial output it left itself; a file
// put in that place since is the user's and is kept.
TEST_F(BatchTest, ARestartedStoppedRowReplacesOnlyThePartialOutputItLeft)
{
    h.profile.setCurrentProfileId(2);
    h.profile.select(2);
    h.addFiles({media("long.mp4")});
    watchEncoders();
    const auto run = [&](const char *expected, bool stop) {
        h.batch.start();
        EXPECT_EQ(h.lastStarted.outputfile, output(expected));
        // Written under its temporary name until the run ends.
        ASSERT_TRUE(QTest::qWaitFor([&] { return QFileInfo(h.run.unfinishedOutput()).size() > 0; }, 60000));
        if (stop)
            h.batch.stop();
        ASSERT_TRUE(h.waitForBatchEnd());
    };
    const auto files = [&] { return QDir(QString::fromStdString(h.output.path())).entryList(QDir::Files); };
    run("long.avi", true);
    EXPECT_EQ(files(), QStringList{"long (partial).avi"});
    EXPECT_TRUE(h.jobs.status(0).reason.contains(output("long (partial).avi")));
    run("long.avi", true); // a second stop replaces the first partial file
    writeFile(output("long (partial).avi").toStdString(), "the user's own file");
    run("long.avi", false);
    EXPECT_EQ(h.jobs.status(0).state, JobState::Finished);
    EXPECT_EQ(files(), (QStringList{"long (partial).avi", "long.avi"}));
    EXPECT_EQ(readFile(output("long (partial).avi").toStdString()), "the user's own file");
}

TEST_F(BatchTest, PauseHoldsTheEncoderAndContinueFinishesTheJob)
{
    h.profile.setCurrentProfileId(2);
    h.profile.select(2);
    h.addFiles({media("long.mp4")});
    watchEncoders();
    h.batch.start();
    const QString file = output("long.avi");
    const QString writing = h.run.unfinishedOutput(); // the file's name until it is whole
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return QFileInfo(writing).size() > 0 && h.jobs.statusColumn(0).endsWith('%'); }, 60000));
    h.batch.pauseToggle();
    EXPECT_EQ(h.pauseCaption(), kContinueCaption);
    QTest::qWait(300); // let writes already under way land
    const qint64 held = QFileInfo(writing).size();
    QTest::qWait(1500);
    EXPECT_EQ(QFileInfo(writing).size(), held);
    EXPECT_TRUE(h.batch.isConverting());

    // Start while paused continues the batch.
    h.batch.start();
    EXPECT_EQ(h.pauseCaption(), kPauseCaption);
    EXPECT_TRUE(h.prompts.boxes().empty());
    ASSERT_TRUE(h.waitForBatchEnd());
    EXPECT_EQ(h.jobs.status(0).state, JobState::Finished);
    EXPECT_EQ(ffprobeField(file.toStdString(), "stream=codec_type"), "video");
}

TEST_F(BatchTest, StopWhilePausedEndsTheRunCleanly)
{
    h.profile.setCurrentProfileId(2);
    h.profile.select(2);
    h.addFiles({media("long.mp4"), media("r1.wav")});
    watchEncoders();
    h.batch.start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return h.jobs.statusColumn(0).endsWith('%'); }, 60000));
    const qint64 pid = h.run.processId();
    h.batch.pauseToggle();
    QSignalSpy ended(&h.run, &EncoderRun::runEnded);
    h.batch.stop();
    ASSERT_TRUE(ended.wait(20000));

    EXPECT_FALSE(h.run.isRunning());
    expectNoEncoderLeft(pid);
    EXPECT_EQ(h.jobs.status(0).state, JobState::Stopped);
    EXPECT_EQ(h.jobs.status(1).state, JobState::Waiting);
    EXPECT_EQ(h.pauseCaption(), kPauseCaption);
}

TEST_F(BatchTest, OpenFolderActionAsksOnceAtTheEnd)
{
    h.batch.setAfterBatchAction(static_cast<AfterBatchAction>(1));
    h.addFiles({media("r0.wav"), media("r1.wav")});
    h.batch.start();
    ASSERT_TRUE(h.waitForBatchEnd());
    ASSERT_EQ(h.shell.openedFolders.size(), 1);
    EXPECT_EQ(QDir(h.shell.openedFolders[0]).absolutePath(),
              QDir(QString::fromStdString(h.output.path())).absolutePath());
    EXPECT_EQ(h.shell.powerOffRequests, 0);
}

TEST_F(BatchTest, PowerOffActionRunsOnceAtANormalEnd)
{
    h.batch.setAfterBatchAction(static_cast<AfterBatchAction>(2));
    h.addFiles({media("r0.wav"), media("r1.wav")});
    h.batch.start();
    ASSERT_TRUE(h.waitForBatchEnd());
    EXPECT_EQ(h.shell.powerOffRequests, 1);
    EXPECT_TRUE(h.shell.openedFolders.isEmpty());
}

TEST_F(BatchTest, StartExplainsWhyItCannotStart)
{
    h.batch.start(); // empty list: nothing
    EXPECT_TRUE(h.prompts.boxes().empty());
    h.addFiles({media("r0.wav")});
    h.jobs.setAllChecked(false);
    h.batch.start();
    ASSERT_EQ(h.prompts.boxes().size(), 1u);
    EXPECT_EQ(h.prompts.boxes()[0].kind, Kind::Information);
    EXPECT_EQ(h.prompts.boxes()[0].text, "Please select one file.");
    EXPECT_FALSE(h.batch.isConverting());
}

// Every fraction of a second of a whole file is converted.
TEST_F(BatchTest, WholeFilesKeepTheirFractionOfASecond)
{
    h.addFiles({media("fraction.wav"), media("short.wav")});
    h.batch.start();
    ASSERT_TRUE(h.waitForBatchEnd());
    const std::pair<const char *, double> lengths[] = {{"fraction.mp3", 12.96}, {"short.mp3", 0.8}};
    for (int row = 0; row < 2; ++row) {
        SCOPED_TRACE(lengths[row].first);
        EXPECT_EQ(h.jobs.status(row).state, JobState::Finished);
        const std::string file = output(lengths[row].first).toStdString();
        EXPECT_NEAR(std::stod("0" + ffprobeField(file, "format=duration")), lengths[row].second, 0.05);
    }
}

// "Finish" means a whole output: a FLAC file of 0.07 s converts (no seek to
// its start), a truncated source converts as far as it goes and says so,
// and an output the encoder wrote nothing into (a clip beyond the end) fails
// with its reason and leaves no file.
TEST_F(BatchTest, FinishMeansAWholeOutput)
{
    generateMedia("-f lavfi -i sine=duration=0.07 -ac 2", s_media->file("blip.flac"));
    generateMedia("-f lavfi -i sine=duration=4 -c:a aac -movflags +faststart", s_media->file("cut.m4a"));
    const std::string whole = readFile(s_media->file("cut.m4a"));
    writeFile(s_media->file("cut.m4a"), whole.substr(0, whole.size() / 2));
    h.addFiles({media("blip.flac"), media("cut.m4a"), media("r0.wav")});
    h.jobs.setClipRange(2, {500, 700}); // the source lasts 2 s
    h.batch.start();
    ASSERT_TRUE(h.waitForBatchEnd());

    EXPECT_EQ(h.jobs.status(0).state, JobState::Finished);
    EXPECT_EQ(ffprobeField(output("blip.mp3").toStdString(), "stream=codec_name"), "mp3");
    const std::tuple<int, JobState, const char *> ends[] = {{1, JobState::Finished, "the source stated 4.00 s"},
                                                            {2, JobState::Failed, "Output file is empty"}};
    for (const auto &[row, state, reason] : ends) {
        EXPECT_EQ(h.jobs.status(row).state, state);
        EXPECT_TRUE(h.jobs.status(row).reason.contains(QLatin1String(reason)))
            << h.jobs.status(row).reason.toStdString();
    }
    EXPECT_EQ(QDir(QString::fromStdString(h.output.path())).entryList(QDir::Files | QDir::Hidden),
              (QStringList{"blip.mp3", "cut.mp3"}));
}

// Sources whose stated length is a guess or longer than their sound convert
// whole: ADTS AAC that opens with silence, a VBR MP3 without a Xing header
// that opens loud, a 10 s video with 6 s of sound. Nothing is deleted.
TEST_F(BatchTest, SourcesConvertWholeWhateverLengthTheyState)
{
    generateMedia("-f lavfi -i anullsrc=r=44100:cl=stereo:d=1 -f lavfi -i sine=duration=19.5 -filter_complex "
                  "[1]aformat=channel_layouts=stereo[b];[0][b]concat=n=2:v=0:a=1 -c:a aac",
                  s_media->file("quiet start.aac"));
    generateMedia("-f lavfi -i anoisesrc=d=3:a=1 -f lavfi -i sine=duration=17 -filter_complex "
                  "[0]aresample=44100[a];[1]volume=0.05[b];[a][b]concat=n=2:v=0:a=1 -c:a libmp3lame -q:a 4 "
                  "-write_xing 0",
                  s_media->file("loud start.mp3"));
    generateMedia("-f lavfi -i testsrc=size=320x240:rate=25:duration=10 -f lavfi -i sine=duration=6 -c:v libx264 "
                  "-preset ultrafast -c:a aac",
                  s_media->file("short sound.mp4"));
    h.addFiles({media("quiet start.aac"), media("loud start.mp3"), media("short sound.mp4")});
    h.batch.start();
    ASSERT_TRUE(h.waitForBatchEnd());
    const std::pair<const char *, double> outputs[] = {
        {"quiet start.mp3", 20.5}, {"loud start.mp3", 20.0}, {"short sound.mp3", 6.0}};
    for (int row = 0; row < 3; ++row) {
        SCOPED_TRACE(outputs[row].first);
        EXPECT_EQ(h.jobs.status(row).state, JobState::Finished) << h.jobs.status(row).reason.toStdString();
        EXPECT_FALSE(h.jobs.job(row).lastRun.commandLine.contains(" -t "));
        EXPECT_NEAR(std::stod("0" + ffprobeField(output(outputs[row].first).toStdString(), "format=duration")),
                    outputs[row].second, 0.1);
    }
    EXPECT_TRUE(h.jobs.status(2).reason.contains("the source stated 10.00 s; it holds 6.0"))
        << h.jobs.status(2).reason.toStdString();
}

// Two jobs at once over sources of one name in eight folders: every row's
// command line names the output that holds its own source.
TEST_F(BatchTest, JobsAtOnceNeverShareAnOutputName)
{
    h.batch.setJobsAtOnceSetting(2);
    QStringList sources;
    for (int n = 0; n < 8; ++n) {
        const std::string folder = s_media->file("d" + std::to_string(n));
        std::filesystem::create_directories(folder);
        generateMedia("-f lavfi -i sine=duration=" + std::to_string(1 + n * 0.25), folder + "/s.wav");
        sources << QString::fromStdString(folder + "/s.wav");
    }
    h.addFiles(sources);
    h.batch.start();
    ASSERT_TRUE(h.waitForBatchEnd());
    QStringList named;
    for (int row = 0; row < 8; ++row) {
        SCOPED_TRACE(row);
        EXPECT_EQ(h.jobs.status(row).state, JobState::Finished);
        named << h.jobs.job(row).lastRun.commandLine.section(u' ', -1);
        EXPECT_NEAR(std::stod("0" + ffprobeField(named.last().toStdString(), "format=duration")), 1 + row * 0.25,
                    0.05);
    }
    named.removeDuplicates();
    EXPECT_EQ(named.size(), 8);
}

// A disk that fills up mid-batch: every job fails with the disk's cause, the
// batch ends, and what was written stays only under a partial name.
TEST_F(BatchTest, AFullDiskFailsEachJobAndKeepsOnlyPartialOutputs)
{
    const std::string disk = h.output.file("small");
    std::filesystem::create_directories(disk);
    if (::mount("tmpfs", disk.c_str(), "tmpfs", 0, "size=64k") != 0)
        GTEST_SKIP() << "cannot mount a small tmpfs here";
    h.outputField.setFolder(QString::fromStdString(disk));
    h.addFiles({media("fraction.wav"), media("long.mp4")});
    h.profile.setCurrentProfileId(2);
    h.profile.select(2);
    h.batch.start();
    const bool ended = h.waitForBatchEnd();
    const QStringList left = QDir(QString::fromStdString(disk)).entryList(QDir::Files);
    ::umount(disk.c_str());
    ASSERT_TRUE(ended);
    for (int row = 0; row < 2; ++row) {
        EXPECT_EQ(h.jobs.status(row).state, JobState::Failed);
        EXPECT_TRUE(h.jobs.status(row).reason.startsWith("No space left on device"))
            << h.jobs.status(row).reason.toStdString();
    }
    for (const QString &file : left)
        EXPECT_TRUE(file.contains(" (partial).")) << file.toStdString();
}

} // namespace

// The hint line tells the batch: which job of how many, and once its pace
// settles, the time left, which falls.
TEST_F(BatchTest, TheHintLineCountsTheJobsAndTheTimeLeftFalls)
{
    generateMedia("-f lavfi -i sine=duration=160 -ac 2", s_media->file("pace.wav"));
    h.batch.setJobsAtOnceSetting(1);
    h.addFiles(QStringList(4, media("pace.wav")));
    QStringList hints;
    QObject::connect(&h.batch, &Batch::displayChanged, [&](qint32, const QString &hint) { hints << hint; });
    h.batch.start();
    ASSERT_TRUE(h.waitForBatchEnd());
    const QRegularExpression paced(
        QStringLiteral("^Converting [1-4] of 4 \u00b7 (\\d\\d):(\\d\\d) left \u00b7 \\d+\\.\\dx$"));
    std::vector<int> left;
    for (const QString &hint : hints)
        if (const QRegularExpressionMatch m = paced.match(hint); m.hasMatch())
            left.push_back(m.captured(1).toInt() * 60 + m.captured(2).toInt());
    EXPECT_TRUE(hints.first().startsWith("Converting 1 of 4") && hints.contains("Converting 1 of 4"));
    ASSERT_GE(left.size(), 2u) << hints.join(" | ").toStdString();
    EXPECT_LT(left.back(), left.front());
}

// Two jobs at once, started at the same moment, two of them under one name
// and one failing: every promise of a batch holds for each of them.
TEST_F(BatchTest, TwoJobsAtOnceKeepEveryPromiseOfABatch)
{
    h.batch.setJobsAtOnceSetting(2);
    h.addFiles({media("r0.wav"), media("r0.wav"), media("corrupt.wav"), media("r1.wav")});
    QStringList hints;
    QObject::connect(&h.batch, &Batch::displayChanged, [&](qint32, const QString &hint) { hints << hint; });
    h.batch.start();
    EXPECT_EQ(h.batch.runningRows(), (std::vector<int>{0, 1}));
    // The machine may sleep only once the last job has ended: at each end
    // the sleep lock is held exactly while the batch still converts. (A
    // third run takes a job while another run's output is read back.)
    std::vector<bool> lockFollowsBatch;
    for (int i = 0; i < 3; ++i)
        QObject::connect(&h.runs.at(i), &EncoderRun::runEnded,
                         [&] { lockFollowsBatch.push_back(h.shell.sleepInhibited == h.batch.isConverting()); });
    ASSERT_TRUE(h.waitForBatchEnd());

    EXPECT_EQ(h.startedRows, (std::vector<int>{0, 1, 2, 3}));
    EXPECT_TRUE(hints.contains("Converting 2 of 4 \u00b7 2 running")) << hints.join(" | ").toStdString();
    const char *outputs[] = {"r0.mp3", "r0_1.mp3", nullptr, "r1.mp3"};
    for (int row = 0; row < 4; ++row) {
        SCOPED_TRACE(row);
        if (!outputs[row]) {
            EXPECT_EQ(h.jobs.status(row).state, JobState::Failed);
            continue;
        }
        EXPECT_EQ(h.jobs.status(row).state, JobState::Finished);
        EXPECT_NEAR(std::stod("0" + ffprobeField(output(outputs[row]).toStdString(), "format=duration")), 2.0, 0.05);
    }
    EXPECT_EQ(h.shell.notifications, QStringList{"Conversion finished: 3 finished, 1 failed, 0 stopped"});
    EXPECT_EQ(lockFollowsBatch, std::vector<bool>(4, true));
    EXPECT_FALSE(h.shell.sleepInhibited);
}

// Pause and Stop act on both running jobs; the stop runs no after-batch action.
TEST_F(BatchTest, PauseAndStopActOnEveryRunningJob)
{
    h.profile.setCurrentProfileId(2);
    h.profile.select(2);
    h.batch.setJobsAtOnceSetting(2);
    h.batch.setAfterBatchAction(AfterBatchAction::PowerOff);
    h.addFiles({media("long.mp4"), media("long.mp4"), media("r2.wav")});
    std::vector<BatchTally> ended;
    QObject::connect(&h.batch, &Batch::batchEnded, [&](const BatchTally &tally) { ended.push_back(tally); });
    h.batch.start();
    // The files the two runs write until they are settled.
    const QString files[] = {h.runs.at(0).unfinishedOutput(), h.runs.at(1).unfinishedOutput()};
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            return QFileInfo(files[0]).size() > 0 && QFileInfo(files[1]).size() > 0
                   && h.jobs.statusColumn(0).endsWith('%') && h.jobs.statusColumn(1).endsWith('%');
        },
        60000));
    const qint64 pids[] = {h.runs.at(0).processId(), h.runs.at(1).processId()};
    h.batch.pauseToggle();
    EXPECT_EQ(h.pauseCaption(), kContinueCaption);
    QTest::qWait(300); // let writes already under way land
    const qint64 held[] = {QFileInfo(files[0]).size(), QFileInfo(files[1]).size()};
    QTest::qWait(1500);
    for (int row = 0; row < 2; ++row) {
        EXPECT_EQ(h.jobs.statusColumn(row), "Paused");
        EXPECT_EQ(QFileInfo(files[row]).size(), held[row]);
    }
    h.batch.start(); // continues both
    EXPECT_TRUE(h.jobs.statusColumn(0).endsWith('%') && h.jobs.statusColumn(1).endsWith('%'));
    h.batch.stop();
    ASSERT_TRUE(h.waitForBatchEnd());

    for (const qint64 pid : pids)
        expectNoEncoderLeft(pid);
    EXPECT_EQ(h.jobs.status(0).state, JobState::Stopped);
    EXPECT_EQ(h.jobs.status(1).state, JobState::Stopped);
    EXPECT_EQ(h.jobs.status(2).state, JobState::Waiting);
    EXPECT_EQ(ended, (std::vector<BatchTally>{{0, 0, 2}}));
    EXPECT_EQ(h.shell.powerOffRequests, 0);
    EXPECT_FALSE(h.shell.sleepInhibited);
    // Each stopped row keeps the partial file its own run left, under its own name.
    for (const auto &[row, name] : {std::pair{0, "long (partial).avi"}, std::pair{1, "long_1 (partial).avi"}}) {
        const std::optional<LeftOutput> left = h.jobs.job(row).lastRun.stoppedOutput;
        ASSERT_TRUE(left) << row;
        EXPECT_EQ(left->path, output(name));
        EXPECT_GT(left->size, 0);
    }
}

// The system ends the program with two jobs running: both files go, both
// rows fail with the cause, and the batch ends once, without its summary.
TEST_F(BatchTest, AnEndBySystemTakesEveryRunningJob)
{
    h.profile.setCurrentProfileId(2);
    h.profile.select(2);
    h.batch.setJobsAtOnceSetting(2);
    h.addFiles({media("long.mp4"), media("long.mp4")});
    int ends = 0;
    QObject::connect(&h.batch, &Batch::batchEnded, [&] { ++ends; });
    h.batch.start();
    const QString files[] = {h.runs.at(0).unfinishedOutput(), h.runs.at(1).unfinishedOutput()};
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFileInfo(files[0]).size() > 0 && QFileInfo(files[1]).size() > 0; },
                                60000));
    QSignalSpy allEnded(&h.batch, &Batch::allRunsEnded);
    h.batch.endBySystem("ended by the system");
    ASSERT_TRUE(allEnded.wait(20000));
    EXPECT_FALSE(h.batch.isConverting());
    EXPECT_FALSE(h.runs.anyRunning());
    EXPECT_EQ(ends, 1);
    EXPECT_TRUE(h.shell.notifications.isEmpty());
    for (int row = 0; row < 2; ++row) {
        EXPECT_EQ(h.jobs.status(row).reason, "ended by the system") << row;
        EXPECT_FALSE(QFileInfo::exists(files[row])) << row;
    }
    EXPECT_TRUE(QDir(QString::fromStdString(h.output.path())).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
}
