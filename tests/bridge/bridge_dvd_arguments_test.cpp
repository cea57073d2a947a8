// How register.dat turns a DVD job input into ffmpeg arguments.

#include "dvd_input.h"

#include <gtest/gtest.h>

namespace veltrix::bridge {
namespace {

std::string joined(const std::vector<std::string>& args)
{
    std::string text;
    for (const std::string& a : args)
        text += (text.empty() ? "" : " ") + a;
    return text;
}

struct ArgumentCase {
    const char* name;
    int audio;
    int subtitle;
    std::optional<int> begin, end;
    std::vector<std::string> template_;
    std::string expected;  // what stands between the caller's "-y" and its template
    double startLead = 0.0;
};

void PrintTo(const ArgumentCase& c, std::ostream* out)
{
    *out << c.name;
}

class DvdArguments : public ::testing::TestWithParam<ArgumentCase> {};

TEST_P(DvdArguments, ReadThePipeAndTakeTheChosenStreams)
{
    const ArgumentCase& c = GetParam();
    DvdJobInput input;
    input.root = "/disc";
    input.titleSet = 1;
    input.cells = {{0, 9}};
    input.audioStream = c.audio;
    input.subtitleStream = c.subtitle;
    std::array<std::uint32_t, 16> palette{};
    palette.fill(0x102030);
    palette[15] = 0xffff00;
    input.palette = palette;
    input.begin = c.begin;
    input.end = c.end;

    std::vector<std::string> args{"-y", "-i", formatDvdJobInput(input), "-ab", "128000"};
    args.insert(args.end(), c.template_.begin(), c.template_.end());
    args.push_back("/out/Title_01.avi");

    std::string expected = "-y " + c.expected + " -ab 128000";
    for (const std::string& t : c.template_)
        expected += " " + t;
    EXPECT_EQ(joined(dvdFfmpegArguments(args, 2, input, c.startLead)), expected + " /out/Title_01.avi");
}

const std::string kProbe = "-probesize 50M -analyzeduration 30M";
const std::string kPalette = "-palette:s 102030,102030,102030,102030,102030,102030,102030,102030,102030,102030,"
                             "102030,102030,102030,102030,102030,ffff00";

INSTANTIATE_TEST_SUITE_P(
    Jobs, DvdArguments,
    ::testing::Values(
        ArgumentCase{"Ac3", 0x80, 0, {}, {}, {"-vcodec", "mpeg4"},
                     kProbe + " -i pipe:5 -map 0:v:0 -map 0:i:0x80"},
        ArgumentCase{"SecondAc3", 0x81, 0, {}, {}, {}, kProbe + " -i pipe:5 -map 0:v:0 -map 0:i:0x81"},
        ArgumentCase{"MpegAudioAndSubtitle", 0xc0, 0x20, {}, {}, {"-vcodec", "mpeg4"},
                     kProbe + " " + kPalette
                         + " -i pipe:5 -filter_complex [0:v:0][0:i:0x20]overlay[v] -map [v] -map 0:i:0x1c0"},
        ArgumentCase{"Lpcm", 0xa0, 0, {}, {}, {}, kProbe + " -i pipe:5 -map 0:v:0 -map 0:i:0xa0"},
        ArgumentCase{"AudioOnlyTemplate", 0x80, 0x20, {}, {}, {"-vn", "-acodec", "libmp3lame"},
                     kProbe + " -i pipe:5 -map 0:i:0x80"},
        ArgumentCase{"NoAudioTrack", 0, 0, {}, {}, {}, kProbe + " -i pipe:5 -map 0:v:0"},
        ArgumentCase{"SilentTemplate", 0x80, 0, {}, {}, {"-an"}, kProbe + " -i pipe:5 -map 0:v:0"},
        ArgumentCase{"Clip", 0x80, 0, 5, 20, {}, kProbe + " -i pipe:5 -ss 5.000 -t 15 -map 0:v:0 -map 0:i:0x80"},
        ArgumentCase{"ClipFromStart", 0x80, 0, {}, 12, {}, kProbe + " -i pipe:5 -t 12 -map 0:v:0 -map 0:i:0x80"},
        ArgumentCase{"ClipToEnd", 0x80, 0, 7, {}, {}, kProbe + " -i pipe:5 -ss 7.000 -map 0:v:0 -map 0:i:0x80"},
        ArgumentCase{"SoundAheadOfPicture", 0x80, 0, {}, {}, {},
                     kProbe + " -i pipe:5 -ss 0.610 -map 0:v:0 -map 0:i:0x80", 0.61},
        ArgumentCase{"SoundAheadAndClip", 0x80, 0, 5, 20, {},
                     kProbe + " -i pipe:5 -ss 5.610 -t 15 -map 0:v:0 -map 0:i:0x80", 0.61}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DvdJobInputResolution, OtherInputsPassUnchanged)
{
    const std::vector<std::string> args{"-y", "-i", "/media/clip.mp4", "-ab", "128000", "/out/clip.mp3"};
    const ResolvedInput resolved = resolveDvdJobInput(args);
    EXPECT_EQ(resolved.args, args);
    EXPECT_FALSE(resolved.feed);
    EXPECT_TRUE(resolved.error.empty());
}

TEST(DvdJobInputResolution, ADamagedOrMissingDvdIsRefusedWithAReason)
{
    const ResolvedInput damaged = resolveDvdJobInput({"-y", "-i", "veltrix-dvd:root=/d&vts=0", "/out/a.avi"});
    EXPECT_NE(damaged.error.find("damaged"), std::string::npos) << damaged.error;
    EXPECT_FALSE(damaged.feed);

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
