// What a batch tells the user about its jobs, over real runs of
// register.dat: a failed row's reason with its command line, last lines and
// log, and how many jobs finished, failed and were stopped. (The paused row
// is checked through the window, in tests/app.)

#include "jobs_harness.h"
#include "preview/snapshot.h"

#include <QDir>
#include <QFile>
#include <QTreeWidget>
#include <cerrno>
#include <cstring>
#include <functional>
#include <sys/fsuid.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace veltrix::test;

Q_DECLARE_METATYPE(BatchTally)

namespace {

class BatchReportTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        s_media = std::make_unique<TempDir>();
        generateMedia("-f lavfi -i sine=frequency=440:duration=2 -ac 2", s_media->file("tone.wav"));
        generateMedia("-f lavfi -i testsrc=size=640x480:rate=25:duration=40 -f lavfi -i sine=duration=40 "
                      "-c:v libx264 -preset ultrafast -c:a aac",
                      s_media->file("long.mp4"));
        // Probes as media, but its samples cannot be decoded.
        generateMedia("-f lavfi -i sine=frequency=440:duration=4 -ac 2", s_media->file("corrupt.wav"));
        std::string bytes = readFile(s_media->file("corrupt.wav"));
        bytes.replace(20, 2, std::string("\x55\x55", 2));
        writeFile(s_media->file("corrupt.wav"), bytes);
    }
    static void TearDownTestSuite() { s_media.reset(); }
    static QString media(const char *name) { return QString::fromStdString(s_media->file(name)); }

    void SetUp() override
    {
        qRegisterMetaType<BatchTally>();
        ::setenv("XDG_STATE_HOME", state.path().c_str(), 1);
    }
    void TearDown() override { ::unsetenv("XDG_STATE_HOME"); }

    // AVI output: long enough to be caught converting.
    void chooseAvi()
    {
        h.profile.setCurrentProfileId(2);
        h.profile.select(2);
    }
    bool waitUntilConverting(int row)
    {
        return QTest::qWaitFor([&] { return h.batch.runningRow() == row && h.jobs.statusColumn(row).endsWith('%'); },
                               60000);
    }

    static inline std::unique_ptr<TempDir> s_media;
    TempDir state;
    JobsHarness h;
};

// An output folder the encoder cannot write to: read-only for a user,
// a read-only file system for root, whom permissions do not stop.
class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(const std::string &path) : m_path(path)
    {
        std::filesystem::create_directories(path);
        if (::geteuid() == 0) {
            m_mounted = ::mount("tmpfs", path.c_str(), "tmpfs", MS_RDONLY, "size=64k") == 0;
            m_ready = m_mounted;
            expected = QString::fromLocal8Bit(std::strerror(EROFS));
        } else {
            m_ready = ::chmod(path.c_str(), 0555) == 0;
            expected = QString::fromLocal8Bit(std::strerror(EACCES));
        }
    }
    ~ReadOnlyFolder()
    {
        if (m_mounted)
            ::umount(m_path.c_str());
        else
            ::chmod(m_path.c_str(), 0755);
    }
    bool ready() const { return m_ready; }
    QString expected; // the system's text for the refusal

private:
    std::string m_path;
    bool m_mounted = false;
    bool m_ready = false;
};

// What cannot serve a batch is found before it: one message names it, no
// row is marked and nothing is written. A missing folder is made with its parents.
TEST_F(BatchReportTest, StartRefusesWhatCannotServeTheBatch)
{
    const std::string locked = h.output.file("locked");
    ReadOnlyFolder readOnly(locked);
    TempDir bare, foreign;
    writeFile(foreign.file("register.dat"), "#!/bin/sh\necho 'ffmpeg version 5'\n");
    ::chmod(foreign.file("register.dat").c_str(), 0755);
    h.addFiles({media("tone.wav")});
    const QString waiting = h.jobs.statusColumn(0);
    const std::pair<std::function<void()>, QString> cases[] = {
        {[&] { h.runs.setExecutableFolder(QString::fromStdString(bare.path())); }, "register.dat is missing"},
        {[&] { h.runs.setExecutableFolder(QString::fromStdString(foreign.path())); }, "is not this program's encoder"},
        {[&] { h.outputField.setFolder(QString::fromStdString(locked + "/new/deeper")); },
         QString::fromStdString(locked + "/new/deeper\" cannot be used: ") + readOnly.expected},
    };
    for (const auto &[arrange, expected] : cases) {
        if (!readOnly.ready() && expected.contains("deeper"))
            continue;
        arrange();
        h.batch.start();
        ASSERT_FALSE(h.prompts.boxes().empty());
        EXPECT_TRUE(h.prompts.boxes().back().text.contains(expected)) << h.prompts.boxes().back().text.toStdString();
        EXPECT_FALSE(h.batch.isConverting());
        EXPECT_EQ(h.jobs.statusColumn(0), waiting);
        h.runs.setExecutableFolder(kBinFolder);
    }
    EXPECT_EQ(h.prompts.boxes().size(), readOnly.ready() ? 3u : 2u);
    EXPECT_TRUE(h.startedRows.empty());
    EXPECT_TRUE(ActiveProfile(QString::fromStdString(bare.path())).startRefusal()->contains("No output profile"));

    h.outputField.setFolder(QString::fromStdString(h.output.file("made/with/parents")));
    h.batch.start();
    ASSERT_TRUE(h.waitForBatchEnd());
    EXPECT_TRUE(std::filesystem::exists(h.output.file("made/with/parents/tone.mp3")));
}

TEST_F(BatchReportTest, AFailedRowGivesItsReasonCommandLineLastLinesAndLog)
{
    h.addFiles({media("corrupt.wav")});
    QSignalSpy ended(&h.batch, &Batch::batchEnded);
    h.batch.start();
    ASSERT_TRUE(h.waitForBatchEnd());

    const Job &job = h.jobs.job(0);
    const QString reason = job.status.reason;
    const QString cause = reason.left(reason.indexOf(", reading "));
    EXPECT_EQ(job.status.state, JobState::Failed);
    EXPECT_EQ(reason, cause + ", reading " + media("corrupt.wav")) << reason.toStdString();
    EXPECT_EQ(h.jobs.index(0, kStatusColumn).data(Qt::ToolTipRole).toString(), "Failed: " + reason);
    EXPECT_EQ(h.jobs.index(0, kNameColumn).data(Qt::ToolTipRole).toString(), "Failed: " + reason);
    EXPECT_TRUE(job.lastRun.commandLine.startsWith(kBinFolder + "/register.dat "));
    EXPECT_TRUE(job.lastRun.commandLine.contains(" -i " + media("corrupt.wav")));
    EXPECT_TRUE(job.lastRun.commandLine.endsWith(QString::fromStdString(h.output.path()) + "/corrupt.mp3"));
    EXPECT_TRUE(job.lastRun.lastLines.filter(cause).size() > 0) << job.lastRun.lastLines.join('\n').toStdString();
    const QString log = QString::fromStdString(readFile(job.lastRun.logFile.toStdString()));
    EXPECT_TRUE(log.contains(job.lastRun.commandLine));
    EXPECT_TRUE(log.contains("Failed: " + reason));

    ASSERT_EQ(ended.size(), 1);
    EXPECT_EQ(ended[0][0].value<BatchTally>(), (BatchTally{0, 1, 0}));
    EXPECT_EQ(h.shell.notifications, QStringList{"Conversion finished: 0 finished, 1 failed, 0 stopped"});
}

TEST_F(BatchReportTest, TheSummaryCountsFinishedFailedAndStoppedJobs)
{
    chooseAvi();
    h.addFiles({media("tone.wav"), media("corrupt.wav"), media("long.mp4")});
    QSignalSpy ended(&h.batch, &Batch::batchEnded);
    h.batch.start();
    EXPECT_TRUE(h.shell.sleepInhibited);
    ASSERT_TRUE(waitUntilConverting(2));
    EXPECT_TRUE(h.shell.sleepInhibited);
    h.batch.stop();
    EXPECT_FALSE(h.shell.sleepInhibited);
    ASSERT_TRUE(h.waitForBatchEnd());

    ASSERT_EQ(ended.size(), 1);
    EXPECT_EQ(ended[0][0].value<BatchTally>(), (BatchTally{1, 1, 1}));
    EXPECT_EQ(h.jobs.status(2).state, JobState::Stopped);
    // A stopped job keeps its command line; the user's own Stop needs no notification.
    EXPECT_FALSE(h.jobs.job(2).lastRun.commandLine.isEmpty());
    EXPECT_TRUE(h.shell.notifications.isEmpty());

    // The next batch counts afresh and ends normally.
    h.jobs.setChecked(1, false);
    h.jobs.setChecked(2, false);
    h.batch.convertAgain({0});
    h.batch.start();
    ASSERT_TRUE(h.waitForBatchEnd());
    ASSERT_EQ(ended.size(), 2);
    EXPECT_EQ(ended[1][0].value<BatchTally>(), (BatchTally{1, 0, 0}));
    EXPECT_EQ(h.shell.notifications, QStringList{"Conversion finished: 1 finished, 0 failed, 0 stopped"});
    EXPECT_EQ(h.shell.inhibitRequests, 2);
    EXPECT_FALSE(h.shell.sleepInhibited);
}

// Every failure says why: a disk that fills mid-job, a name that is no
// UTF-8 text, a snapshot into a folder the encoder may not write to; a name
// near the longest a file may have gets its log and its AMR output.
TEST_F(BatchReportTest, EveryFailureSaysWhy)
{
    const std::string disk = h.output.file("small");
    std::filesystem::create_directories(disk);
    if (::geteuid() != 0 || ::mount("tmpfs", disk.c_str(), "tmpfs", 0, "size=600k") != 0)
        GTEST_SKIP() << "cannot mount a small tmpfs here";
    chooseAvi();
    h.outputField.setFolder(QString::fromStdString(disk));
    h.addFiles({media("long.mp4")});
    h.batch.start();
    const bool ended = h.waitForBatchEnd();
    const QStringList left = QDir(QString::fromStdString(disk)).entryList(QDir::Files | QDir::Hidden);
    ::umount(disk.c_str());
    ASSERT_TRUE(ended);
    EXPECT_TRUE(h.jobs.status(0).reason.startsWith(QString::fromLocal8Bit(std::strerror(ENOSPC))));
    for (const QString &file : left)
        EXPECT_TRUE(file.contains(" (partial).")) << file.toStdString();

    const std::string longName = std::string(247, 'n') + ".wav"; // its ".amr" output takes 251 bytes
    std::filesystem::copy_file(s_media->file("tone.wav"), h.output.file(longName));
    std::filesystem::create_directories(h.output.file("odd"));
    std::filesystem::copy_file(s_media->file("tone.wav"), h.output.file("odd/caf\xe9.wav"));
    h.profile.select(71); // AMR-NB through the bridge's own encoder
    h.outputField.setFolder(QString::fromStdString(h.output.path()));
    h.adder.addPaths({QString::fromStdString(h.output.file(longName)), QString::fromStdString(h.output.file("odd"))});
    ASSERT_TRUE(h.addEnded());
    ASSERT_EQ(h.prompts.boxes().size(), 1u);
    EXPECT_TRUE(h.prompts.boxes()[0].text.contains("its name is not valid UTF-8 text"));
    // Root reads every file: this add runs with the thread's file-system user set to nobody.
    const std::string secret = h.output.file("secret.wav");
    std::filesystem::copy_file(s_media->file("tone.wav"), secret);
    ::chmod(secret.c_str(), 0);
    ::setfsuid(65534);
    h.adder.addPaths({QString::fromStdString(secret)});
    ::setfsuid(::geteuid());
    ASSERT_TRUE(h.addEnded());
    ASSERT_EQ(h.prompts.boxes().size(), 2u);
    EXPECT_TRUE(h.prompts.boxes()[1].text.startsWith(
        QString::fromStdString(secret) + " cannot be added: " + QString::fromLocal8Bit(std::strerror(EACCES))));
    h.jobs.setChecked(0, false);
    h.batch.start();
    ASSERT_TRUE(h.waitForBatchEnd());
    EXPECT_EQ(h.jobs.status(1).state, JobState::Finished) << h.jobs.status(1).reason.toStdString();
    EXPECT_TRUE(std::filesystem::exists(h.output.file(std::string(247, 'n') + ".amr")));
    EXPECT_TRUE(QFileInfo::exists(h.jobs.job(1).lastRun.logFile)) << h.jobs.job(1).lastRun.logProblem.toStdString();

    const std::string locked = h.output.file("locked");
    ReadOnlyFolder readOnly(locked);
    Snapshot snapshot(h.runs.location(), h.prompts);
    snapshot.take({media("long.mp4"), "long", QString::fromStdString(locked), {}, "00:00:01"});
    ASSERT_TRUE(QTest::qWaitFor([&] { return !snapshot.isTaking(); }, 20000));
    ASSERT_EQ(h.prompts.boxes().size(), 3u);
    EXPECT_TRUE(h.prompts.boxes()[2].text.contains(readOnly.expected)) << h.prompts.boxes()[2].text.toStdString();
}

} // namespace
