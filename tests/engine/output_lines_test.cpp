// The encoder's output cut into whole lines for logs.

#include "engine/output_lines.h"

#include <gtest/gtest.h>

namespace {

struct LinesCase {
    const char *what;
    QByteArray buffer;
    QList<QByteArray> lines;
};

void PrintTo(const LinesCase &c, std::ostream *out)
{
    *out << c.what;
}

class CompleteLines : public ::testing::TestWithParam<LinesCase> {};

TEST_P(CompleteLines, SplitsAtEveryLineEndAndKeepsTheIncompleteTail)
{
    EXPECT_EQ(completeLines(GetParam().buffer), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(Table, CompleteLines,
                         ::testing::Values(LinesCase{"crlf_lines",
                                                     "Input #0, wav\r\n  Duration: 00:00:02.00\r\n",
                                                     {"Input #0, wav", "  Duration: 00:00:02.00"}},
                                           LinesCase{"progress_ended_by_cr",
                                                     "time=1.00 bitrate=128\rtime=2.00 bitrate=128\r",
                                                     {"time=1.00 bitrate=128", "time=2.00 bitrate=128"}},
                                           LinesCase{"incomplete_tail_waits", "done\nti", {"done"}},
                                           LinesCase{"nothing_complete", "time=3.0", {}},
                                           LinesCase{"empty_lines_dropped", "\r\n\r\nx\n\n", {"x"}}),
                         [](const ::testing::TestParamInfo<LinesCase> &info) { return std::string(info.param.what); });

} // namespace
