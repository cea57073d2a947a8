// Snapshot runs: an image output is written under exactly the name given,
// even when the name holds a "%".

#include "bridge_test_helpers.h"
#include "ffmpeg_command.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <set>

namespace veltrix::test {
namespace {

using Args = std::vector<std::string>;

std::uint32_t littleEndian32(const std::string &bytes, std::size_t at)
{
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i)
        value |= std::uint32_t(static_cast<unsigned char>(bytes[at + i])) << (8 * i);
    return value;
}

TEST(LiteralImageName, UpdateIsAddedBeforeTheOutputOfAnImageRun)
{
    struct Case {
        Args in;
        Args out;
    } const cases[] = {
        {{"-ss", "00:00:01", "-y", "-i", "in.mp4", "-t", "0.01", "-s", "320x240", "-f", "image2", "a%d.bmp"},
         {"-ss", "00:00:01", "-y", "-i", "in.mp4", "-t", "0.01", "-s", "320x240", "-f", "image2", "-update", "1",
          "a%d.bmp"}},
        // An image sequence as input is no image output.
        {{"-f", "image2", "-i", "img%03d.bmp", "out.mp4"}, {"-f", "image2", "-i", "img%03d.bmp", "out.mp4"}},
        {{"-f", "image2", "-i", "img%03d.bmp", "-f", "image2", "b%d.bmp"},
         {"-f", "image2", "-i", "img%03d.bmp", "-f", "image2", "-update", "1", "b%d.bmp"}},
        // Other formats, and "-f image2" with no output name after it, stay.
        {{"-i", "in.mp4", "-f", "avi", "o%d.avi"}, {"-i", "in.mp4", "-f", "avi", "o%d.avi"}},
        {{"-i", "in.mp4", "-f", "image2"}, {"-i", "in.mp4", "-f", "image2"}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(bridge::withLiteralImageName(c.in), c.out) << ::testing::PrintToString(c.in);
}

TEST(BridgeSnapshot, NamesWithPercentAreWrittenAsGiven)
{
    TempDir dir;
    const std::string clip = dir.file("clip.mp4");
    generateMedia("-f lavfi -i testsrc=size=320x240:rate=25:duration=3 -c:v libx264 -preset ultrafast", clip);
    const std::string shots = dir.file("shots");
    std::filesystem::create_directory(shots);

    const std::vector<std::string> names{"clip%d.bmp", "100% at 00%02d %s.bmp"};
    for (const std::string &name : names) {
        const ProcessResult r = runBridge(
            {"-ss", "00:00:01", "-y", "-i", clip, "-t", "0.01", "-s", "160x120", "-f", "image2", shots + "/" + name});
        EXPECT_EQ(r.exitCode, 0) << r.output;
    }

    std::set<std::string> written;
    for (const auto &entry : std::filesystem::directory_iterator(shots))
        written.insert(entry.path().filename().string());
    EXPECT_EQ(written, std::set<std::string>(names.begin(), names.end()));
    // Read the header directly: ffprobe would take the "%" for a pattern too.
    for (const std::string &name : names) {
        const std::string image = readFile(shots + "/" + name);
        ASSERT_GE(image.size(), 26u) << name;
        EXPECT_EQ(image.substr(0, 2), "BM") << name;
        EXPECT_EQ(littleEndian32(image, 18), 160u) << name;
        EXPECT_EQ(littleEndian32(image, 22), 120u) << name;
    }
}

} // namespace
} // namespace veltrix::test
