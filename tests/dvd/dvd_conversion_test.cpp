// DVD rows of the authored disc converted end to end: the title start's
// record, its argument vector, the real register.dat and ffmpeg; outputs
// checked by their tone, their pixels and their length.

#include "dvd/dvd_listing.h"
#include "dvd_start_lead.h"
#include "dvd/dvd_title_start.h"
#include "dvd_fixture.h"
#include "dvd_test_support.h"
#include "engine/commandline.h"
#include "engine/timecode.h"
#include "jobs/file_job_start.h"
#include "media_fixtures.h"

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <thread>

using namespace veltrix::test;

namespace {

// register.dat and its arguments for a row, as the title start fills the
// invocation record; the output path comes last.
std::vector<std::string> encoderCall(const DvdRow &row, int profile, const TempDir &out)
{
    const DvdTitleJobResult result =
        dvdTitleJob(row.caption, row.original, row.convert, row.clip, dvdChoices(profile), qs(out.path()) + "/");
    if (!result.job) {
        ADD_FAILURE() << result.error.toStdString();
        return {};
    }
    intputrec rec;
    fillFileJobRecord(rec, result.job->input, result.job->output, result.job->pieces);
    std::vector<std::string> argv{std::string(VELTRIX_BIN_DIR) + "/register.dat"};
    for (const QString &arg : encoderArguments(rec))
        argv.push_back(arg.toStdString());
    return argv;
}

struct Conversion {
    ProcessResult run;
    std::string output;
};

Conversion convert(const DvdRow &row, int profile, const TempDir &out)
{
    const std::vector<std::string> argv = encoderCall(row, profile, out);
    if (argv.empty())
        return {};
    return {runProcess(argv), argv.back()};
}

// The tone of the output's audio between 2 s and 6 s, from its zero crossings.
double toneOf(const std::string &media)
{
    const ProcessResult pcm = runProcess({"ffmpeg", "-v", "error", "-ss", "2", "-t", "4", "-i", media, "-vn", "-ac",
                                          "1", "-ar", "16000", "-f", "s16le", "-"});
    const auto *samples = reinterpret_cast<const std::int16_t *>(pcm.output.data());
    const std::size_t count = pcm.output.size() / 2;
    int crossings = 0;
    for (std::size_t i = 1; i < count; ++i)
        crossings += (samples[i - 1] < 0) != (samples[i] < 0);
    return count ? crossings / 2.0 / (count / 16000.0) : 0.0;
}

// The frame at `second`, scaled back to the disc's picture size, as RGB.
std::string frameAt(const std::string &media, int second, const TestDvdFacts &f)
{
    const std::string size = std::to_string(f.width) + "x" + std::to_string(f.height);
    return runProcess({"ffmpeg", "-v", "error", "-ss", std::to_string(second), "-i", media, "-frames:v", "1", "-s",
                       size, "-f", "rawvideo", "-pix_fmt", "rgb24", "-"})
        .output;
}

// How many points inside the subtitle box (away from its edges) show the
// subtitle's colour, out of how many.
std::pair<int, int> subtitleColouredPoints(const std::string &rgb, const TestDvdFacts &f)
{
    int coloured = 0, points = 0;
    for (int y = f.subtitleY + 10; y < f.subtitleY + f.subtitleHeight - 10; y += 5) {
        for (int x = f.subtitleX + 12; x < f.subtitleX + f.subtitleWidth - 12; x += 6) {
            const std::size_t at = (static_cast<std::size_t>(y) * f.width + x) * 3;
            if (at + 2 >= rgb.size())
                return {0, -1};
            ++points;
            const auto channel = [&](int i) { return static_cast<unsigned char>(rgb[at + i]); };
            const unsigned want = f.subtitleRgb;
            coloured += std::abs(channel(0) - int(want >> 16 & 0xff)) < 40
                && std::abs(channel(1) - int(want >> 8 & 0xff)) < 40 && std::abs(channel(2) - int(want & 0xff)) < 40;
        }
    }
    return {coloured, points};
}

double durationOf(const std::string &media)
{
    const std::string text = ffprobeField(media, "format=duration");
    return text.empty() ? -1 : std::stod(text);
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
    const TestDvdFacts &facts = testDvd().facts;
    DvdRow title = s_rows[0];
    chooseAudioTrack(title.convert, title.tracks, 1, "MPEG-1 de 2ch 48000Hz (0xc0)");
    chooseSubtitleTrack(title.convert, title.tracks, 1, "Subtitle en (0x20)");
    const Conversion c = convert(title, kDivxProfile, out);
    ASSERT_EQ(c.run.exitCode, 0) << c.run.output;
    EXPECT_NEAR(durationOf(c.output), 35.0, 0.2);
    EXPECT_NEAR(toneOf(c.output), facts.secondTone, 10);

    const auto shown = subtitleColouredPoints(frameAt(c.output, 4, facts), facts);
    EXPECT_EQ(shown.first, shown.second) << "subtitle colour at 4 s";
    EXPECT_GT(shown.second, 0);
    const auto gone = subtitleColouredPoints(frameAt(c.output, 10, facts), facts);
    EXPECT_EQ(gone.first, 0) << "subtitle colour at 10 s, after the subtitle";
}

TEST_F(DvdConversion, TheFirstAudioTrackIsTheDefaultAndNoSubtitleIsBurned)
{
    const TestDvdFacts &facts = testDvd().facts;
    const Conversion c = convert(s_rows[1], kDivxProfile, out);
    ASSERT_EQ(c.run.exitCode, 0) << c.run.output;
    EXPECT_NEAR(toneOf(c.output), facts.firstTone, 10);
    EXPECT_EQ(subtitleColouredPoints(frameAt(c.output, 4, facts), facts).first, 0);
}

TEST_F(DvdConversion, ChaptersAndCutsConvertJustTheirStretch)
{
    struct Case {
        int row, begin, end;
        double seconds;
    };
    const Case cases[] = {{2, 15, 35, 20.0}, {0, 5, 12, 7.0}};
    for (const Case &c : cases) {
        DvdRow row = s_rows[c.row];
        row.clip.clipBegin = c.begin;
        row.clip.clipEnd = c.end;
        row.original.duration = secondsToTimeCode(c.end - c.begin); // as the cutter leaves it
        TempDir dir;
        const Conversion done = convert(row, kDivxProfile, dir);
        ASSERT_EQ(done.run.exitCode, 0) << done.run.output;
        EXPECT_NEAR(durationOf(done.output), c.seconds, 0.1) << row.caption.toStdString();
        EXPECT_NE(done.run.output.find("time="), std::string::npos) << done.run.output;
    }
}

TEST_F(DvdConversion, AnAudioProfileWritesNoPicture)
{
    DvdRow title = s_rows[3];
    const Conversion c = convert(title, kMp3Profile, out);
    ASSERT_EQ(c.run.exitCode, 0) << c.run.output;
    const ProcessResult streams =
        runProcess({"ffprobe", "-v", "error", "-show_entries", "stream=codec_type", "-of", "csv=p=0", c.output});
    EXPECT_EQ(streams.output, "audio\n");
    EXPECT_NEAR(durationOf(c.output), testDvd().facts.secondTitleSeconds, 0.2);
}

TEST_F(DvdConversion, PauseContinueAndStopReachTheWholeRun)
{
    using namespace std::chrono_literals;
    const std::vector<std::string> argv = encoderCall(s_rows[0], kDivxProfile, out);
    ASSERT_FALSE(argv.empty());
    ChildProcess run(argv);
    ASSERT_TRUE(run.started());
    const pid_t group = run.processGroup();
    const auto progressed = [](const std::string &o) { return o.find("time=") != std::string::npos; };
    ASSERT_TRUE(run.readUntil(progressed, 30s)) << run.output();

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
    const auto code = run.wait(30s);
    ASSERT_TRUE(code) << "register.dat did not end after SIGTERM";
    EXPECT_EQ(*code, 255) << run.output();
    EXPECT_TRUE(livingProcessesInGroup(group).empty());
    // ffmpeg finished the file with what it had read.
    EXPECT_EQ(ffprobeField(argv.back(), "stream=codec_name"), "mpeg4");
}

TEST(DvdStartLead, SoundAheadOfTheFirstPictureIsMeasured)
{
    const std::string vob = readFile(testDvd().videoTs + "/VTS_01_1.VOB");
    const auto ifo = readIfoContents(qs(testDvd().ifo(1)));
    ASSERT_TRUE(ifo);
    const std::size_t thirdCell = ifo->titles.at(0).cells.at(2).firstSector * std::size_t{2048};
    ASSERT_LT(thirdCell, vob.size());
    // The authored MPEG audio track starts 0.61 s before the picture of a
    // cell, the AC-3 track 0.54 s; the title's first cell starts together.
    EXPECT_NEAR(veltrix::bridge::dvdStartLeadSeconds(std::string_view(vob).substr(thirdCell, 256 * 2048)), 0.61,
                0.02);
    EXPECT_NEAR(veltrix::bridge::dvdStartLeadSeconds(std::string_view(vob).substr(0, 256 * 2048)), 0.0, 0.02);
    EXPECT_EQ(veltrix::bridge::dvdStartLeadSeconds(std::string(8 * 2048, '\0')), 0.0);
    EXPECT_EQ(veltrix::bridge::dvdStartLeadSeconds(std::string_view(vob).substr(thirdCell + 2048, 16 * 2048)), 0.0);
}

TEST(DvdConversionFailure, AnIfoWithoutItsVideoFilesFails)
{
    DvdListing listing;
    const auto rows = listing.addIfo({qs(testDvd().noVobs + "/VTS_01_0.IFO")}, dvdChoices(kDivxProfile));
    ASSERT_EQ(rows.size(), 1u);
    TempDir out;
    const Conversion c = convert(rows[0], kDivxProfile, out);
    EXPECT_NE(c.run.exitCode, 0) << c.run.output;
    EXPECT_NE(c.run.output.find("VTS_01_1.VOB"), std::string::npos) << c.run.output;
    EXPECT_FALSE(std::filesystem::exists(c.output));
}

} // namespace
