// register.dat as the converter drives it: in its own process group, which
// may be stopped, continued, terminated or killed as a whole.

#include "bridge_test_helpers.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <thread>

namespace veltrix::test {
namespace {

using namespace std::chrono_literals;

// Generous limits: they only keep a broken build from hanging the suite.
constexpr auto kLimit = 30s;

// A conversion that lasts a minute: -re reads the synthetic input in real
// time, so it is long without loading the machine.
std::vector<std::string> longConversion(const std::string &output)
{
    return {registerDat(), "-y",      "-re",     "-f",        "lavfi", "-i", "testsrc=size=640x480:rate=25:duration=60",
            "-c:v",        "libx264", "-preset", "ultrafast", output};
}

bool hasProgress(const std::string &output, std::size_t count)
{
    return progressTimes(output).size() >= count;
}

// Waits (bounded) until nothing in group `pgid` is running any more.
bool groupEndsRunning(pid_t pgid)
{
    const auto deadline = std::chrono::steady_clock::now() + 5s;
    while (!livingProcessesInGroup(pgid).empty()) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(20ms);
    }
    return true;
}

TEST(BridgeProcessGroup, TerminateStopsFfmpegWhichFinishesTheFile)
{
    TempDir dir;
    const std::string output = dir.file("long.mp4");
    ChildProcess bridge(longConversion(output));
    ASSERT_TRUE(bridge.started());
    const pid_t group = bridge.processGroup();

    ASSERT_TRUE(bridge.readUntil([](const std::string &o) { return hasProgress(o, 1); }, kLimit)) << bridge.output();
    EXPECT_GE(livingProcessesInGroup(group).size(), 2u) << "ffmpeg should share the bridge's group";

    ASSERT_EQ(kill(-group, SIGTERM), 0);
    bridge.readToEnd(kLimit);
    const auto code = bridge.wait(kLimit);
    ASSERT_TRUE(code.has_value()) << "register.dat did not exit after SIGTERM";
    EXPECT_EQ(*code, 255) << "ffmpeg's exit code after SIGTERM is relayed\n" << bridge.output();

    // The bridge has reaped ffmpeg before exiting, so the group is empty.
    EXPECT_TRUE(groupEndsRunning(group));
    EXPECT_FALSE(processGroupExists(group));

    // ffmpeg finished the file it had started.
    EXPECT_EQ(ffprobeField(output, "stream=codec_name"), "h264");
}

TEST(BridgeProcessGroup, TerminatingTheBridgeAlonePassesTheSignalOn)
{
    TempDir dir;
    const std::string output = dir.file("long.mp4");
    ChildProcess bridge(longConversion(output));
    ASSERT_TRUE(bridge.started());
    const pid_t group = bridge.processGroup();
    ASSERT_TRUE(bridge.readUntil([](const std::string &o) { return hasProgress(o, 1); }, kLimit));

    ASSERT_EQ(kill(bridge.pid(), SIGTERM), 0);
    bridge.readToEnd(kLimit);
    const auto code = bridge.wait(kLimit);
    ASSERT_TRUE(code.has_value()) << "register.dat did not exit after SIGTERM";
    EXPECT_EQ(*code, 255) << bridge.output();
    EXPECT_NE(bridge.output().find("received signal 15"), std::string::npos) << bridge.output();
    EXPECT_TRUE(groupEndsRunning(group));
    EXPECT_EQ(ffprobeField(output, "stream=codec_name"), "h264");
}

TEST(BridgeProcessGroup, ContinuesAfterStopAndContinue)
{
    TempDir dir;
    ChildProcess bridge(longConversion(dir.file("long.mp4")));
    ASSERT_TRUE(bridge.started());
    const pid_t group = bridge.processGroup();
    ASSERT_TRUE(bridge.readUntil([](const std::string &o) { return hasProgress(o, 1); }, kLimit));

    ASSERT_EQ(kill(-group, SIGSTOP), 0);
    ASSERT_EQ(kill(-group, SIGCONT), 0);
    const std::size_t before = progressTimes(bridge.output()).size();
    EXPECT_TRUE(bridge.readUntil([before](const std::string &o) { return hasProgress(o, before + 1); }, kLimit))
        << "no progress after SIGCONT";

    ASSERT_EQ(kill(-group, SIGTERM), 0);
    bridge.readToEnd(kLimit);
    EXPECT_TRUE(bridge.wait(kLimit).has_value());
    EXPECT_TRUE(groupEndsRunning(group));
}

TEST(BridgeProcessGroup, KillingTheBridgeAloneTakesFfmpegWithIt)
{
    // Orphans of the bridge are handed to this process, which reaps them
    // below, instead of lingering as zombies.
    ASSERT_EQ(prctl(PR_SET_CHILD_SUBREAPER, 1), 0);

    TempDir dir;
    ChildProcess bridge(longConversion(dir.file("long.mp4")));
    ASSERT_TRUE(bridge.started());
    const pid_t group = bridge.processGroup();
    ASSERT_TRUE(bridge.readUntil([](const std::string &o) { return hasProgress(o, 1); }, kLimit));

    ASSERT_EQ(kill(bridge.pid(), SIGKILL), 0);
    ASSERT_TRUE(bridge.wait(kLimit).has_value());
    EXPECT_TRUE(groupEndsRunning(group)) << "ffmpeg outlived a killed register.dat";
    while (waitpid(-group, nullptr, WNOHANG) > 0) {
    }
}

TEST(BridgeProcessGroup, StopsFfmpegWhenTheReaderGoesAway)
{
    TempDir dir;
    ChildProcess bridge(longConversion(dir.file("long.mp4")));
    ASSERT_TRUE(bridge.started());
    const pid_t group = bridge.processGroup();
    ASSERT_TRUE(bridge.readUntil([](const std::string &o) { return hasProgress(o, 1); }, kLimit));

    bridge.closeOutput();
    const auto code = bridge.wait(kLimit);
    ASSERT_TRUE(code.has_value()) << "register.dat hung with nobody reading";
    EXPECT_EQ(*code, 255);
    EXPECT_TRUE(groupEndsRunning(group));
}

} // namespace
} // namespace veltrix::test
