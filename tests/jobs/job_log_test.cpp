// Job logs: where they go, what they hold, which old ones are pruned, the
// last lines a job keeps, and the reason a failed run gives.

#include "jobs/failure_reason.h"
#include "jobs/job_log.h"
#include "media_fixtures.h"

#include <QDir>
#include <QFile>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>

using veltrix::test::TempDir;

namespace {

QString q(const std::string &text)
{
    return QString::fromStdString(text);
}

const QDateTime kNow(QDate(2024, 6, 1), QTime(12, 0));

struct PruneCase {
    const char *what;
    std::vector<int> ageDays; // of logs named "0.log", "1.log", ...
    int keep;
    QStringList pruned;
};

void PrintTo(const PruneCase &c, std::ostream *out)
{
    *out << c.what;
}

class LogPruning : public ::testing::TestWithParam<PruneCase> {};

TEST_P(LogPruning, DropsTheOldAndTheOldestBeyondTheKeptNumber)
{
    std::vector<LogFileEntry> logs;
    for (std::size_t i = 0; i < GetParam().ageDays.size(); ++i)
        logs.push_back({QString::number(i) + ".log", kNow.addDays(-GetParam().ageDays[i])});
    QStringList pruned = logsToPrune(logs, kNow, GetParam().keep, 30);
    pruned.sort();
    EXPECT_EQ(pruned, GetParam().pruned);
}

INSTANTIATE_TEST_SUITE_P(Table, LogPruning,
                         ::testing::Values(PruneCase{"few_and_recent", {0, 1, 2}, 5, {}},
                                           PruneCase{"oldest_beyond_the_count", {3, 0, 5, 1}, 2, {"0.log", "2.log"}},
                                           PruneCase{"older_than_thirty_days", {31, 0, 45}, 5, {"0.log", "2.log"}},
                                           PruneCase{"thirty_days_is_kept", {30}, 5, {}},
                                           PruneCase{"both_rules", {40, 1, 2, 3}, 2, {"0.log", "3.log"}}),
                         [](const ::testing::TestParamInfo<PruneCase> &info) { return std::string(info.param.what); });

TEST(LastLines, ProgressDoesNotPushTheMessagesOut)
{
    QStringList lines;
    keepLastLine(lines, "Input #0, wav", 3);
    keepLastLine(lines, "time=1.00 bitrate=128.0kbits/s", 3);
    keepLastLine(lines, "time=2.00 bitrate=128.0kbits/s", 3);
    keepLastLine(lines, "time=3.00 bitrate=128.0kbits/s", 3);
    EXPECT_EQ(lines, (QStringList{"Input #0, wav", "time=3.00 bitrate=128.0kbits/s"}));
    keepLastLine(lines, "out.mp3: Permission denied", 3);
    keepLastLine(lines, "Conversion failed!", 3);
    EXPECT_EQ(lines,
              (QStringList{"time=3.00 bitrate=128.0kbits/s", "out.mp3: Permission denied", "Conversion failed!"}));
}

QString systemText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

struct ReasonCase {
    const char *what;
    RunOutcome outcome;
    QStringList lines;
    QString reason;
};

void PrintTo(const ReasonCase &c, std::ostream *out)
{
    *out << c.what;
}

class FailureReasons : public ::testing::TestWithParam<ReasonCase> {};

TEST_P(FailureReasons, NameWhatTheUserCanActOn)
{
    EXPECT_EQ(failureReason(GetParam().outcome, GetParam().lines).toStdString(), GetParam().reason.toStdString());
}

const RunOutcome kExit1{RunOutcome::Kind::Failed, 1};

INSTANTIATE_TEST_SUITE_P(
    Table, FailureReasons,
    ::testing::Values(ReasonCase{"read_only_folder",
                                 kExit1,
                                 {"Input #0, wav, from 'in.wav':", "/out/in.mp3: Permission denied"},
                                 systemText(EACCES)},
                      ReasonCase{"full_disk_before_the_last_words",
                                 kExit1,
                                 {"time=4.00 bitrate=128", "Error writing trailer of /d/x.mp3: No space left on device",
                                  "Conversion failed!"},
                                 systemText(ENOSPC)},
                      ReasonCase{"ffmpeg_error_text",
                                 kExit1,
                                 {"in.wav: Invalid data found when processing input"},
                                 "Invalid data found when processing input"},
                      ReasonCase{"last_error_line",
                                 kExit1,
                                 {"Stream mapping:", "Error initializing output stream 0:0 -- x", "bye"},
                                 "Error initializing output stream 0:0 -- x"},
                      ReasonCase{"exit_code_alone",
                                 RunOutcome{RunOutcome::Kind::Failed, 3},
                                 {"Stream mapping:"},
                                 "The encoder ended with exit code 3"},
                      ReasonCase{"crash", RunOutcome{RunOutcome::Kind::Crashed, -1}, {}, "The encoder crashed"},
                      ReasonCase{"no_encoder",
                                 RunOutcome{RunOutcome::Kind::CouldNotStart, -1},
                                 {},
                                 "The encoder register.dat could not be started; reinstall the program"},
                      ReasonCase{"no_output_written",
                                 RunOutcome{RunOutcome::Kind::Succeeded, 0},
                                 {"time=0.00 bitrate=N/A"},
                                 "The encoder ended without writing the output file"}),
    [](const ::testing::TestParamInfo<ReasonCase> &info) { return std::string(info.param.what); });

// A reason names the file its cause concerns, under the name the user knows.
TEST(FailureReasonFiles, NameTheFileTheCauseConcerns)
{
    const JobFiles files{"/in/a.wav", "/out/a.mp3", "/out/.a.mp3.part-x1y2z3.mp3"};
    const std::pair<QStringList, QString> cases[] = {
        {{"/out/.a.mp3.part-x1y2z3.mp3: Permission denied"}, systemText(EACCES) + ", writing /out/a.mp3"},
        {{"/in/a.wav: Permission denied"}, systemText(EACCES) + ", reading /in/a.wav"},
        {{"[wav @ 0x1] Invalid data found when processing input"},
         "Invalid data found when processing input, reading /in/a.wav"},
        {{"av_interleaved_write_frame(): No space left on device"}, systemText(ENOSPC) + ", writing /out/a.mp3"},
        {{"Error initializing output stream 0:0 -- x"},
         "Error initializing output stream 0:0 -- x, writing /out/a.mp3"},
        {{"[wav @ 0x1] Could not find codec parameters"},
         "[wav @ 0x1] Could not find codec parameters, reading /in/a.wav"},
        {{"register.dat: the DVD is gone"}, "the DVD is gone"},
        {{}, "The encoder ended with exit code 1"},
    };
    for (const auto &[lines, reason] : cases)
        EXPECT_EQ(failureReason(kExit1, lines, files).toStdString(), reason.toStdString());
}

class JobLogFiles : public ::testing::Test {
protected:
    void SetUp() override { ::setenv("XDG_STATE_HOME", state.path().c_str(), 1); }
    void TearDown() override { ::unsetenv("XDG_STATE_HOME"); }
    QDir logs() const { return QDir(q(state.file("veltrix/logs"))); }

    TempDir state;
};

TEST_F(JobLogFiles, TheFolderFollowsXdgStateHome)
{
    EXPECT_EQ(jobLogFolder(), q(state.file("veltrix/logs")));
    ::setenv("XDG_STATE_HOME", "relative/state", 1); // not absolute: ignored
    EXPECT_EQ(jobLogFolder(), QDir::homePath() + "/.local/state/veltrix/logs");
    ::unsetenv("XDG_STATE_HOME");
    EXPECT_EQ(jobLogFolder(), QDir::homePath() + "/.local/state/veltrix/logs");
}

TEST_F(JobLogFiles, EachJobGetsAWholeLogOfItsOwn)
{
    JobLog log;
    log.begin("my/clip", "register.dat -i in.wav out.mp3");
    ASSERT_TRUE(log.isOpen());
    log.addLine("Input #0, wav");
    log.addLine("time=1.00 bitrate=128");
    log.addLine("time=2.00 bitrate=128");
    const JobRunRecord record = log.finish("Finished");
    EXPECT_FALSE(log.isOpen());
    EXPECT_EQ(record.commandLine, "register.dat -i in.wav out.mp3");
    EXPECT_EQ(record.lastLines, (QStringList{"Input #0, wav", "time=2.00 bitrate=128"}));
    ASSERT_FALSE(record.logFile.isEmpty());
    EXPECT_EQ(QFileInfo(record.logFile).absolutePath(), logs().absolutePath());
    EXPECT_TRUE(QFileInfo(record.logFile).fileName().endsWith(" my_clip.log"));

    const QString text = q(veltrix::test::readFile(record.logFile.toStdString()));
    for (const char *part : {"Command line: register.dat -i in.wav out.mp3", "Input #0, wav", "time=1.00 bitrate=128",
                             "time=2.00 bitrate=128", ": Finished"})
        EXPECT_TRUE(text.contains(part)) << part;

    // The same job started again within the second gets a file of its own.
    log.begin("my/clip", "again");
    const JobRunRecord second = log.finish("Stopped by the user");
    EXPECT_NE(second.logFile, record.logFile);
    EXPECT_EQ(logs().entryList(QDir::Files).size(), 2);
}

TEST_F(JobLogFiles, OldLogsArePrunedWhenALogStarts)
{
    ASSERT_TRUE(logs().mkpath("."));
    const QString old = logs().filePath("20200101-000000 old.log");
    const QString recent = logs().filePath("20240101-000000 recent.log");
    for (const QString &path : {old, recent}) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    QFile oldFile(old);
    ASSERT_TRUE(oldFile.open(QIODevice::ReadWrite));
    ASSERT_TRUE(
        oldFile.setFileTime(QDateTime::currentDateTime().addDays(-kLogDays - 1), QFileDevice::FileModificationTime));
    oldFile.close();

    JobLog log;
    log.begin("new", "cmd");
    log.finish("Finished");
    EXPECT_FALSE(QFile::exists(old));
    EXPECT_TRUE(QFile::exists(recent));
}

TEST_F(JobLogFiles, ALogThatCannotBeWrittenStillKeepsTheLines)
{
    // The state home is a file, so no folder can be made below it.
    veltrix::test::writeFile(state.file("file"), "x");
    ::setenv("XDG_STATE_HOME", state.file("file").c_str(), 1);
    JobLog log;
    log.begin("clip", "cmd");
    log.addLine("out.mp3: Permission denied");
    const JobRunRecord record = log.finish("Failed");
    EXPECT_TRUE(record.logFile.isEmpty());
    EXPECT_FALSE(record.logProblem.isEmpty());
    EXPECT_EQ(record.commandLine, "cmd");
    EXPECT_EQ(record.lastLines, QStringList{"out.mp3: Permission denied"});
}

} // namespace
