// The pieces of register.dat that turn ffmpeg's output and the caller's
// arguments into what the bridge prints and runs.

#include "amr_encoder.h"
#include "command_line.h"
#include "description_relay.h"
#include "ffmpeg_command.h"
#include "progress_report.h"

#include <gtest/gtest.h>

#include <ostream>
#include <sstream>

namespace veltrix::bridge {
namespace {

// Feeds a -progress block and returns the contract lines it produced.
std::vector<std::string> progressLinesFor(const std::string &block)
{
    ProgressReport report;
    std::vector<std::string> lines;
    std::istringstream in(block);
    for (std::string line; std::getline(in, line);) {
        if (const auto s = report.addLine(line))
            lines.push_back(formatProgressLine(s->outTimeUs, s->bitrate));
    }
    return lines;
}

struct ProgressCase {
    const char *name;
    const char *block;
    std::vector<std::string> expected;
};

void PrintTo(const ProgressCase &c, std::ostream *os)
{
    *os << c.name;
}

class ProgressBlocks : public ::testing::TestWithParam<ProgressCase> {};

TEST_P(ProgressBlocks, BecomeContractLines)
{
    EXPECT_EQ(progressLinesFor(GetParam().block), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Ffmpeg51Output, ProgressBlocks,
    ::testing::Values(ProgressCase{"AudioBlock",
                                   "bitrate= 128.0kbits/s\ntotal_size=1336320\nout_time_us=83520000\n"
                                   "out_time_ms=83520000\nout_time=00:01:23.520000\nspeed=12.1x\nprogress=continue\n",
                                   {"time=83.52 bitrate= 128.0kbits/s\r"}},
                      ProgressCase{"HundredthsAreTruncated",
                                   "bitrate= 178.8kbits/s\nout_time_us=1969999\nprogress=end\n",
                                   {"time=1.96 bitrate= 178.8kbits/s\r"}},
                      ProgressCase{"BitrateNotKnownYet",
                                   "frame=1\nbitrate=N/A\ntotal_size=48\nout_time_us=0\nprogress=continue\n",
                                   {"time=0.00 bitrate=N/A\r"}},
                      ProgressCase{"TimeNotKnownIsSkipped",
                                   "bitrate=N/A\nout_time_us=N/A\nout_time_ms=N/A\nout_time=N/A\nprogress=continue\n",
                                   {}},
                      ProgressCase{"NegativeTimeIsSkipped",
                                   "bitrate=N/A\nout_time_us=-23220\nout_time=-00:00:00.023220\nprogress=continue\n",
                                   {}},
                      ProgressCase{"ClockTextWhenMicrosecondsAreMissing",
                                   "bitrate= 64.0kbits/s\nout_time=01:02:03.450000\nprogress=continue\n",
                                   {"time=3723.45 bitrate= 64.0kbits/s\r"}},
                      ProgressCase{"OneLinePerBlock",
                                   "bitrate= 1.0kbits/s\nout_time_us=500000\nprogress=continue\n"
                                   "bitrate= 2.0kbits/s\nout_time_us=1000000\nprogress=end\n",
                                   {"time=0.50 bitrate= 1.0kbits/s\r", "time=1.00 bitrate= 2.0kbits/s\r"}}));

TEST(BitrateText, FollowsFfmpegFormat)
{
    EXPECT_EQ(formatBitrate(4000, 2'000'000), "  16.0kbits/s");
    EXPECT_EQ(formatBitrate(1000, 0), "N/A");
}

struct RelayCase {
    const char *name;
    const char *line;
    const char *relayed;
};

void PrintTo(const RelayCase &c, std::ostream *os)
{
    *os << c.name;
}

class DescriptionLines : public ::testing::TestWithParam<RelayCase> {};

TEST_P(DescriptionLines, EndInCrLf)
{
    EXPECT_EQ(DescriptionRelay().relay(GetParam().line), GetParam().relayed);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, DescriptionLines,
    ::testing::Values(
        RelayCase{"Description", "  Duration: 00:00:20.00, bitrate: 705 kb/s",
                  "  Duration: 00:00:20.00, bitrate: 705 kb/s\r\n"},
        RelayCase{"Empty", "", "\r\n"}, RelayCase{"StrayCarriageReturn", "a\rb", "a b\r\n"},
        RelayCase{"AudioStatsDropped", "size=     314kB time=00:00:20.01 bitrate= 128.3kbits/s speed= 309x    ", ""},
        RelayCase{"VideoStatsDropped",
                  "frame=   50 fps=0.0 q=-1.0 Lsize=      43kB time=00:00:01.96 bitrate= 178.8kbits/s", ""}));

// Descriptions as ffmpeg 5.1 prints them, with the tags of the file, its
// streams, chapters and outputs.
struct DescriptionCase {
    const char *name;
    std::vector<std::string> lines;
    std::string relayed;
};

void PrintTo(const DescriptionCase &c, std::ostream *os)
{
    *os << c.name;
}

class DescriptionBlocks : public ::testing::TestWithParam<DescriptionCase> {};

TEST_P(DescriptionBlocks, LeaveOutEveryMetadataBlock)
{
    DescriptionRelay relay;
    std::string relayed;
    for (const std::string &line : GetParam().lines)
        relayed += relay.relay(line);
    EXPECT_EQ(relayed, GetParam().relayed);
}

INSTANTIATE_TEST_SUITE_P(
    Descriptions, DescriptionBlocks,
    ::testing::Values(
        DescriptionCase{"FileTags",
                        {"Input #0, mp3, from 'tag.mp3':", "  Metadata:", "    comment         : Duration: 00:00:03.00",
                         "    encoder         : Lavf59.27.100",
                         "  Duration: 00:00:10.03, start: 0.025057, bitrate: 64 kb/s",
                         "  Stream #0:0: Audio: mp3, 44100 Hz, mono, fltp, 64 kb/s"},
                        "Input #0, mp3, from 'tag.mp3':\r\n"
                        "  Duration: 00:00:10.03, start: 0.025057, bitrate: 64 kb/s\r\n"
                        "  Stream #0:0: Audio: mp3, 44100 Hz, mono, fltp, 64 kb/s\r\n"},
        DescriptionCase{"StreamTagsAndAMultiLineValue",
                        {"  Stream #0:0: Video: h264, yuv420p, 160x120, 25 fps", "    Metadata:",
                         "      title           : first line", "                      : time=19.00 bitrate=1",
                         "  Stream #0:1: Audio: aac (LC), 44100 Hz, mono, fltp",
                         "    Metadata:", "      ENCODER         : Lavc59.37.100 aac", "Stream mapping:"},
                        "  Stream #0:0: Video: h264, yuv420p, 160x120, 25 fps\r\n"
                        "  Stream #0:1: Audio: aac (LC), 44100 Hz, mono, fltp\r\n"
                        "Stream mapping:\r\n"},
        DescriptionCase{"ChapterTitles",
                        {"  Duration: 00:00:04.00, start: 0.000000, bitrate: 1 kb/s",
                         "  Chapters:", "    Chapter #0:0: start 0.000000, end 2.000000",
                         "      Metadata:", "        title           : Duration: 00:00:01.00",
                         "    Chapter #0:1: start 2.000000, end 4.000000", "      Metadata:",
                         "        title           : time=3.00 bitrate=9", "  Stream #0:0: Audio: flac"},
                        "  Duration: 00:00:04.00, start: 0.000000, bitrate: 1 kb/s\r\n  Chapters:\r\n"
                        "    Chapter #0:0: start 0.000000, end 2.000000\r\n"
                        "    Chapter #0:1: start 2.000000, end 4.000000\r\n  Stream #0:0: Audio: flac\r\n"},
        DescriptionCase{"OutputTagsAndTheStatsLine",
                        {"Output #0, mp3, to 'o.mp3':", "  Metadata:", "    TIT2            : time=19.00 bitrate=1",
                         "  Stream #0:0: Audio: mp3, 44100 Hz, mono, fltp",
                         "    Metadata:", "      encoder         : Lavc59.37.100 libmp3lame",
                         "size=      17kB time=00:00:02.06 bitrate=  65.8kbits/s speed= 131x    ",
                         "video:0kB audio:16kB subtitle:0kB"},
                        "Output #0, mp3, to 'o.mp3':\r\n  Stream #0:0: Audio: mp3, 44100 Hz, mono, fltp\r\n"
                        "video:0kB audio:16kB subtitle:0kB\r\n"},
        DescriptionCase{"TagWordsOutsideABlockStay",
                        {"  Metadata: is not a heading", "  Duration: 00:00:01.00", "Metadata:", "x"},
                        "  Metadata: is not a heading\r\n  Duration: 00:00:01.00\r\nx\r\n"}));

struct CommandCase {
    const char *name;
    std::vector<std::string> args;
    std::optional<std::string> output;
    bool amr;
    std::optional<long> audioBitRate;
};

void PrintTo(const CommandCase &c, std::ostream *os)
{
    *os << c.name;
}

class CallerArguments : public ::testing::TestWithParam<CommandCase> {};

TEST_P(CallerArguments, AreUnderstood)
{
    const CommandLine cmd(GetParam().args);
    EXPECT_EQ(cmd.outputPath(), GetParam().output);
    EXPECT_EQ(cmd.wantsAmrOutput(), GetParam().amr);
    EXPECT_EQ(cmd.audioBitRate(), GetParam().audioBitRate);
}

INSTANTIATE_TEST_SUITE_P(
    Invocations, CallerArguments,
    ::testing::Values(
        CommandCase{"FullConversion",
                    {"-ss",     "00:00:00", "-y",    "-i",      "/m/in put.wav", "-r",        "25",
                     "-b",      "799000",   "-ab",   "128000",  "-ac",           "2",         "-s",
                     "320x240", "-ar",      "44100", "-acodec", "libmp3lame",    "/out/x.mp3"},
                    "/out/x.mp3",
                    false,
                    128000},
        CommandCase{"ProbeOfAnAmrFile", {"-i", "/m/file.amr"}, std::nullopt, false, std::nullopt},
        CommandCase{"UpperCaseAmr", {"-y", "-i", "a.wav", "-ab", "12.2k", "/o/Voice.AMR"}, "/o/Voice.AMR", true, 12200},
        CommandCase{"LastBitRateWins", {"-i", "a.wav", "-ab", "4750", "-b:a", "7950", "o.amr"}, "o.amr", true, 7950},
        CommandCase{"AmrOnlyAsExtension", {"-i", "a.wav", "o.amr.mp3"}, "o.amr.mp3", false, std::nullopt},
        CommandCase{"NoArguments", {}, std::nullopt, false, std::nullopt}));

struct ModeCase {
    std::optional<long> bitRate;
    Mode mode;
};

void PrintTo(const ModeCase &c, std::ostream *os)
{
    if (c.bitRate)
        *os << *c.bitRate << "_bps";
    else
        *os << "default";
}

class AmrModes : public ::testing::TestWithParam<ModeCase> {};

TEST_P(AmrModes, NearestToTheBitRate)
{
    EXPECT_EQ(amrModeForBitRate(GetParam().bitRate), GetParam().mode);
}

INSTANTIATE_TEST_SUITE_P(Rates, AmrModes,
                         ::testing::Values(ModeCase{std::nullopt, MR122}, ModeCase{0, MR475}, ModeCase{4750, MR475},
                                           ModeCase{5000, MR515}, ModeCase{5900, MR59}, ModeCase{6700, MR67},
                                           ModeCase{7400, MR74}, ModeCase{7900, MR795}, ModeCase{10200, MR102},
                                           ModeCase{11000, MR102}, ModeCase{12200, MR122}, ModeCase{128000, MR122}));

TEST(FfmpegArguments, PcmOptionsReplaceTheOutputAndComeLast)
{
    const std::vector<std::string> args =
        ffmpegPcmArguments({"-y", "-i", "in.wav", "-ab", "12200", "-ar", "44100", "-acodec", "libmp3lame", "o.amr"});
    const std::vector<std::string> expected{"-hide_banner", "-nostdin",   "-nostats", "-progress", "pipe:3", "-y",
                                            "-i",           "in.wav",     "-ab",      "12200",     "-ar",    "44100",
                                            "-acodec",      "libmp3lame", "-vn",      "-f",        "s16le",  "-acodec",
                                            "pcm_s16le",    "-ar",        "8000",     "-ac",       "1",      "pipe:4"};
    EXPECT_EQ(args, expected);
}

} // namespace
} // namespace veltrix::bridge
