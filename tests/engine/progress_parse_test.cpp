#include "engine/progress.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct ParseCase {
    const char *text;
    qint64 seconds;
};

class ProgressParse : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ProgressParse, ReadsWholeSecondsBeforeTheDot)
{
    EXPECT_EQ(parseProgressSeconds(GetParam().text), GetParam().seconds) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ProgressParse,
    ::testing::Values(ParseCase{"time=83.52 bitrate= 512.0kbits/s", 83},
                      ParseCase{"size= 1kB time=00:01:23.52 bitrate= 512.0kbits/s", 0},
                      ParseCase{"time=200000.00 bitrate=", 0}, ParseCase{"time=100000.00 bitrate=", 100000},
                      ParseCase{"time=100001.00 bitrate=", 0}, ParseCase{"time=12.5", 0},
                      ParseCase{"bitrate= 1 time=12.50", 0}, ParseCase{"time=.50 bitrate=", 0},
                      ParseCase{"time=-5.00 bitrate=", 0}, ParseCase{"time=12 bitrate=3.0", 0},
                      ParseCase{"time=7.00 bitrate=N/A\rtime=9.00 bitrate=N/A\r", 7},
                      ParseCase{"no progress here\r\n", 0}, ParseCase{"time=99999999999999999999.1 bitrate=", 0},
                      // A value is one line's own: its "." and "bitrate=" stand in the line of "time=".
                      ParseCase{"time=2.\nbitrate=", 0}, ParseCase{"time=\r5.0 bitrate=\r", 0},
                      ParseCase{"to '/out/time=99.avi'\r\ntime=5.00 bitrate=1k\r", 0},
                      ParseCase{"bitrate=\rtime=5.00 bitrate=1k\r", 5},
                      ParseCase{"Output #0\r\n  time=4.50 bitrate=1k\rtime=9.00 bitrate=1k", 4}));

TEST(MulDiv, RoundsHalfAwayFromZeroAndGivesMinusOneForZero)
{
    struct Case {
        qint64 a, b, c;
        qint32 result;
    } const cases[] = {{83, 10000, 166, 5000},  {1, 10000, 3, 3333},
                       {2, 10000, 3, 6667},     {1, 1, 2, 1},
                       {-1, 1, 2, -1},          {5, 10000, 0, -1},
                       {0, 10000, 0, -1},       {10000, 715, 10000, 715},
                       {5000, 715, 10000, 358}, {3000000, 10000, 60, 500000000}};
    for (const Case &c : cases)
        EXPECT_EQ(mulDiv(c.a, c.b, c.c), c.result) << c.a << "*" << c.b << "/" << c.c;
}

TEST(ProgressText, PutsTheDotBeforeTheLastTwoDigits)
{
    const std::pair<qint32, const char *> cases[] = {{5, "00.05%"}, {1234, "12.34%"},   {10000, "100.00%"},
                                                     {0, "00.00%"}, {10550, "105.50%"}, {99, "00.99%"}};
    for (const auto &[value, text] : cases)
        EXPECT_EQ(progressText(value), QString::fromUtf8(text));
}

// Feeds the chunks in order and records the buffer each line end saw.
std::vector<QByteArray> lineEndsSeen(const std::vector<QByteArray> &chunks, QByteArray &buffer)
{
    std::vector<QByteArray> seen;
    for (const QByteArray &chunk : chunks) {
        buffer += chunk;
        consumeLineEnds(buffer, [&seen](const QByteArray &whole) { seen.push_back(whole); });
    }
    return seen;
}

TEST(ConsumeLineEnds, KeepsAnIncompleteLineForTheNextChunk)
{
    QByteArray buffer;
    auto seen = lineEndsSeen({"time=1", "2.00 bitrate=x\r", "tail"}, buffer);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0], "time=12.00 bitrate=x\r");
    EXPECT_EQ(buffer, "tail");
}

TEST(ConsumeLineEnds, CountsLineEndsLikeTheEncoderWritesThem)
{
    struct Case {
        QByteArray input;
        size_t lineEnds;
        QByteArray left;
    } const cases[] = {
        {"a\r\nb", 1, "b"},     // CR LF is one line end
        {"a\rb\r", 2, ""},      // lone CRs
        {"a\nb\n", 2, ""},      // lone LFs
        {"a\r\n\r\nb", 2, "b"}, // two CR LF pairs
        {"a\r", 1, ""},         // CR at the very end; an LF in the next chunk is a line of its own
        {"no end", 0, "no end"},
    };
    for (const Case &c : cases) {
        QByteArray buffer;
        const auto seen = lineEndsSeen({c.input}, buffer);
        EXPECT_EQ(seen.size(), c.lineEnds) << c.input.toStdString();
        EXPECT_EQ(buffer, c.left) << c.input.toStdString();
    }
}

TEST(ConsumeLineEnds, EveryLineEndOfOnePassSeesTheWholeBuffer)
{
    QByteArray buffer;
    const auto seen = lineEndsSeen({"time=3.00 bitrate=a\rtime=4.00 bitrate=b\r"}, buffer);
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(parseProgressSeconds(seen[0]), 3);
    EXPECT_EQ(parseProgressSeconds(seen[1]), 3);
    EXPECT_TRUE(buffer.isEmpty());
}

} // namespace
