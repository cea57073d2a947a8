#include "engine/commandline.h"
#include "engine/timecode.h"

#include <gtest/gtest.h>

namespace {

struct TimeCodeCase {
    const char *text;
    int seconds;
};

class TimeCodeToSeconds : public ::testing::TestWithParam<TimeCodeCase> {};

TEST_P(TimeCodeToSeconds, ReadsFixedPositions)
{
    EXPECT_EQ(timeCodeToSeconds(QString::fromUtf8(GetParam().text)), GetParam().seconds) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Examples, TimeCodeToSeconds,
                         ::testing::Values(TimeCodeCase{"00:01:30", 90}, TimeCodeCase{"01:01:01", 3661},
                                           TimeCodeCase{"00:00:00", 0}, TimeCodeCase{"1:02:03", 0},
                                           TimeCodeCase{"100:00:00", 0}, TimeCodeCase{"00:99:99", 99 * 60 + 99},
                                           TimeCodeCase{"00-01-30", 90}, TimeCodeCase{"00:01:3", 0},
                                           TimeCodeCase{"", 0}, TimeCodeCase{"ab:01:30", 0},
                                           TimeCodeCase{"00:03:25.40", 205}));

struct SecondsCase {
    int seconds;
    const char *text;
};

class SecondsToTimeCode : public ::testing::TestWithParam<SecondsCase> {};

TEST_P(SecondsToTimeCode, PadsEachFieldToTwoDigits)
{
    EXPECT_EQ(secondsToTimeCode(GetParam().seconds), QString::fromUtf8(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(Examples, SecondsToTimeCode,
                         ::testing::Values(SecondsCase{59, "00:00:59"}, SecondsCase{3661, "01:01:01"},
                                           SecondsCase{0, "00:00:00"}, SecondsCase{360000, "100:00:00"},
                                           SecondsCase{86399, "23:59:59"}));

TEST(TimeCode, RoundTripsEveryMinuteOfADay)
{
    for (int s = 0; s < 24 * 3600; s += 61)
        ASSERT_EQ(timeCodeToSeconds(secondsToTimeCode(s)), s);
}

TEST(TimeCode, HundredthsReadAndWriteBothShapes)
{
    EXPECT_EQ(timeCodeToHundredths("00:00:05.92"), 592);
    EXPECT_EQ(timeCodeToHundredths("01:00:00"), 360000);
    EXPECT_EQ(timeCodeToHundredths("00:00:00.07"), 7);
    for (const char *bad : {"00:00:05.9", "00:00:05,92", "ab:00:05.92", "00:00:05.9x", ""})
        EXPECT_EQ(timeCodeToHundredths(bad), 0) << bad;
    EXPECT_EQ(hundredthsToTimeCode(12345), "00:02:03.45");
    EXPECT_EQ(hundredthsToTimeCode(-5), "00:00:00.00");
}

TEST(QuoteArgument, QuotesOnlyTextWithABlank)
{
    const std::pair<QString, QString> cases[] = {
        {"/home/me/My Music/a.mp3", "\"/home/me/My Music/a.mp3\""},
        {"/tmp/a&b;$(x).mp3", "/tmp/a&b;$(x).mp3"},
        {"", ""},
        {" ", "\" \""},
        {"say \"hi\" now", "\"say \"hi\" now\""},
    };
    for (const auto &[in, out] : cases)
        EXPECT_EQ(quoteArgument(in), out) << in.toStdString();
}

intputrec fileJobRecord()
{
    intputrec rec;
    rec.encoderfile = "/opt/veltrix/register.dat";
    rec.inputfile = "/media/My Videos/in.avi";
    rec.outputfile = "/out/in.mp4";
    rec.start = " -ss 00:00:00";
    rec.videobitrate = " -r 25 -b 799000";
    rec.audiobitrate = " -ab 128000";
    rec.channels = " -ac 2";
    rec.aspect = " -aspect 1.3333";
    rec.length = " -t 00:01:30";
    rec.size = " -s 320x240";
    rec.samplerate = " -ar 44100 ";
    rec.extra = " -vcodec mpeg4 -acodec aac";
    return rec;
}

TEST(CommandLineText, JoinsThePiecesInTheirOrder)
{
    EXPECT_EQ(commandLineText(fileJobRecord()),
              "/opt/veltrix/register.dat -ss 00:00:00 -y  -i \"/media/My Videos/in.avi\" -r 25 -b 799000 -ab 128000"
              " -ac 2 -aspect 1.3333 -t 00:01:30 -s 320x240  -ar 44100  -vcodec mpeg4 -acodec aac /out/in.mp4");
}

TEST(CommandLineText, EmptyPiecesLeaveOnlyTheBlanksOfTheirNeighbours)
{
    intputrec rec;
    rec.encoderfile = "/opt/my tools/register.dat";
    rec.inputfile = "/a b/in.wav";
    rec.outputfile = "/c d/out.mp3";
    EXPECT_EQ(commandLineText(rec), "\"/opt/my tools/register.dat\" -y  -i \"/a b/in.wav\"  \"/c d/out.mp3\"");
}

TEST(EncoderArguments, SplitsPiecesButKeepsPathsWhole)
{
    intputrec rec = fileJobRecord();
    rec.inputfile = "/media/My \"Best\" Videos/in put.avi";
    rec.outputfile = "/out/with blank \"q\".mp4";
    const QStringList expected = {"-ss",     "00:00:00", "-y",       "-i",     rec.inputfile, "-r",  "25",
                                  "-b",      "799000",   "-ab",      "128000", "-ac",         "2",   "-aspect",
                                  "1.3333",  "-t",       "00:01:30", "-s",     "320x240",     "-ar", "44100",
                                  "-vcodec", "mpeg4",    "-acodec",  "aac",    rec.outputfile};
    EXPECT_EQ(encoderArguments(rec), expected);
}

TEST(EncoderArguments, EmptyPiecesAddNoArguments)
{
    intputrec rec;
    rec.inputfile = "in";
    rec.outputfile = "out";
    EXPECT_EQ(encoderArguments(rec), QStringList({"-y", "-i", "in", "out"}));
}

} // namespace
