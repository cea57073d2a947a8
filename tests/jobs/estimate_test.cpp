// The output size estimate over every branch, and the "Output Size" text.

#include "case_name.h"
#include "choices_builder.h"
#include "jobs/estimate.h"

#include <gtest/gtest.h>

using namespace veltrix::test;

namespace {

const QString kVga = QStringLiteral("640x480(VGA)");
const QStringList kSizes = {QStringLiteral("320x240"), kVga, kOriginalSize};

struct EstimateCase {
    const char *what;
    ChoicesPlan plan;
    std::optional<int> expected;
    Toriginalinfo job = sourceJob();
};

void PrintTo(const EstimateCase &c, std::ostream *os)
{
    *os << c.what;
}

class Estimate : public ::testing::TestWithParam<EstimateCase> {};

TEST_P(Estimate, GivesTheTotalRate)
{
    const EstimateCase &c = GetParam();
    EXPECT_EQ(estimateKbits(c.job, choicesOf(c.plan)), c.expected);
}

Toriginalinfo unreadableSize()
{
    Toriginalinfo job = sourceJob();
    job.pictureSize = QStringLiteral("widexhigh");
    return job;
}

Toriginalinfo sourceWith(const char *size, const char *videoRate, const char *audioRate)
{
    Toriginalinfo job = sourceJob();
    job.pictureSize = QString::fromLatin1(size);
    job.videoBitrate = QString::fromLatin1(videoRate);
    job.audioBitrate = QString::fromLatin1(audioRate);
    return job;
}

// Rates are held within 0..100000000 kbit/s and heights within 0..100000.
constexpr int kRateLimit = 100'000'000;
const std::array<QString, 5> kHugeRates = {"2147483647", "99999999999999999999", "-600", "400", "200"};

const EstimateCase kEstimateCases[] = {
    {"video CD",
     {112, ".mpg", kNumericRates, listOf({kPal, kNtsc}, 0), listOf(qualityWith(), 2, false),
      listOf(qualityWith(), 2, false)},
     1393},
    {"super video CD",
     {113, ".mpg", kNumericRates, listOf({kPal, kNtsc}, 1), listOf(qualityWith(), 2), listOf(qualityWith(), 2)},
     1948},
    {"DVD",
     {114, ".vob", kNumericRates, listOf({kPal, kNtsc}, 0), listOf(qualityWith(), 2), listOf(qualityWith(), 2)},
     3222},
    // Rate-text profiles: the video part is the chosen rate text.
    {"MP3, no video",
     {17, ".mp3", kNoVideoRates, listOf({kNoVideo}, 0, false), listOf(qualityWith() << kNoVideo, 5, false),
      listOf(qualityWith(), 2)},
     0 + 128},
    {"iPod Normal",
     {27, ".mp4", kNumericRates, listOf({"320x240"}, 0), listOf(qualityWith(), 2), listOf(qualityWith(), 1)},
     600 + 192},
    // Per-height profiles: V = height x factor, rounded.
    {"height of the chosen size",
     {2, ".avi", kNumericRates, listOf(kSizes, 1), listOf(qualityWith(), 1),
      listOf(qualityWith(kOriginalAudioQuality), 3)},
     1997 + 64}, // 480 x 4.16 = 1996.8
    {"height of the source",
     {2, ".avi", kNumericRates, listOf(kSizes, 2), listOf(qualityWith(), 2),
      listOf(qualityWith(kOriginalAudioQuality), 2)},
     1199 + 128}, // 360 x 3.33 = 1198.8
    {"source video quality",
     {2, ".avi", kNumericRates, listOf(kSizes, 0), listOf(qualityWith(kOriginalVideoQuality), 5),
      listOf(qualityWith(kOriginalAudioQuality), 5)},
     1000 + 192},
    {"source video quality in DVD mode",
     {2, ".avi", kNumericRates, listOf(kSizes, 0), listOf(qualityWith(kOriginalVideoQuality), 5),
      listOf(qualityWith(), 2), 1, false},
     799 + 128}, // 240 x 3.33 = 799.2
    {"mini factors",
     {118, ".mp4", kNumericRates, listOf({"320x240"}, 0), listOf(qualityWith(), 0), listOf(qualityWith(), 2)},
     799 + 128}, // 240 x 3.33
    {"excellent factors",
     {122, ".mp4", kNumericRates, listOf({"320x240"}, 0), listOf(qualityWith(), 0), listOf(qualityWith(), 2)},
     2498 + 128}, // 240 x 10.41 = 2498.4
    {"usual factors for 119",
     {119, ".mp4", kNumericRates, listOf({"320x240"}, 0), listOf(qualityWith(), 4), listOf(qualityWith(), 2)},
     362 + 128}, // 240 x 1.51 = 362.4
    {"half rounds to even",
     {2, ".avi", kNumericRates, listOf({"100x2"}, 0), listOf(qualityWith(), 0), listOf(qualityWith(), 2)},
     12 + 128}, // 2 x 6.25 = 12.5
    {"size without x",
     {2, ".avi", kNumericRates, listOf({"big"}, 0), listOf(qualityWith(), 2), listOf(qualityWith(), 2)},
     0},
    {"height that does not convert",
     {2, ".avi", kNumericRates, listOf({"640xbig"}, 0), listOf(qualityWith(), 2), listOf(qualityWith(), 2)},
     0 + 128},
    {"source height that does not convert",
     {2, ".avi", kNumericRates, listOf(kSizes, 2), listOf(qualityWith(), 2), listOf(qualityWith(), 2)},
     std::nullopt,
     unreadableSize()},
    // AMR rates, rounded half to even.
    {"AMR highest",
     {71, ".amr", kNoVideoRates, listOf({kNoVideo}, 0, false), listOf(qualityWith(), 2, false),
      listOf(qualityWith(), 0)},
     12},
    {"AMR lowest",
     {71, ".amr", kNoVideoRates, listOf({kNoVideo}, 0, false), listOf(qualityWith(), 2, false),
      listOf(qualityWith(), 4)},
     5},
    {"3GP",
     {8, ".3gp", kNumericRates, listOf({"176x144"}, 0), listOf(qualityWith(), 2), listOf(qualityWith(), 1)},
     480 + 10}, // 144 x 3.33 = 479.52, AMR 10.2
    {"WAV",
     {20, ".wav", kNoVideoRates, listOf({kNoVideo}, 0, false), listOf(qualityWith(), 2, false),
      listOf(qualityWith(), 4)},
     1500},
    // A profile without video has no video part, also outside ids 16 to 100.
    {"AAC",
     {15, ".aac", kNoVideoRates, listOf({kNoVideo}, 0, false), listOf(qualityWith() << kNoVideo, 5, false),
      listOf(qualityWith(), 2)},
     128},
    // "Lower Quality" is what the user chose, never the source's rate.
    {"Lower Quality on MP3",
     {17, ".mp3", kNoVideoRates, listOf({kNoVideo}, 0, false), listOf(qualityWith() << kNoVideo, 5, false),
      listOf(qualityWith(), 4)},
     32},
    {"Lower Quality beside a source entry",
     {2, ".avi", kNumericRates, listOf(kSizes, 0), listOf(qualityWith(), 2),
      listOf(qualityWith(kOriginalAudioQuality), 4)},
     799 + 32},
    // Nothing selected reads as "Normal" and as the first size.
    {"nothing selected",
     {4, ".mp4", kNumericRates, listOf(kSizes, -1), listOf(qualityWith(), -1), listOf(qualityWith(), -1)},
     799 + 128},
    // A source entry left in the lists is the source's own rate.
    {"source audio left on iPod",
     {27, ".mp4", kNumericRates, listOf({"320x240"}, 0), listOf(qualityWith(), 2),
      listOf(qualityWith(kOriginalAudioQuality), 5)},
     600 + 192},
    {"source video left on iPod",
     {27, ".mp4", kNumericRates, listOf({"320x240"}, 0), listOf(qualityWith(kOriginalVideoQuality), 5),
      listOf(qualityWith(), 2)},
     1000 + 128},
    // Values far beyond any real medium never overflow the total.
    {"source rates at the int limit",
     {2, ".avi", kNumericRates, listOf(kSizes, 0), listOf(qualityWith(kOriginalVideoQuality), 5),
      listOf(qualityWith(kOriginalAudioQuality), 5)},
     kRateLimit + kRateLimit,
     sourceWith("640x360", "2147483647", "2147483647")},
    {"negative source rates",
     {2, ".avi", kNumericRates, listOf(kSizes, 0), listOf(qualityWith(kOriginalVideoQuality), 5),
      listOf(qualityWith(kOriginalAudioQuality), 5)},
     0,
     sourceWith("640x360", "-2147483648", "-1")},
    {"rate text at the int limit",
     {27, ".mp4", kHugeRates, listOf({"320x240"}, 0), listOf(qualityWith(), 0), listOf(qualityWith(), 0)},
     kRateLimit + 320},
    {"rate text beyond 64 bits",
     {27, ".mp4", kHugeRates, listOf({"320x240"}, 0), listOf(qualityWith(), 1), listOf(qualityWith(), 0)},
     0 + 320}, // no number reads as 0
    {"negative rate text",
     {27, ".mp4", kHugeRates, listOf({"320x240"}, 0), listOf(qualityWith(), 2), listOf(qualityWith(), 0)},
     0 + 320},
    {"source height far beyond any picture",
     {120, ".mp4", kNumericRates, listOf(kSizes, 2), listOf(qualityWith(), 0), listOf(qualityWith(), 0)},
     1041000 + 320,
     sourceWith("640x999999999", "1000", "192")}, // 100000 x 10.41
    {"size entry far beyond any picture",
     {2, ".avi", kNumericRates, listOf({"1x2147483647"}, 0), listOf(qualityWith(), 0), listOf(qualityWith(), 2)},
     625000 + 128}, // 100000 x 6.25
};

INSTANTIATE_TEST_SUITE_P(Branches, Estimate, ::testing::ValuesIn(kEstimateCases), NameByWhat());

struct SizeTextCase {
    qint64 kbits;
    qint64 seconds;
    const char *expected;
};

class SizeText : public ::testing::TestWithParam<SizeTextCase> {};

TEST_P(SizeText, WritesMegabytesWithTwoDecimals)
{
    EXPECT_EQ(sizeText(GetParam().kbits, GetParam().seconds), QString::fromLatin1(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(Examples, SizeText,
                         ::testing::Values(SizeTextCase{128, 180, "2.75MB"},             // the documented example
                                           SizeTextCase{0, 205, "0.00MB"},               // no estimate
                                           SizeTextCase{128, 0, "0.00MB"},               // no duration
                                           SizeTextCase{1024, 8192, "1000.00MB"},        // exactly 1000 MB
                                           SizeTextCase{3222, 360000, "1.3827E+05MB"})); // beyond five digits

} // namespace
