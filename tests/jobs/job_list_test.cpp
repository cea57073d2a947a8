// Adding, removing, clearing and checking rows of the job model, with media
// made by ffmpeg and probed by the real register.dat.

#include "case_name.h"
#include "engine/timecode.h"
#include "jobs/estimate.h"
#include "jobs/job_from_probe.h"
#include "jobs_harness.h"

#include <QDir>
#include <QSignalSpy>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

using namespace veltrix::test;
using Kind = RecordingPrompts::Kind;

namespace {

class JobListTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        s_media = std::make_unique<TempDir>();
        generateMedia("-f lavfi -i sine=frequency=440:duration=2 -ac 2 -c:a libmp3lame", s_media->file("a.b.mp3"));
        for (const char *name : {"one.wav", "two.wav", "three.wav", "four.wav"})
            generateMedia("-f lavfi -i sine=frequency=660:duration=1", s_media->file(name));
        writeFile(s_media->file("broken.mp3"), "this is no media file");
        std::filesystem::create_directories(s_media->file("folder/sub"));
        generateMedia("-f lavfi -i sine=duration=1 -c:a libmp3lame", s_media->file("folder/x.MP3"));
        writeFile(s_media->file("folder/y.txt"), "notes");
        generateMedia("-f lavfi -i sine=duration=1 -c:a libmp3lame", s_media->file("folder/sub/z.mp3"));
    }
    static void TearDownTestSuite() { s_media.reset(); }

    static QString media(const char *name) { return QString::fromStdString(s_media->file(name)); }

    void TearDown() override { EXPECT_FALSE(h.adder.isProbing()); }

    static inline std::unique_ptr<TempDir> s_media;
    JobsHarness h;
};

TEST_F(JobListTest, AddedFileIsNamedWithoutItsExtensionAndCarriesItsRecords)
{
    h.addFiles({media("a.b.mp3")});

    ASSERT_EQ(h.jobs.rowCount(), 1);
    EXPECT_EQ(h.jobs.caption(0), "a.b");
    const auto cell = [&](int column) { return h.jobs.index(0, column).data().toString(); };
    EXPECT_EQ(cell(kPathColumn), media("a.b.mp3"));
    // ffmpeg describes the duration in hundredths; the row keeps whole seconds.
    const double duration = std::stod(ffprobeField(s_media->file("a.b.mp3"), "format=duration"));
    const int seconds = static_cast<int>(std::floor(duration + 0.005));
    EXPECT_EQ(cell(kTimeColumn), secondsToTimeCode(seconds));
    EXPECT_EQ(h.jobs.status(0).state, JobState::Waiting);
    EXPECT_TRUE(h.jobs.isChecked(0));
    EXPECT_EQ(h.jobs.original(0).sourcePath, media("a.b.mp3"));
    EXPECT_EQ(h.jobs.original(0).audioCodec,
              QString::fromStdString(ffprobeField(s_media->file("a.b.mp3"), "stream=codec_name")));
    EXPECT_EQ(h.jobs.clip(0).fullDuration, seconds);
    EXPECT_EQ(h.jobs.clip(0).clipEnd, seconds);
    EXPECT_EQ(h.jobs.clip(0).clipBegin, 0);
    // MP3 "Normal" is 128 kbit/s: 2 s make 0.03 MB.
    ASSERT_EQ(seconds, 2);
    EXPECT_EQ(h.jobs.sizeColumn(0), "0.03MB");
    EXPECT_TRUE(h.prompts.boxes().empty());
    ASSERT_EQ(h.prompts.shown.size(), 1u);
    EXPECT_EQ(h.prompts.shown[0].text.left(19), "All Support Format ");
}

TEST_F(JobListTest, UnreadableMiddleFileGivesTwoRowsAndOneMessage)
{
    h.addFiles({media("one.wav"), media("broken.mp3"), media("two.wav")});

    ASSERT_EQ(h.jobs.rowCount(), 2);
    EXPECT_EQ(h.jobs.caption(0), "one");
    EXPECT_EQ(h.jobs.caption(1), "two");
    EXPECT_EQ(h.jobs.original(1).sourcePath, media("two.wav"));
    const auto boxes = h.prompts.boxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].kind, Kind::Information);
    EXPECT_EQ(boxes[0].text, "broken.mp3 is not support!");
}

// A folder with media in a subfolder asks whether to add them too.
TEST_F(JobListTest, FolderGivesItsAudioFilesInAnyLetterCaseAndItsSubfoldersWhenAsked)
{
    h.prompts.folderAnswer = media("folder");
    h.prompts.answerYes = false;
    h.adder.addFolder();
    ASSERT_TRUE(h.addEnded());

    ASSERT_EQ(h.jobs.rowCount(), 1);
    EXPECT_EQ(h.jobs.caption(0), "x");
    EXPECT_EQ(h.jobs.original(0).sourcePath, QDir(media("folder")).filePath("x.MP3"));
    ASSERT_EQ(h.prompts.shown.size(), 2u);
    EXPECT_EQ(h.prompts.shown[0].kind, Kind::ChooseFolder);
    EXPECT_EQ(h.prompts.shown[0].text, "File Directory");
    EXPECT_EQ(h.prompts.shown[1].kind, Kind::Question);

    h.prompts.answerYes = true;
    h.adder.addFolder();
    ASSERT_TRUE(h.addEnded());
    ASSERT_EQ(h.jobs.rowCount(), 3);
    EXPECT_EQ(h.jobs.original(1).sourcePath, QDir(media("folder")).filePath("sub/z.mp3"));
    EXPECT_EQ(h.jobs.job(1).addedFrom, media("folder"));
}

// Only regular files, and links to them, are taken from a folder: a FIFO, a
// socket or a device named like audio is never probed (its probe would wait
// for ever).
TEST_F(JobListTest, FolderTakesRegularFilesAndLinksToThemOnly)
{
    TempDir dir;
    std::filesystem::copy_file(s_media->file("one.wav"), dir.file("real.wav"));
    std::filesystem::create_symlink(s_media->file("two.wav"), dir.file("link.mp3"));
    std::filesystem::create_symlink("/dev/null", dir.file("null.ogg"));
    std::filesystem::create_symlink(dir.file("nowhere.wav"), dir.file("broken.aac"));
    std::filesystem::create_directory(dir.file("folder.mp3"));
    ASSERT_EQ(::mkfifo(dir.file("fifo.mp3").c_str(), 0600), 0);
    const int unixSocket = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, dir.file("socket.wav").c_str(), sizeof address.sun_path - 1);
    ASSERT_EQ(::bind(unixSocket, reinterpret_cast<const sockaddr *>(&address), sizeof address), 0);

    h.prompts.folderAnswer = QString::fromStdString(dir.path());
    h.adder.addFolder();
    ASSERT_TRUE(h.addEnded());
    ::close(unixSocket);

    ASSERT_EQ(h.jobs.rowCount(), 2);
    EXPECT_EQ(h.jobs.caption(0), "link");
    EXPECT_EQ(h.jobs.caption(1), "real");
    EXPECT_TRUE(h.prompts.boxes().empty());
}

TEST_F(JobListTest, CancelledFolderChoiceAddsNothing)
{
    h.adder.addFolder();
    ASSERT_TRUE(h.addEnded());
    EXPECT_EQ(h.jobs.rowCount(), 0);
}

TEST_F(JobListTest, FirstAddedFileIsSelectedWhenNothingWas)
{
    h.addFiles({media("one.wav")});
    EXPECT_EQ(h.jobs.selectedRow(), 0);
    h.jobs.selection()->clearSelection();
    h.addFiles({media("two.wav")});
    EXPECT_EQ(h.jobs.selectedRow(), 0);
    EXPECT_EQ(h.jobs.selection()->selectedRows().size(), 1);
}

TEST_F(JobListTest, RemovingRowsOneAndTwoKeepsRecordsWithTheirRows)
{
    h.addFiles({media("one.wav"), media("two.wav"), media("three.wav"), media("four.wav")});
    ASSERT_EQ(h.jobs.rowCount(), 4);
    // Every row carries records of its own, its state included.
    h.jobs.setStatus(0, {JobState::Finished});
    h.jobs.setStatus(2, JobStatus::running(1234));
    h.jobs.setStatus(3, JobStatus::failed("Permission denied"));
    const Job first = h.jobs.job(0), last = h.jobs.job(3);
    ASSERT_NE(first.original, last.original);
    QSignalSpy removed(&h.jobs, &JobModel::jobsRemoved);
    h.jobs.selection()->clearSelection();
    for (const int row : {1, 2})
        h.jobs.selection()->select(h.jobs.index(row, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    h.jobs.removeSelected();

    ASSERT_EQ(h.jobs.rowCount(), 2);
    EXPECT_EQ(h.jobs.job(0), first);
    EXPECT_EQ(h.jobs.job(1), last);
    EXPECT_EQ(h.jobs.statusColumn(1), "Failed");
    EXPECT_EQ(h.jobs.caption(0), "one");
    EXPECT_EQ(h.jobs.caption(1), "four");
    EXPECT_EQ(h.jobs.original(0).sourcePath, media("one.wav"));
    EXPECT_EQ(h.jobs.original(1).sourcePath, media("four.wav"));
    EXPECT_EQ(h.jobs.selectedRow(), 1);
    EXPECT_EQ(h.jobs.selection()->selectedRows().size(), 1);
    ASSERT_EQ(removed.size(), 1);
    EXPECT_EQ(removed[0][0].value<QList<int>>(), (QList<int>{1, 2}));
}

TEST_F(JobListTest, CheckAllAndUncheckAll)
{
    h.addFiles({media("one.wav"), media("two.wav")});
    h.jobs.setAllChecked(false);
    EXPECT_FALSE(h.jobs.isChecked(0));
    EXPECT_FALSE(h.jobs.isChecked(1));
    h.jobs.setAllChecked(true);
    EXPECT_TRUE(h.jobs.isChecked(0));
    EXPECT_TRUE(h.jobs.isChecked(1));
}

// Every audio profile estimates the size of its sound, the AAC profile (id
// 15, outside the ids whose rate texts apply) included: its picture size "No
// Video" gives no video part, never an estimate of nothing.
TEST_F(JobListTest, AudioProfilesEstimateTheSizeOfTheirSound)
{
    h.addFiles({media("a.b.mp3")});
    const std::pair<int, int> profileKbits[] = {{15, 128}, {16, 128}, {17, 128}, {20, 1500}, {23, 128}};
    for (const auto &[id, kbits] : profileKbits) {
        h.profile.setCurrentProfileId(id);
        h.profile.select(id);
        EXPECT_EQ(h.jobs.sizeColumn(0), sizeText(kbits, 2)) << id;
    }
}

TEST_F(JobListTest, SizesFollowTheChosenLists)
{
    h.addFiles({media("a.b.mp3")});
    QualityLists lists = h.profile.lists();
    lists.audioQuality.select(0); // 320 kbit/s for 2 s
    h.profile.setLists(lists);
    EXPECT_EQ(h.jobs.sizeColumn(0), "0.08MB");
}

// Rows listed without a probe, each with records of its own: the caption
// names the row, the clip end numbers it.
std::vector<ListedRow> listedRows(const QStringList &captions)
{
    std::vector<ListedRow> rows;
    for (const QString &caption : captions) {
        ListedRow row{caption, {}};
        row.job.clip.clipEnd = static_cast<qint32>(rows.size()) + 10;
        row.job.original.pictureSize = caption + QStringLiteral("x1");
        rows.push_back(row);
    }
    return rows;
}

struct RemovalCase {
    const char *what;
    QList<int> selected;
    QStringList left;
    std::optional<int> selectedAfter; // the row that takes the place of the last one removed
};

void PrintTo(const RemovalCase &c, std::ostream *os)
{
    *os << c.what;
}

class JobModelRemoval : public ::testing::TestWithParam<RemovalCase> {};

// Every record and check mark moves with its row; the selection lands where
// the last removed row was.
TEST_P(JobModelRemoval, KeepsRecordsWithTheirRows)
{
    ActiveProfile profile{kBinFolder};
    JobModel jobs{profile};
    jobs.replaceRows(listedRows({"a", "b", "c", "d"}), {true, true, true, false});
    EXPECT_EQ(jobs.index(2, kPathColumn).data().toString(), "cx1");
    EXPECT_FALSE(jobs.selectedRow().has_value());
    QSignalSpy removed(&jobs, &JobModel::jobsRemoved);
    for (const int row : GetParam().selected)
        jobs.selection()->select(jobs.index(row, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    jobs.removeSelected();

    QStringList left;
    for (int row = 0; row < jobs.rowCount(); ++row) {
        const int was = static_cast<int>(QStringList{"a", "b", "c", "d"}.indexOf(jobs.caption(row)));
        EXPECT_EQ(jobs.clip(row).clipEnd, was + 10);
        EXPECT_EQ(jobs.isChecked(row), was != 3);
        left << jobs.caption(row);
    }
    EXPECT_EQ(left, GetParam().left);
    EXPECT_EQ(jobs.selectedRow(), GetParam().selectedAfter);
    ASSERT_EQ(removed.size(), 1);
    EXPECT_EQ(removed[0][0].value<QList<int>>(), GetParam().selected);
}

INSTANTIATE_TEST_SUITE_P(Selections, JobModelRemoval,
                         ::testing::Values(RemovalCase{"middle_two", {1, 2}, {"a", "d"}, 1},
                                           RemovalCase{"first_and_third", {0, 2}, {"b", "d"}, 1},
                                           RemovalCase{"last_two", {2, 3}, {"a", "b"}, 1},
                                           RemovalCase{"all", {0, 1, 2, 3}, {}, std::nullopt}),
                         NameByWhat());

struct ProbeCase {
    const char *what;
    ProbeResults probe;
    std::optional<std::array<const char *, 3>> expected; // video, audio, picture size
};

void PrintTo(const ProbeCase &c, std::ostream *os)
{
    *os << c.what;
}

class JobFromProbe : public ::testing::TestWithParam<ProbeCase> {};

TEST_P(JobFromProbe, FillsTheGaps)
{
    const std::optional<Toriginalinfo> job = jobRecordFromProbe("/m/f.avi", GetParam().probe);
    ASSERT_EQ(job.has_value(), GetParam().expected.has_value());
    if (!job)
        return;
    EXPECT_EQ(job->videoBitrate, (*GetParam().expected)[0]);
    EXPECT_EQ(job->audioBitrate, (*GetParam().expected)[1]);
    EXPECT_EQ(job->pictureSize, (*GetParam().expected)[2]);
}

ProbeResults probeOf(const char *overall, const char *video, const char *audio, const char *size)
{
    ProbeResults r;
    r.overallBitrate = overall;
    r.videoBitrate = video;
    r.audioBitrate = audio;
    r.pictureSize = size;
    return r;
}

INSTANTIATE_TEST_SUITE_P(
    Gaps, JobFromProbe,
    ::testing::Values(
        ProbeCase{"all known", probeOf("900", "768", "128", "640x480"), {{"768", "128", "640x480"}}},
        ProbeCase{"video from overall and audio", probeOf("900", "", "128", ""), {{"772", "128", "320x240"}}},
        ProbeCase{"video from overall alone", probeOf("900", "", "", ""), {{"900", "128", "320x240"}}},
        ProbeCase{"audio from overall and video", probeOf("900", "700", "", "320x240"), {{"700", "200", "320x240"}}},
        ProbeCase{"no overall rate", probeOf("", "700", "128", ""), std::nullopt},
        ProbeCase{"overall not a number", probeOf("N/A", "700", "128", ""), std::nullopt},
        ProbeCase{"audio not a number", probeOf("900", "", "lots", ""), std::nullopt},
        // Rates are whole numbers from 0 to INT_MAX; the gaps are filled in 64 bits.
        ProbeCase{"overall at the int limit less a negative audio rate", probeOf("2147483647", "", "-1", ""),
                  std::nullopt},
        ProbeCase{
            "overall at the int limit alone", probeOf("2147483647", "", "", ""), {{"2147483647", "128", "320x240"}}},
        ProbeCase{"overall beyond an int", probeOf("2147483648", "", "", ""), std::nullopt},
        ProbeCase{"negative overall", probeOf("-900", "", "", ""), std::nullopt},
        ProbeCase{"negative video rate met in the gap", probeOf("900", "-1", "", ""), std::nullopt},
        ProbeCase{
            "audio above overall leaves no video rate", probeOf("900", "", "1000", ""), {{"768", "1000", "320x240"}}},
        ProbeCase{
            "video above overall leaves no audio rate", probeOf("900", "1000", "", ""), {{"1000", "128", "320x240"}}},
        ProbeCase{"negative rate given by the probe", probeOf("900", "-5", "-7", ""), {{"768", "128", "320x240"}}}),
    NameByWhat());

// A description whose audio rate is negative: the video rate it would fill in
// (overall - audio) lies beyond an int, so the file is refused.
TEST(JobFromProbeText, OverflowingGapIsRefused)
{
    ProbeFindings findings;
    takeProbeFindings(findings, "bitrate: 2147483647 kb/s\nAudio: a, b, c, -1 kb/s\n");
    ASSERT_EQ(findings.results.overallBitrate, "2147483647");
    ASSERT_EQ(findings.results.audioBitrate, "-1");
    EXPECT_FALSE(jobRecordFromProbe("/m/f.avi", findings.results).has_value());
}

TEST(JobName, DropsFolderAndLastExtension)
{
    EXPECT_EQ(jobNameOf("/m/a.b.mp3"), "a.b");
    EXPECT_EQ(jobNameOf("/m/clip.final.avi"), "clip.final");
    EXPECT_EQ(jobNameOf("/m/noext"), "noext");
}

} // namespace

// Many files are probed several at once and still become rows in the order
// chosen; a long add shows how far it got and can be cancelled.
TEST_F(JobListTest, ManyFilesComeInTheirOrderAndALongAddCanBeCancelled)
{
    QStringList many;
    for (int i = 0; i < 30; ++i)
        many << media(i % 7 == 3 ? "broken.mp3" : i % 2 ? "one.wav" : "two.wav");
    h.adder.setProgressDelayMs(0);
    h.prompts.cancelProgressAt = 12;
    h.addFiles(many);
    ASSERT_EQ(h.prompts.progressTexts.value(0), "Adding 0 of 30...");
    const int kept = h.jobs.rowCount();
    EXPECT_GE(kept, 10);
    EXPECT_LT(kept, 26); // the rest was dropped
    EXPECT_FALSE(h.adder.isProbing());

    h.prompts.cancelProgressAt = -1;
    h.jobs.clear();
    h.prompts.shown.clear();
    h.addFiles(many);
    ASSERT_EQ(h.jobs.rowCount(), 26);
    for (int i = 0, row = 0; i < many.size(); ++i) {
        if (!many[i].endsWith("broken.mp3")) {
            EXPECT_EQ(h.jobs.original(row++).sourcePath, many[i]) << i;
        }
    }
    EXPECT_EQ(h.prompts.boxes().size(), 4u);
    EXPECT_EQ(addingProgressText(120, 2000), "Adding 120 of 2,000...");
}
