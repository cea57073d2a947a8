// The argument pieces of a file job, each rule with its examples.

#include "case_name.h"
#include "choices_builder.h"
#include "jobs/argument_pieces.h"

#include <gtest/gtest.h>

using namespace veltrix::test;

namespace {

const QStringList kSizes = {QStringLiteral("320x240"), QStringLiteral("640x480(VGA)"), kOriginalSize};

ChoicesPlan avi(int size = 1, int video = 2, int audio = 2)
{
    return {2,
            ".avi",
            kNumericRates,
            listOf(kSizes, size),
            listOf(qualityWith(kOriginalVideoQuality), video),
            listOf(qualityWith(kOriginalAudioQuality), audio)};
}

ChoicesPlan disc(int id, int standard)
{
    return {id,
            id == 114 ? ".vob" : ".mpg",
            kNumericRates,
            listOf({kPal, kNtsc}, standard),
            listOf(qualityWith(), 2, false),
            listOf(qualityWith(), 2, false)};
}

ChoicesPlan amr(int audio)
{
    return {71,
            ".amr",
            kNoVideoRates,
            listOf({kNoVideo}, 0, false),
            listOf(qualityWith() << kNoVideo, 5, false),
            listOf(qualityWith(), audio)};
}

ChoicesPlan mp3(int audio)
{
    return {17,
            ".mp3",
            kNoVideoRates,
            listOf({kNoVideo}, 0, false),
            listOf(qualityWith() << kNoVideo, 5, false),
            listOf(qualityWith(), audio)};
}

ChoicesPlan ipod(int video)
{
    return {27, ".mp4", kNumericRates, listOf({"320x240"}, 0), listOf(qualityWith(), video), listOf(qualityWith(), 2)};
}

ChoicesPlan withId(ChoicesPlan plan, int id)
{
    plan.id = id;
    return plan;
}

ChoicesPlan withSizeDisabled(ChoicesPlan plan)
{
    plan.size.enabled = false;
    return plan;
}

ChoicesPlan withMono(ChoicesPlan plan)
{
    plan.channel = 0;
    return plan;
}

ChoicesPlan withNoSelection(ChoicesPlan plan)
{
    plan.size.selected = plan.video.selected = plan.audio.selected = -1;
    plan.channel = -1;
    return plan;
}

// The pieces a case expects, in the order the cases give them.
struct ExpectedPieces {
    QString size, aspect, videobitrate, audiobitrate, samplerate, channels, start, length, extra;
    qint32 seconds = 0;
    QString picture;
};

struct PiecesCase {
    const char *what;
    ChoicesPlan plan;
    ExpectedPieces expected;
};

void PrintTo(const PiecesCase &c, std::ostream *os)
{
    *os << c.what;
}

class Pieces : public ::testing::TestWithParam<PiecesCase> {};

TEST_P(Pieces, FollowTheRules)
{
    const PiecesCase &c = GetParam();
    TClipInfo clip;
    clip.clipBegin = 65;
    const std::optional<intputrec> pieces = jobPieces(Job{.original = sourceJob(), .clip = clip}, choicesOf(c.plan));
    ASSERT_TRUE(pieces.has_value());
    const ExpectedPieces &e = c.expected;
    EXPECT_EQ(*pieces, (intputrec{.videobitrate = e.videobitrate,
                                  .audiobitrate = e.audiobitrate,
                                  .seconds = e.seconds,
                                  .extra = e.extra,
                                  .size = e.size,
                                  .samplerate = e.samplerate,
                                  .channels = e.channels,
                                  .aspect = e.aspect,
                                  .picture = e.picture,
                                  .start = e.start,
                                  .length = e.length}));
}

// The job is 640x360, 1000 kbit/s video, 192 kbit/s audio, 00:03:25 long,
// its clip begins at 65 s; its length is 205 s.
const PiecesCase kPiecesCases[] = {
    {"sized entry",
     avi(1, 2, 2),
     {" -s 640x480", " -aspect 1.3333", " -r 25 -b 1598000", " -ab 128000", " -ar 44100 ", " -ac 2", " -ss 00:01:05",
      "", " -template", 205}}, // 480 x 3.33 = 1598.4
    {"documented video rate",
     withSizeDisabled(avi(0, 2, 2)),
     {"", "", " -r 25 -b 799000", " -ab 128000", " -ar 44100 ", " -ac 2", " -ss 00:01:05", "", " -template",
      205}},
    {"source size, video and audio",
     avi(2, 5, 5),
     {" -s 640x360", " -aspect 1.7778", " -r 25 -b 1000000", " -ab 192000", " -ar 44100 ", " -ac 2", " -ss 00:01:05",
      "", " -template", 205}},
    // ids 102 to 111 take the source size as chosen, never its caption.
    {"source size on 104",
     withId(avi(2, 2, 2), 104),
     {" -s 640x360", " -aspect 1.7778", " -r 25 -b 1199000", " -ab 128000", " -ar 44100 ", " -ac 2", " -ss 00:01:05",
      "", " -template", 205}},
    {"Video CD PAL",
     disc(112, 0),
     {"", "", "", "", "", " -ac 2", " -ss 00:01:05", "", " -target pal-vcd ", 205}},
    {"Super Video CD NTSC",
     disc(113, 1),
     {"", "", "", "", "", " -ac 2", " -ss 00:01:05", "", " -target ntsc-svcd ", 205}},
    {"DVD PAL",
     disc(114, 0),
     {"", "", "", "", "", " -ac 2", " -ss 00:01:05", "", " -target pal-dvd ", 205}},
    {"AMR entry 4",
     amr(4),
     {"", "", "", " -ab 4750", " -ar 8000 ", " -ac 1 ", " -ss 00:01:05", "", " -template", 205}},
    {"AMR entry 0",
     amr(0),
     {"", "", "", " -ab 12200", " -ar 8000 ", " -ac 1 ", " -ss 00:01:05", "", " -template", 205}},
    {"320 kbit/s",
     mp3(0),
     {"", "", "", " -ab 320000", " -ar 48000 ", " -ac 2", " -ss 00:01:05", "", " -template", 205}},
    {"192 kbit/s",
     mp3(1),
     {"", "", "", " -ab 192000", " -ar 44100 ", " -ac 2", " -ss 00:01:05", "", " -template", 205}},
    {"64 kbit/s",
     withMono(mp3(3)),
     {"", "", "", " -ab 64000", " -ar 22050 ", " -ac 1", " -ss 00:01:05", "", " -template", 205}},
    {"Lower Quality is 32 kbit/s",
     mp3(4),
     {"", "", "", " -ab 32000", " -ar 22050 ", " -ac 2", " -ss 00:01:05", "", " -template", 205}},
    {"rate text",
     ipod(1),
     {" -s 320x240", " -aspect 1.3333", " -r 25 -b 800000", " -ab 128000", " -ar 44100 ", " -ac 2", " -ss 00:01:05",
      "", " -template", 205}},
    {"nothing selected",
     withNoSelection(avi()),
     {" -s 320x240", " -aspect 1.3333", " -r 25 -b 799000", " -ab 128000", " -ar 44100 ", " -ac 2", " -ss 00:01:05",
      "", " -template", 205}},
};

INSTANTIATE_TEST_SUITE_P(Rules, Pieces, ::testing::ValuesIn(kPiecesCases), NameByWhat());

TEST(Pieces, SizeEntryGivesSizeAndAspect)
{
    const ProfileChoices choices = choicesOf(avi(1));
    const std::optional<FrameSize> frame = pictureFrame(sourceJob(), choices);
    EXPECT_EQ(sizePiece(frame), " -s 640x480");
    EXPECT_EQ(aspectPiece(frame), QString(" -aspect 1.3333"));
}

// The formats of today state no frame for the source's own, unless it is odd.
TEST(Pieces, TodaysFormatsMakeOnlyAnOddSourceFrameEven)
{
    const ProfileChoices av1 = choicesOf(withId(avi(2), 136));
    Toriginalinfo odd = sourceJob();
    EXPECT_FALSE(pictureFrame(odd, av1).has_value());
    odd.pictureSize = QStringLiteral("853x481");
    EXPECT_EQ(sizePiece(pictureFrame(odd, av1)), " -s 852x480");
}

TEST(Pieces, SizesThatDoNotConvertStopTheStart)
{
    Toriginalinfo job = sourceJob();
    job.pictureSize = QStringLiteral("widexhigh");
    EXPECT_FALSE(jobPieces(Job{.original = job}, choicesOf(avi(2))).has_value());
    ChoicesPlan zeroHeight = avi(0);
    zeroHeight.size.entries[0] = QStringLiteral("320x0");
    EXPECT_FALSE(jobPieces(Job{.original = sourceJob()}, choicesOf(zeroHeight)).has_value());
}

TEST(Pieces, UnknownDurationLeavesTheLengthOut)
{
    Toriginalinfo job = sourceJob();
    job.duration.clear();
    const std::optional<intputrec> pieces = jobPieces(Job{.original = job}, choicesOf(mp3(2)));
    ASSERT_TRUE(pieces.has_value());
    EXPECT_EQ(pieces->length, "");
    EXPECT_EQ(pieces->seconds, 0);
}

// Only a cut has a length: the whole source converts to the end of its
// input, whatever length it states.
TEST(Pieces, LengthOnlyForACut)
{
    Job whole{.original = sourceJob(), .clip = {0, 205, 0, 205, 0}, .exactDuration = 20540};
    EXPECT_EQ(lengthPiece(whole), "");
    Job cut = whole;
    cut.clip.clipEnd = 200;
    cut.original.duration = "00:03:20";
    EXPECT_EQ(lengthPiece(cut), " -t 00:03:20");
    whole.exactDuration.reset();
    EXPECT_EQ(lengthPiece(whole), "");
}

// A clip marked on frames passes its hundredths; one left running to the
// source's end, or marked at its very end, has no length.
TEST(Pieces, MarkedClipsPassTheirHundredths)
{
    Job job{.original = sourceJob(), .clip = {0, 205, 0, 205, 0}, .exactDuration = 20540};
    setClipRange(job.clip, {592, 1296});
    EXPECT_EQ(startPiece(job.clip), " -ss 00:00:05.92");
    EXPECT_EQ(lengthPiece(job), " -t 00:00:07.04");
    setClipRange(job.clip, {1000, 20500});
    EXPECT_EQ(startPiece(job.clip), " -ss 00:00:10");
    EXPECT_EQ(lengthPiece(job), "");
    setClipRange(job.clip, {1000, 20540});
    EXPECT_EQ(lengthPiece(job), "");
}

} // namespace
