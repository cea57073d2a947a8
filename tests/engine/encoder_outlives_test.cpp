// An encoder never outlives the program that started it, even when the
// program is killed outright and has no chance to stop it. A paused encoder
// is stopped and cannot act on its termination signal; the kernel continues
// it once the program's death orphans its process group.

#include "media_fixtures.h"

#include <chrono>
#include <csignal>
#include <gtest/gtest.h>
#include <regex>
#include <thread>

using namespace veltrix::test;
using namespace std::chrono_literals;

namespace {

class EncoderLifetime : public ::testing::TestWithParam<const char *> {};

TEST_P(EncoderLifetime, AKilledProgramTakesItsEncoderAlong)
{
    TempDir dir;
    generateMedia("-f lavfi -i testsrc=size=320x240:rate=25:duration=30", dir.file("in.mp4"));
    std::vector<std::string> command{ENCODER_HOST, dir.file("in.mp4"), dir.file("out.avi")};
    if (std::string(GetParam()) == "paused")
        command.push_back("pause");
    ChildProcess host(command);
    ASSERT_TRUE(host.started());
    const std::regex line(R"(encoder (\d+)\n)");
    ASSERT_TRUE(host.readUntil([&](const std::string &out) { return std::regex_search(out, line); }, 10s))
        << host.output();
    std::smatch m;
    std::regex_search(host.output(), m, line);
    const pid_t encoderGroup = static_cast<pid_t>(std::stol(m[1]));
    ASSERT_GT(encoderGroup, 0);
    // The encoder is really working before the program dies.
    for (int i = 0; i < 100 && livingProcessesInGroup(encoderGroup).size() < 2; ++i)
        std::this_thread::sleep_for(50ms);
    ASSERT_GE(livingProcessesInGroup(encoderGroup).size(), 2u) << "register.dat and its ffmpeg";

    ::kill(host.pid(), SIGKILL);
    ASSERT_TRUE(host.wait(5s).has_value());
    for (int i = 0; i < 200 && !livingProcessesInGroup(encoderGroup).empty(); ++i)
        std::this_thread::sleep_for(50ms);
    EXPECT_TRUE(livingProcessesInGroup(encoderGroup).empty());
}

INSTANTIATE_TEST_SUITE_P(States, EncoderLifetime, ::testing::Values("running", "paused"),
                         [](const auto &info) { return std::string(info.param); });

} // namespace
