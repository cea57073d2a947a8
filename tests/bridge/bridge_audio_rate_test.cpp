// Audio bit rates fitted to encoders that only take fixed steps.

#include "audio_rate_fit.h"
#include "bridge_test_helpers.h"

#include <gtest/gtest.h>

namespace veltrix::test {
namespace {

using Args = std::vector<std::string>;

TEST(FitAudioBitRate, MovesLayerTwoRatesToTheNearestStep)
{
    struct Case {
        Args in;
        Args out;
    } const cases[] = {
        {{"-ab", "127000", "-acodec", "mp2", "o.mpg"}, {"-ab", "128000", "-acodec", "mp2", "o.mpg"}},
        {{"-ab", "1411000", "-acodec", "mp2", "o.mpg"}, {"-ab", "384000", "-acodec", "mp2", "o.mpg"}},
        {{"-ab", "1000", "-c:a", "libtwolame", "o.mp2"}, {"-ab", "32000", "-c:a", "libtwolame", "o.mp2"}},
        // 22.05 kHz uses the lower table, which stops at 160 kbit/s.
        {{"-ab", "200000", "-ar", "22050", "-acodec", "mp2", "o"},
         {"-ab", "160000", "-ar", "22050", "-acodec", "mp2", "o"}},
        // The last rate and the last codec count, as in ffmpeg.
        {{"-ab", "50000", "-b:a", "70000", "-acodec", "mp2", "o"},
         {"-ab", "50000", "-b:a", "64000", "-acodec", "mp2", "o"}},
        {{"-acodec", "mp2", "-ab", "127000", "-acodec", "libmp3lame", "o"},
         {"-acodec", "mp2", "-ab", "127000", "-acodec", "libmp3lame", "o"}},
        // Rates already allowed, other encoders and rates ffmpeg parses itself stay.
        {{"-ab", "192000", "-acodec", "mp2", "o"}, {"-ab", "192000", "-acodec", "mp2", "o"}},
        {{"-ab", "127000", "-acodec", "ac3", "o"}, {"-ab", "127000", "-acodec", "ac3", "o"}},
        {{"-ab", "128k", "-acodec", "mp2", "o"}, {"-ab", "128k", "-acodec", "mp2", "o"}},
        {{"-i", "in.mp2", "o.wav"}, {"-i", "in.mp2", "o.wav"}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(veltrix::bridge::fitAudioBitRate(c.in), c.out) << c.in[1];
}

TEST(FitAudioBitRate, ASourceRateReachesTheLayerTwoEncoder)
{
    TempDir dir;
    generateMedia("-f lavfi -i sine=frequency=440:duration=2 -ac 2", dir.file("in.wav"));
    const ProcessResult r =
        runBridge({"-y", "-i", dir.file("in.wav"), "-ab", "127000", "-acodec", "mp2", dir.file("out.mp2")});
    EXPECT_EQ(r.exitCode, 0) << r.output;
    EXPECT_EQ(ffprobeField(dir.file("out.mp2"), "stream=codec_name"), "mp2");
    EXPECT_EQ(ffprobeField(dir.file("out.mp2"), "stream=bit_rate"), "128000");
}

} // namespace
} // namespace veltrix::test
