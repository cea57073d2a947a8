// A program closed during a preview exits at once and leaves no thread and
// no process behind; libmpv is not loaded before its first preview.

#include "media_fixtures.h"

#include <chrono>
#include <gtest/gtest.h>
#include <map>
#include <regex>
#include <sstream>

using namespace veltrix::test;
using namespace std::chrono_literals;

namespace {

std::map<std::string, int> reportedValues(const std::string &output)
{
    // Other lines (Qt's notices) are skipped.
    std::map<std::string, int> values;
    const std::regex line(R"(^([a-z-]+) (\d+)$)");
    std::istringstream lines(output);
    for (std::string text; std::getline(lines, text);)
        if (std::smatch m; std::regex_match(text, m, line))
            values[m[1]] = std::stoi(m[2]);
    return values;
}

TEST(PreviewLifetime, ClosingDuringAPreviewLeavesNothingBehind)
{
    TempDir dir;
    generateMedia("-f lavfi -i testsrc=size=320x240:rate=25:duration=30 -f lavfi -i sine=duration=30 "
                  "-c:v libx264 -pix_fmt yuv420p -c:a aac -shortest",
                  dir.file("long.mp4"));
    ChildProcess host({PREVIEW_HOST, dir.file("long.mp4")});
    ASSERT_TRUE(host.started());
    ASSERT_TRUE(host.readToEnd(20s)) << host.output();
    const std::optional<int> exitCode = host.wait(5s);
    ASSERT_TRUE(exitCode.has_value()) << "still running after closing: " << host.output();
    EXPECT_EQ(*exitCode, 0) << host.output();
    EXPECT_TRUE(livingProcessesInGroup(host.processGroup()).empty());

    std::map<std::string, int> values = reportedValues(host.output());
    ASSERT_EQ(values.count("threads-after-close"), 1u) << host.output();
    EXPECT_EQ(values["libmpv-at-start"], 0) << "libmpv waits for the first preview";
    EXPECT_EQ(values["libmpv-playing"], 1);
    EXPECT_GT(values["threads-playing"], values["threads-at-start"]) << "the player was really running";
    EXPECT_LE(values["threads-after-close"], values["threads-at-start"]) << host.output();
}

} // namespace
