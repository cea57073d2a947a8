// register.dat running ordinary conversions and probes through ffmpeg.

#include "bridge_test_helpers.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ostream>
#include <sys/stat.h>

namespace veltrix::test {
namespace {

class BridgeConversion : public ::testing::Test {
protected:
    void SetUp() override
    {
        input = dir.file("in put.wav");
        generateMedia("-f lavfi -i sine=frequency=440:duration=20", input);
    }

    TempDir dir;
    std::string input;
};

TEST_F(BridgeConversion, ConvertsToMp3WithProgressLines)
{
    const std::string output = dir.file("out.mp3");
    const ProcessResult r = runBridge({"-y", "-i", input, "-ab", "128000", "-acodec", "libmp3lame", output});

    EXPECT_EQ(r.exitCode, 0) << r.output;
    const std::vector<double> times = progressTimes(r.output);
    ASSERT_FALSE(times.empty()) << r.output;
    EXPECT_GE(times.back(), 19.0);
    EXPECT_LE(times.back(), 21.0);
    EXPECT_TRUE(everyLineFeedAfterCr(r.output)) << r.output;
    EXPECT_NE(r.output.find("Input #0, wav"), std::string::npos) << r.output;
    EXPECT_TRUE(std::regex_search(r.output, std::regex(R"(\n  Duration: 00:00:20\.00[^\r\n]*\r\n)")))
        << "the description line should end in CR LF:\n"
        << r.output;

    EXPECT_EQ(ffprobeField(output, "format=format_name"), "mp3");
    EXPECT_NEAR(std::stod(ffprobeField(output, "format=duration")), 20.0, 0.5);
}

TEST_F(BridgeConversion, ProbeDescribesTheInputAndExitsWithOne)
{
    const ProcessResult r = runBridge({"-i", input});

    EXPECT_EQ(r.exitCode, 1) << r.output;
    EXPECT_NE(r.output.find("Duration: 00:00:20"), std::string::npos) << r.output;
    EXPECT_NE(r.output.find("Stream #0:0: Audio: pcm_s16le"), std::string::npos) << r.output;
    EXPECT_NE(r.output.find("At least one output file must be specified\r\n"), std::string::npos) << r.output;
    EXPECT_TRUE(everyLineFeedAfterCr(r.output)) << r.output;
    EXPECT_TRUE(progressTimes(r.output).empty()) << r.output;
}

struct UnreadableInput {
    const char *name;
    const char *contents; // nullptr: the file does not exist
};

void PrintTo(const UnreadableInput &c, std::ostream *os)
{
    *os << c.name;
}

class BridgeUnreadableInput : public BridgeConversion, public ::testing::WithParamInterface<UnreadableInput> {};

TEST_P(BridgeUnreadableInput, ExitsNonZero)
{
    const std::string path = dir.file(GetParam().name);
    if (GetParam().contents)
        writeFile(path, GetParam().contents);

    const ProcessResult r = runBridge({"-y", "-i", path, "-acodec", "libmp3lame", dir.file("out.mp3")});

    EXPECT_NE(r.exitCode, 0) << r.output;
    EXPECT_NE(r.exitCode, -1) << "register.dat did not finish";
    EXPECT_TRUE(everyLineFeedAfterCr(r.output)) << r.output;
}

INSTANTIATE_TEST_SUITE_P(Inputs, BridgeUnreadableInput,
                         ::testing::Values(UnreadableInput{"missing.wav", nullptr},
                                           UnreadableInput{"notes.mp3", "this is a text file, not audio\n"}));

TEST_F(BridgeConversion, RunsTheFfmpegNamedInTheEnvironment)
{
    // A wrapper that records its arguments proves VELTRIX_FFMPEG is used.
    const std::string wrapper = dir.file("my ffmpeg");
    const std::string log = dir.file("args.txt");
    writeFile(wrapper, "#!/bin/sh\nprintf '%s\\n' \"$@\" > '" + log + "'\nexec ffmpeg \"$@\"\n");
    ASSERT_EQ(chmod(wrapper.c_str(), 0755), 0);

    setenv("VELTRIX_FFMPEG", wrapper.c_str(), 1);
    const ProcessResult r = runBridge({"-y", "-i", input, "-acodec", "libmp3lame", dir.file("out.mp3")});
    unsetenv("VELTRIX_FFMPEG");

    EXPECT_EQ(r.exitCode, 0) << r.output;
    const std::string args = readFile(log);
    EXPECT_NE(args.find("-nostdin\n"), std::string::npos) << args;
    EXPECT_NE(args.find("-progress\npipe:3\n"), std::string::npos) << args;
    EXPECT_NE(args.find("-i\n" + input + "\n"), std::string::npos) << args;
}

} // namespace
} // namespace veltrix::test
