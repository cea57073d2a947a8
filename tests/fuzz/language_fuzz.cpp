// language.info through the message lookup. The input is the file's bytes.
// - Any line number of any file gives one line's text, without a line end;
//   a number beyond the last line gives the empty text.
// - Write-then-read: lines taken from the input, written with CR LF or with
//   LF ends, read back whole, blanks included, each under its number.

#include "fuzz_support.h"

#include "ui_text/message_table.h"

#include <QStringList>
#include <limits>

using namespace veltrix::fuzz;

namespace {

constexpr int kMessageCount = 37;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray file(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const qsizetype lineCount = file.count('\n') + 1;
    for (int n = -1; n <= kMessageCount + 1; ++n)
        FUZZ_EXPECT(!messageLine(file, n).contains(u'\n'), "a message is one line");
    FUZZ_EXPECT(messageLine(file, 0).isEmpty(), "there is no message 0");
    if (lineCount < std::numeric_limits<int>::max())
        FUZZ_EXPECT(messageLine(file, static_cast<int>(lineCount) + 1).isEmpty(),
                    "a number beyond the last line gives the empty text");
    for (int n = 1; n <= kMessageCount; ++n)
        hintLineText(n, messageLine(file, n), QStringLiteral("veltrix-video-converter"));

    // The lines of the input without any line-end character, written anew.
    const QStringList lines = QString::fromUtf8(file).remove(u'\r').split(u'\n');
    for (const char *lineEnd : {"\r\n", "\n"}) {
        const QByteArray written = lines.join(QLatin1String(lineEnd)).toUtf8();
        for (qsizetype n = 1; n <= qMin<qsizetype>(lines.size(), kMessageCount); ++n)
            FUZZ_EXPECT(messageLine(written, static_cast<int>(n)) == lines[n - 1], "a written line reads back whole");
    }
    return 0;
}
