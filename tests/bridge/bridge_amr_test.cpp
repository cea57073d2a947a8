// register.dat writing AMR-NB files, which it encodes itself.

#include "bridge_test_helpers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <ostream>

namespace veltrix::test {
namespace {

class BridgeAmr : public ::testing::Test {
protected:
    void SetUp() override
    {
        input = dir.file("tone.wav");
        generateMedia("-f lavfi -i sine=frequency=440:duration=3", input);
    }

    std::vector<std::string> filesInDir() const
    {
        std::vector<std::string> names;
        for (const auto &e : std::filesystem::directory_iterator(dir.path()))
            names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    TempDir dir;
    std::string input;
};

TEST_F(BridgeAmr, EncodesAPlayableAmrFile)
{
    const std::string output = dir.file("out.amr");
    const ProcessResult r = runBridge({"-y", "-i", input, "-ab", "12200", "-ar", "44100", output});

    ASSERT_EQ(r.exitCode, 0) << r.output;
    EXPECT_EQ(readFile(output).substr(0, 6), "#!AMR\n");
    EXPECT_EQ(ffprobeField(output, "stream=codec_name"), "amr_nb");
    EXPECT_NEAR(std::stod(ffprobeField(output, "format=duration")), 3.0, 0.1);

    const std::vector<double> times = progressTimes(r.output);
    ASSERT_FALSE(times.empty()) << r.output;
    EXPECT_NEAR(times.back(), 3.0, 0.1);
    EXPECT_TRUE(everyLineFeedAfterCr(r.output)) << r.output;
    EXPECT_EQ(filesInDir(), (std::vector<std::string>{"out.amr", "tone.wav"})) << "temporary file left";
}

// A name near the longest a file may have: the file is written under a
// short temporary name first.
TEST_F(BridgeAmr, ANameNearTheLongestConverts)
{
    const std::string name = std::string(251, 'n') + ".amr";
    const ProcessResult r = runBridge({"-y", "-i", input, dir.file(name)});
    ASSERT_EQ(r.exitCode, 0) << r.output;
    EXPECT_EQ(filesInDir(), (std::vector<std::string>{name, "tone.wav"}));
}

// 3 s at 8 kHz are exactly 150 frames of 20 ms; each mode has its own frame
// size (table-of-contents byte included), so the file size shows the mode.
struct ModeCase {
    const char *bitRate; // nullptr: no -ab
    int frameBytes;
};

void PrintTo(const ModeCase &c, std::ostream *os)
{
    *os << (c.bitRate ? c.bitRate : "default") << "_bps";
}

class BridgeAmrMode : public BridgeAmr, public ::testing::WithParamInterface<ModeCase> {};

TEST_P(BridgeAmrMode, BitRateSelectsTheNearestMode)
{
    const std::string output = dir.file("voice.AMR");
    std::vector<std::string> args{"-y", "-i", input};
    if (GetParam().bitRate)
        args.insert(args.end(), {"-ab", GetParam().bitRate});
    args.push_back(output);

    const ProcessResult r = runBridge(args);

    ASSERT_EQ(r.exitCode, 0) << r.output;
    const std::string amr = readFile(output);
    EXPECT_EQ(amr.size(), 6u + 150u * static_cast<unsigned>(GetParam().frameBytes));
}

INSTANTIATE_TEST_SUITE_P(Modes, BridgeAmrMode,
                         ::testing::Values(ModeCase{"4750", 13}, ModeCase{"5000", 14}, ModeCase{"7950", 21},
                                           ModeCase{"10k", 27}, ModeCase{"12200", 32}, ModeCase{"128000", 32},
                                           ModeCase{nullptr, 32}));

TEST_F(BridgeAmr, KeepsAnExistingFileWithoutOverwriteFlag)
{
    const std::string output = dir.file("out.amr");
    writeFile(output, "keep me");

    const ProcessResult r = runBridge({"-i", input, "-ab", "12200", output});

    EXPECT_NE(r.exitCode, 0) << r.output;
    EXPECT_NE(r.output.find("already exists"), std::string::npos) << r.output;
    EXPECT_EQ(readFile(output), "keep me");
    EXPECT_EQ(filesInDir(), (std::vector<std::string>{"out.amr", "tone.wav"}));
}

TEST_F(BridgeAmr, ReplacesAnExistingFileWithOverwriteFlag)
{
    const std::string output = dir.file("out.amr");
    writeFile(output, "old contents");

    const ProcessResult r = runBridge({"-y", "-i", input, "-ab", "12200", output});

    EXPECT_EQ(r.exitCode, 0) << r.output;
    EXPECT_EQ(readFile(output).substr(0, 6), "#!AMR\n");
}

TEST_F(BridgeAmr, FailedDecodeLeavesNoFile)
{
    const ProcessResult r = runBridge({"-y", "-i", dir.file("missing.wav"), dir.file("out.amr")});

    EXPECT_NE(r.exitCode, 0) << r.output;
    EXPECT_EQ(filesInDir(), std::vector<std::string>{"tone.wav"});
}

} // namespace
} // namespace veltrix::test
