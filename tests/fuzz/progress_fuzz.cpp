// Encoder output through the conversion run's line handler. Whatever the
// encoder writes and however the pipe cuts it:
// - every value shown is the position of one line of the output read on its
//   own (a position past the job's length shown as the whole job), and the
//   values come in the order of their lines;
// - read one byte at a time, each ended progress line is shown once, in order;
// - the text kept for the next chunk is the same, the output's unended tail.

#include "fuzz_support.h"

#include "engine/encoder_run.h"
#include "engine/progress.h"

#include <algorithm>

using namespace veltrix::fuzz;

namespace {

constexpr std::size_t kConversionReadSize = 256;

struct Shown {
    std::vector<qint64> seconds;
    QByteArray rest;
};

// A job as long as the progress scale, so a Status text reads its seconds:
// the value is written with a "." before its last two digits and a "%".
constexpr qint32 kJobSeconds = kProgressFull;

qint64 secondsOf(const QString &status)
{
    FUZZ_EXPECT(status.endsWith(u'%'), "a Status text ends with %");
    bool ok = false;
    const qint64 value = QString(status).remove(u'.').remove(u'%').toLongLong(&ok);
    FUZZ_EXPECT(ok && value > 0 && value <= kJobSeconds, "a Status text lies within the job");
    return value;
}

Shown showInChunks(const QByteArray &output, const std::vector<std::size_t> &sizes)
{
    EncoderRun run;
    Shown shown;
    QObject::connect(&run, &EncoderRun::progress,
                     [&shown](qint32 value) { shown.seconds.push_back(secondsOf(progressText(value))); });
    feedInChunks(output, sizes, [&](const QByteArray &chunk) {
        shown.rest += chunk;
        run.handleOutput(shown.rest, kJobSeconds);
    });
    return shown;
}

struct Lines {
    std::vector<qint64> endedValues; // positions of the ended lines, in order
    std::vector<qint64> allValues;   // the same, then the unended tail's
    QByteArray tail;                 // the text after the last line end
};

Lines linesOf(const QByteArray &output)
{
    Lines lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < output.size(); ++i) {
        if (output[i] != '\r' && output[i] != '\n')
            continue;
        if (const qint64 value = parseProgressSeconds(output.mid(start, i - start)))
            lines.endedValues.push_back(std::min<qint64>(value, kJobSeconds));
        start = i + 1;
    }
    lines.tail = output.mid(start);
    lines.allValues = lines.endedValues;
    if (const qint64 value = parseProgressSeconds(lines.tail))
        lines.allValues.push_back(std::min<qint64>(value, kJobSeconds));
    return lines;
}

// Whether every shown value is a line's value, each at or after the line of
// the value shown before it.
bool followsTheLines(const std::vector<qint64> &shown, const std::vector<qint64> &lineValues)
{
    auto line = lineValues.begin();
    for (const qint64 value : shown) {
        line = std::find(line, lineValues.end(), value);
        if (line == lineValues.end())
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray output(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const Lines lines = linesOf(output);
    for (const auto &sizes : cuttingsFor(output, kConversionReadSize)) {
        const Shown shown = showInChunks(output, sizes);
        FUZZ_EXPECT(shown.rest == lines.tail, "the text kept for the next chunk is the unended tail");
        FUZZ_EXPECT(followsTheLines(shown.seconds, lines.allValues),
                    "every value shown is a line's own position, in line order");
        if (sizes.size() == 1 && sizes.front() == 1)
            FUZZ_EXPECT(shown.seconds == lines.endedValues, "byte by byte, each progress line is shown once");
    }
    return 0;
}
