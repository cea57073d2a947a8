// DVD rows of the authored disc converted end to end: the title start's
// record, its argument vector, the real register.dat and ffmpeg; outputs
// checked by their tone, their pixels and their length.

#include "dvd/dvd_listing.h"
#include "dvd/dvd_title_start.h"
#include "dvd_fixture.h"
#include "dvd_media_checks.h"
#include "dvd_start_lead.h"
#include "dvd_test_support.h"
#include "engine/commandline.h"
#include "engine/timecode.h"
#include "jobs/file_job_start.h"
#include "media_fixtures.h"

#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>
#include <thread>

using namespace veltrix::test;
using namespace std::chrono_literals;

namespace {

// register.dat and its arguments for a row, from the record of the title
// start's job, with the profile's size at `size`; the output path comes last.
std::vector<std::string> encoderCall(const DvdRow &row, int profile, const TempDir &out, int size = 0)
{
    const ProfileChoices choices = dvdChoices(profile, size);
    const DvdTitleJobResult r = dvdTitleJob(row.original, row.convert, row.clip, choices);
    EXPECT_TRUE(r.job) << r.error.toStdString();
    const QString output =
        outputPathFor(qs(out.path()) + "/", row.caption, choices.extension, FirstName::WithoutLeadingBlanks).path;
    intputrec rec = r.job ? r.job->record : intputrec{};
    rec.outputfile = output;
    std::vector<std::string> argv{std::string(VELTRIX_BIN_DIR) + "/register.dat"};
    for (const QString &arg : encoderArguments(rec))
        argv.push_back(arg.toStdString());
    return argv;
}

// Rows of the authored disc in chapters mode: Title_01, Chapter_01,
// Chapter_03 (title set 1), Title_04, Chapter_01 (title set 2).
class DvdConversion : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        DvdListing listing;
        listing.toggleMode(dvdChoices(kDivxProfile));
        s_rows = listing.addDvd(qs(testDvd().discRoot), dvdChoices(kDivxProfile)).rows;
    }
    void SetUp() override { ASSERT_EQ(s_rows.size(), 5u); }
    static inline std::vector<DvdRow> s_rows;
    TempDir out;
};

TEST_F(DvdConversion, TitleWithTheSecondAudioTrackAndTheSubtitleBurnedIn)
{
    DvdRow title = s_rows[0];
    chooseAudioTrack(title.convert, title.tracks, 1, "MPEG-1 de 2ch 48000Hz (0xc0)");
    chooseSubtitleTrack(title.convert, title.tracks, 1, "Subtitle en (0x20)");
    const auto call = encoderCall(title, kDivxProfile, out);
    const ProcessResult run = runProcess(call);
    ASSERT_EQ(run.exitCode, 0) << run.output;
    EXPECT_NEAR(durationOf(call.back()), 35.0, 0.2);
    EXPECT_NEAR(toneOf(call.back()), testDvd().facts.secondTone, 10);
    EXPECT_EQ(subtitlePointsAt(call.back(), 4), kSubtitlePoints) << "the subtitle shows from 1 s to 8 s";
    EXPECT_EQ(subtitlePointsAt(call.back(), 10), 0);

    const auto plain = encoderCall(s_rows[1], kDivxProfile, out);
    ASSERT_EQ(runProcess(plain).exitCode, 0);
    EXPECT_NEAR(toneOf(plain.back()), testDvd().facts.firstTone, 10) << "the first track by default";
    EXPECT_EQ(subtitlePointsAt(plain.back(), 4), 0) << "no subtitle by default";

    // The 4:3 title keeps its shape in a 16:9 frame, subtitle and all.
    title.clip.clipBegin = 2;
    title.clip.clipEnd = 4;
    title.original.duration = secondsToTimeCode(2);
    const auto wide = encoderCall(title, 5, out, 4); // MP4 AVC at 1280x720
    ASSERT_EQ(runProcess(wide).exitCode, 0);
    EXPECT_EQ(pictureBox(wide.back()), "960:720:160:0");
}

// "Same streams, new container": the title's chosen tracks as they are, the
// subtitle as a stream of its own.
TEST_F(DvdConversion, AStreamCopyKeepsTheChosenTracksAsTheyAre)
{
    DvdRow title = s_rows[0];
    chooseAudioTrack(title.convert, title.tracks, 1, "MPEG-1 de 2ch 48000Hz (0xc0)");
    chooseSubtitleTrack(title.convert, title.tracks, 1, "Subtitle en (0x20)");
    const auto call = encoderCall(title, 138, out);
    const ProcessResult run = runProcess(call);
    ASSERT_EQ(run.exitCode, 0) << run.output;
    EXPECT_EQ(runProcess({"ffprobe", "-v", "error", "-show_entries", "stream=codec_name", "-of", "default=nw=1:nk=1",
                          call.back()})
                  .output,
              "mpeg2video\ndvd_subtitle\nmp2\n");
    EXPECT_NEAR(durationOf(call.back()), 35.0, 0.3);
    EXPECT_NEAR(toneOf(call.back()), testDvd().facts.secondTone, 10);
}

TEST_F(DvdConversion, ChaptersAndCutsConvertJustTheirStretch)
{
    struct Case {
        int row, begin, end;
    };
    for (const Case &c : {Case{2, 15, 35}, Case{0, 5, 12}}) {
        DvdRow row = s_rows[c.row];
        row.clip.clipBegin = c.begin;
        row.clip.clipEnd = c.end;
        row.original.duration = secondsToTimeCode(c.end - c.begin); // as the cutter leaves it
        TempDir dir;
        const auto call = encoderCall(row, kDivxProfile, dir);
        const ProcessResult run = runProcess(call);
        ASSERT_EQ(run.exitCode, 0) << run.output;
        EXPECT_NEAR(durationOf(call.back()), c.end - c.begin, 0.1) << row.caption.toStdString();
    }
}

TEST_F(DvdConversion, AnAudioProfileWritesNoPicture)
{
    const auto call = encoderCall(s_rows[3], kMp3Profile, out);
    ASSERT_EQ(runProcess(call).exitCode, 0);
    EXPECT_EQ(
        runProcess({"ffprobe", "-v", "error", "-show_entries", "stream=codec_type", "-of", "csv=p=0", call.back()})
            .output,
        "audio\n");
}

TEST_F(DvdConversion, PauseContinueAndStopReachTheWholeRun)
{
    const auto call = encoderCall(s_rows[0], kDivxProfile, out);
    ChildProcess run(call);
    const pid_t group = run.processGroup();
    ASSERT_TRUE(run.readUntil([](const std::string &o) { return o.find("time=") != std::string::npos; }, 30s))
        << run.output();
    ASSERT_EQ(kill(-group, SIGSTOP), 0);
    std::this_thread::sleep_for(200ms);
    const std::vector<pid_t> paused = livingProcessesInGroup(group);
    EXPECT_GE(paused.size(), 2u) << "ffmpeg shares the bridge's group";
    for (pid_t pid : paused) {
        const std::string stat = readFile("/proc/" + std::to_string(pid) + "/stat");
        EXPECT_EQ(stat.substr(stat.rfind(')') + 2, 1), "T") << stat;
    }
    ASSERT_EQ(kill(-group, SIGCONT), 0);
    ASSERT_EQ(kill(-group, SIGTERM), 0);
    run.readToEnd(30s);
    EXPECT_EQ(run.wait(30s), 255) << run.output();
    EXPECT_TRUE(livingProcessesInGroup(group).empty());
    EXPECT_EQ(ffprobeField(call.back(), "stream=codec_name"), "mpeg4") << "ffmpeg finished the file";
}

TEST(DvdConversionFailure, AnIfoWithoutItsVideoFilesFails)
{
    DvdListing listing;
    const auto rows = listing.addIfo({qs(testDvd().noVobs + "/VTS_01_0.IFO")}, dvdChoices(kDivxProfile));
    ASSERT_EQ(rows.size(), 1u);
    TempDir out;
    const auto call = encoderCall(rows[0], kDivxProfile, out);
    const ProcessResult run = runProcess(call);
    EXPECT_NE(run.exitCode, 0) << run.output;
    EXPECT_NE(run.output.find("VTS_01_1.VOB"), std::string::npos) << run.output;
    EXPECT_FALSE(std::filesystem::exists(call.back()));
}

TEST(DvdStartLead, SoundAheadOfTheFirstPictureIsMeasured)
{
    const std::string vob = readFile(testDvd().videoTs + "/VTS_01_1.VOB");
    const std::size_t third = readIfoContents(qs(testDvd().ifo(1)))->titles.at(0).cells.at(2).firstSector * 2048ul;
    ASSERT_LT(third, vob.size());
    const auto lead = [&vob](std::size_t at, std::size_t sectors) {
        return veltrix::bridge::dvdStartLeadSeconds(std::string_view(vob).substr(at, sectors * 2048));
    };
    // The MPEG track starts 0.61 s before a cell's picture; the title's
    // first cell starts together.
    EXPECT_NEAR(lead(third, 256), 0.61, 0.02);
    EXPECT_NEAR(lead(0, 256), 0.0, 0.02);
    EXPECT_EQ(lead(third + 2048, 16), 0.0) << "no navigation pack first";
}

} // namespace
