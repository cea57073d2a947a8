// How register.dat turns a DVD job input into ffmpeg arguments.

#include "dvd_input.h"

#include <gtest/gtest.h>

namespace veltrix::bridge {
namespace {

struct ArgumentCase {
    const char *name;
    int audio, subtitle;
    std::optional<int> begin, end;
    std::string templateText;
    std::string expected; // what follows "-y" up to the caller's own options
    double startLead = 0.0;
};

void PrintTo(const ArgumentCase &c, std::ostream *out)
{
    *out << c.name;
}

class DvdArguments : public ::testing::TestWithParam<ArgumentCase> {};

TEST_P(DvdArguments, ReadThePipeAndTakeTheChosenStreams)
{
    const ArgumentCase &c = GetParam();
    DvdJobInput input{"/disc", 1,    {{0, 9}}, c.audio, c.subtitle, std::array<std::uint32_t, 16>{0x102030},
                      c.begin, c.end};
    std::vector<std::string> args{"-y", "-i", formatDvdJobInput(input), "-ab", "128000"};
    for (std::size_t from = 0, to; from < c.templateText.size(); from = to + 1) {
        to = std::min(c.templateText.find(' ', from), c.templateText.size());
        args.push_back(c.templateText.substr(from, to - from));
    }
    args.push_back("/out/Title_01.avi");

    std::string joined;
    for (const std::string &a : dvdFfmpegArguments(args, 2, input, c.startLead))
        joined += (joined.empty() ? "" : " ") + a;
    const std::string tail =
        " -ab 128000" + (c.templateText.empty() ? "" : " " + c.templateText) + " /out/Title_01.avi";
    EXPECT_EQ(joined, "-y -probesize 50M -analyzeduration 30M " + c.expected + tail);
}

const std::string kPalette = "-palette:s 102030,000000,000000,000000,000000,000000,000000,000000,000000,000000,"
                             "000000,000000,000000,000000,000000,000000";

INSTANTIATE_TEST_SUITE_P(
    Jobs, DvdArguments,
    ::testing::Values(
        ArgumentCase{"Ac3", 0x80, 0, {}, {}, "-vcodec mpeg4", "-i pipe:5 -map 0:v:0 -map 0:i:0x80"},
        ArgumentCase{"SecondAc3", 0x81, 0, {}, {}, "", "-i pipe:5 -map 0:v:0 -map 0:i:0x81"},
        ArgumentCase{"MpegAudioAndSubtitle",
                     0xc0,
                     0x20,
                     {},
                     {},
                     "",
                     kPalette + " -i pipe:5 -filter_complex [0:v:0][0:i:0x20]overlay[v] -map [v] -map 0:i:0x1c0"},
        ArgumentCase{"Lpcm", 0xa0, 0, {}, {}, "", "-i pipe:5 -map 0:v:0 -map 0:i:0xa0"},
        ArgumentCase{"AudioOnlyTemplate", 0x80, 0x20, {}, {}, "-vn -acodec libmp3lame", "-i pipe:5 -map 0:i:0x80"},
        ArgumentCase{"NoAudioTrack", 0, 0, {}, {}, "", "-i pipe:5 -map 0:v:0"},
        ArgumentCase{"SilentTemplate", 0x80, 0, {}, {}, "-an", "-i pipe:5 -map 0:v:0"},
        ArgumentCase{"Clip", 0x80, 0, 5, 20, "", "-i pipe:5 -ss 5.000 -t 15 -map 0:v:0 -map 0:i:0x80"},
        ArgumentCase{"ClipFromStart", 0x80, 0, {}, 12, "", "-i pipe:5 -t 12 -map 0:v:0 -map 0:i:0x80"},
        ArgumentCase{"SoundAheadAndClip", 0x80, 0, 5, 20, "", "-i pipe:5 -ss 5.610 -t 15 -map 0:v:0 -map 0:i:0x80",
                     0.61}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(DvdJobInputResolution, OtherInputsPassAndBrokenDvdsAreRefused)
{
    const std::vector<std::string> file{"-y", "-i", "/media/clip.mp4", "-ab", "128000", "/out/clip.mp3"};
    const ResolvedInput plain = resolveDvdJobInput(file);
    EXPECT_EQ(plain.args, file);
    EXPECT_FALSE(plain.feed || !plain.error.empty());

    const ResolvedInput damaged = resolveDvdJobInput({"-y", "-i", "veltrix-dvd:root=/d&vts=0", "/out/a.avi"});
    EXPECT_NE(damaged.error.find("damaged"), std::string::npos) << damaged.error;
    DvdJobInput missing;
    missing.root = "/nonexistent/disc";
    missing.titleSet = 1;
    missing.cells = {{0, 9}};
    const ResolvedInput absent = resolveDvdJobInput({"-y", "-i", formatDvdJobInput(missing), "/out/a.avi"});
    EXPECT_NE(absent.error.find("/nonexistent/disc"), std::string::npos) << absent.error;
    EXPECT_FALSE(absent.feed);
}

} // namespace
} // namespace veltrix::bridge
