// register.dat's own reading of its arguments: which run is a probe, and bit
// rates that must be refused before anything rounds them.

#include "bridge_test_helpers.h"
#include "command_line.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>

namespace veltrix::test {
namespace {

using Args = std::vector<std::string>;

struct BitRateCase {
    const char *name;
    Args args;
    std::optional<std::string> error;
    std::optional<long> audioBitRate;
};

void PrintTo(const BitRateCase &c, std::ostream *os)
{
    *os << c.name;
}

class BitRateArguments : public ::testing::TestWithParam<BitRateCase> {};

TEST_P(BitRateArguments, AreRefusedOrRead)
{
    const bridge::CommandLine command(GetParam().args);
    EXPECT_EQ(command.bitRateError(), GetParam().error);
    EXPECT_EQ(command.audioBitRate(), GetParam().audioBitRate);
}

std::string refusal(const std::string &option, const std::string &value, const std::string &text)
{
    return "Value " + value + " for parameter '" + option + "' out of range [0 - 1e+09]\r\nError setting option "
           + option + " to value " + text + ".\r\n";
}

INSTANTIATE_TEST_SUITE_P(
    Rates, BitRateArguments,
    ::testing::Values(
        BitRateCase{"HugeAlone",
                    {"-ab", "1e30"},
                    refusal("ab", "1000000000000000019884624838656.000000", "1e30"),
                    std::nullopt},
        BitRateCase{"HugeBeforeAnAmrOutput",
                    {"-y", "-i", "a.wav", "-ab", "1e30", "o.amr"},
                    refusal("ab", "1000000000000000019884624838656.000000", "1e30"),
                    std::nullopt},
        BitRateCase{"Infinite", {"-i", "a.wav", "-b:a", "inf", "o.mp3"}, refusal("b:a", "inf", "inf"), std::nullopt},
        BitRateCase{"NotANumber", {"-i", "a.wav", "-ab", "nan", "o.mp3"}, refusal("ab", "nan", "nan"), std::nullopt},
        BitRateCase{"Negative", {"-i", "a.wav", "-ab", "-5", "o.mp3"}, refusal("ab", "-5.000000", "-5"), std::nullopt},
        BitRateCase{"JustAboveTheLimit",
                    {"-i", "a.wav", "-ab", "1000000001", "o.mp3"},
                    refusal("ab", "1000000001.000000", "1000000001"),
                    std::nullopt},
        BitRateCase{"AboveTheLimitThroughItsSuffix",
                    {"-i", "a.wav", "-ab", "2e6k", "o.mp3"},
                    refusal("ab", "2000000000.000000", "2e6k"),
                    std::nullopt},
        BitRateCase{"ALaterRateIsCheckedToo",
                    {"-i", "a.wav", "-ab", "128000", "-b:a", "1e30", "o.mp3"},
                    refusal("b:a", "1000000000000000019884624838656.000000", "1e30"),
                    128000},
        BitRateCase{"TheLimitItself", {"-i", "a.wav", "-ab", "1e9", "o.amr"}, std::nullopt, 1000000000},
        BitRateCase{"Megabits", {"-i", "a.wav", "-ab", "1M", "o.amr"}, std::nullopt, 1000000},
        BitRateCase{"FractionOfKilobits", {"-i", "a.wav", "-ab", "12.2k", "o.amr"}, std::nullopt, 12200},
        BitRateCase{"WordsAreFfmpegsToJudge", {"-i", "a.wav", "-ab", "abc", "o.mp3"}, std::nullopt, std::nullopt},
        BitRateCase{
            "UnknownSuffixIsFfmpegsToJudge", {"-i", "a.wav", "-ab", "128kbit", "o.mp3"}, std::nullopt, std::nullopt},
        BitRateCase{"OptionWithoutValue", {"-i", "a.wav", "-ab"}, std::nullopt, std::nullopt},
        BitRateCase{"VideoRateIsFfmpegs", {"-i", "a.wav", "-b", "5e9", "o.mp3"}, std::nullopt, std::nullopt}));

TEST(ProbeArguments, OnlyABareInputIsAProbe)
{
    struct Case {
        Args args;
        std::optional<std::string> input;
    } const cases[] = {
        {{"-i", "/m/a b.wav"}, "/m/a b.wav"},     {{"-y", "-i", "a.wav"}, std::nullopt},
        {{"-i", "a.wav", "o.mp3"}, std::nullopt}, {{"-i"}, std::nullopt},
        {{"-f", "a.wav"}, std::nullopt},          {{}, std::nullopt},
    };
    for (const Case &c : cases)
        EXPECT_EQ(bridge::CommandLine(c.args).probeInput(), c.input) << ::testing::PrintToString(c.args);
}

struct RefusedRun {
    const char *name;
    Args rateArgs;
    const char *output; // nullptr: no input or output at all
};

void PrintTo(const RefusedRun &c, std::ostream *os)
{
    *os << c.name;
}

class BridgeRefusesRates : public ::testing::TestWithParam<RefusedRun> {};

TEST_P(BridgeRefusesRates, BeforeRunningAnything)
{
    TempDir dir;
    Args args;
    std::string output;
    if (GetParam().output) {
        generateMedia("-f lavfi -i sine=frequency=440:duration=1", dir.file("in.wav"));
        output = dir.file(GetParam().output);
        args = {"-y", "-i", dir.file("in.wav")};
    }
    args.insert(args.end(), GetParam().rateArgs.begin(), GetParam().rateArgs.end());
    if (!output.empty())
        args.push_back(output);

    const ProcessResult r = runBridge(args);

    EXPECT_EQ(r.exitCode, 1) << r.output;
    EXPECT_EQ(r.output, *bridge::CommandLine(args).bitRateError());
    if (!output.empty()) {
        EXPECT_FALSE(std::filesystem::exists(output));
    }
}

INSTANTIATE_TEST_SUITE_P(Runs, BridgeRefusesRates,
                         ::testing::Values(RefusedRun{"HugeAlone", {"-ab", "1e30"}, nullptr},
                                           RefusedRun{"HugeToAmr", {"-ab", "1e30"}, "out.amr"},
                                           RefusedRun{
                                               "InfiniteToMp3", {"-b:a", "inf", "-acodec", "libmp3lame"}, "out.mp3"}));

TEST(BridgeRates, TheHighestRateStillConverts)
{
    TempDir dir;
    generateMedia("-f lavfi -i sine=frequency=440:duration=1", dir.file("in.wav"));
    const ProcessResult r = runBridge({"-y", "-i", dir.file("in.wav"), "-ab", "1e9", dir.file("out.amr")});
    EXPECT_EQ(r.exitCode, 0) << r.output;
    EXPECT_EQ(readFile(dir.file("out.amr")).substr(0, 6), "#!AMR\n");
}

} // namespace
} // namespace veltrix::test
