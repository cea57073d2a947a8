// register.dat's probe describes its input in process; what it prints must be
// what ffmpeg itself prints for "-i <file>", line for line, with the same exit
// status, once both have been through the bridge's line rules (CR LF, tags
// left out).

#include "bridge_test_helpers.h"
#include "description_relay.h"
#include "line_splitter.h"

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <ostream>

namespace veltrix::test {
namespace {

// ffmpeg's output for "-i <path>" as register.dat would relay it.
ProcessResult ffmpegProbeRelayed(const std::string &path)
{
    ProcessResult r = runProcess({"ffmpeg", "-hide_banner", "-nostdin", "-i", path});
    bridge::DescriptionRelay relay;
    std::string relayed;
    bridge::LineSplitter lines([&](std::string_view line) { relayed += relay.relay(line); });
    lines.feed(r.output);
    lines.finish();
    r.output = relayed;
    return r;
}

// Library messages name the address of their context ("[mp3 @ 0x55d0...]"),
// which differs from run to run.
std::string withoutAddresses(const std::string &text)
{
    static const std::regex address(R"(@ 0x[0-9a-f]+\])");
    return std::regex_replace(text, address, "@ 0x]");
}

class InProcessProbe : public ::testing::TestWithParam<const char *> {
protected:
    static void SetUpTestSuite()
    {
        media = std::make_unique<TempDir>();
        const auto file = [](const char *name) { return media->file(name); };
        generateMedia("-f lavfi -i sine=frequency=440:duration=2 -ac 1", file("mono.wav"));
        generateMedia("-f lavfi -i sine=frequency=440:duration=3 -ac 2 -c:a libmp3lame -b:a 128k "
                      "-metadata comment=time=2.00_bitrate=1",
                      file("tone.mp3"));
        generateMedia("-f lavfi -i testsrc=size=320x240:rate=25:duration=2 -f lavfi -i sine=duration=2 "
                      "-c:v libx264 -preset ultrafast -c:a aac -shortest",
                      file("clip.mp4"));
        generateMedia("-f lavfi -i testsrc=size=176x144:rate=25:duration=2 -f lavfi -i sine=duration=2 "
                      "-f lavfi -i sine=frequency=880:duration=2 -map 0 -map 1 -map 2 -c:v mpeg4 -c:a libvorbis "
                      "-metadata:s:a:0 language=eng -metadata:s:a:1 language=ger -shortest",
                      file("two tracks.mkv"));
        generateMedia("-f lavfi -i testsrc=size=64x64:duration=0.04 -frames:v 1", file("cover.png"));
        generateMedia("-i " + file("tone.mp3") + " -i " + file("cover.png")
                          + " -map 0 -map 1 -c:a copy -c:v png -disposition:v attached_pic -id3v2_version 3",
                      file("cover.mp3"));
        std::ofstream(file("chapters.txt")) << ";FFMETADATA1\n[CHAPTER]\nTIMEBASE=1/1000\nSTART=0\nEND=1000\n"
                                               "title=Duration: 00:00:09.00\n[CHAPTER]\nTIMEBASE=1/1000\n"
                                               "START=1000\nEND=2000\ntitle=second\n";
        generateMedia("-i " + file("mono.wav") + " -i " + file("chapters.txt")
                          + " -map_metadata 1 -map_chapters 1 "
                            "-c:a flac",
                      file("chapters.mka"));
        writeFile(file("broken.mp3"), "this is a text file, not audio\n");
        writeFile(file("truncated.mp4"), readFile(file("clip.mp4")).substr(0, 4000));
    }
    static void TearDownTestSuite() { media.reset(); }

    static std::unique_ptr<TempDir> media;
};

std::unique_ptr<TempDir> InProcessProbe::media;

// The description, without the line of name tags that follows it.
std::string description(const std::string &output)
{
    return output.substr(0, output.find("veltrix-tags:"));
}

TEST_P(InProcessProbe, PrintsWhatFfmpegPrints)
{
    const std::string path = media->file(GetParam());
    const ProcessResult ours = runBridge({"-i", path});
    const ProcessResult ffmpeg = ffmpegProbeRelayed(path);

    EXPECT_EQ(withoutAddresses(description(ours.output)), withoutAddresses(ffmpeg.output));
    EXPECT_EQ(ours.exitCode, ffmpeg.exitCode);
    EXPECT_EQ(ours.exitCode, 1);
    EXPECT_TRUE(everyLineFeedAfterCr(ours.output)) << ours.output;
}

INSTANTIATE_TEST_SUITE_P(Media, InProcessProbe,
                         ::testing::Values("mono.wav", "tone.mp3", "clip.mp4", "two tracks.mkv", "cover.mp3",
                                           "chapters.mka", "broken.mp3", "truncated.mp4", "missing.mp3"),
                         [](const ::testing::TestParamInfo<const char *> &info) {
                             std::string name = info.param;
                             for (char &c : name)
                                 if (!std::isalnum(static_cast<unsigned char>(c)))
                                     c = '_';
                             return name;
                         });

TEST(InProcessProbeText, DescribesStreamsAndEndsWithFfmpegsLastLine)
{
    // The comparison above holds for any output two programs share; this
    // pins down that the description is really there.
    TempDir dir;
    generateMedia("-f lavfi -i sine=frequency=440:duration=2 -ac 1", dir.file("mono.wav"));
    const ProcessResult r = runBridge({"-i", dir.file("mono.wav")});
    EXPECT_NE(r.output.find("Guessed Channel Layout for Input Stream #0.0 : mono\r\n"), std::string::npos) << r.output;
    EXPECT_NE(r.output.find("Input #0, wav, from '" + dir.file("mono.wav") + "':\r\n"), std::string::npos) << r.output;
    EXPECT_NE(r.output.find("  Duration: 00:00:02.00, bitrate: 705 kb/s\r\n"), std::string::npos) << r.output;
    EXPECT_NE(r.output.find("Stream #0:0: Audio: pcm_s16le ([1][0][0][0] / 0x0001), 44100 Hz, mono, s16, 705 kb/s\r\n"),
              std::string::npos)
        << r.output;
    EXPECT_TRUE(description(r.output).ends_with("At least one output file must be specified\r\n")) << r.output;
    EXPECT_TRUE(r.output.ends_with("\nveltrix-tags:\r\n")) << r.output; // a file without tags
}

} // namespace
} // namespace veltrix::test
