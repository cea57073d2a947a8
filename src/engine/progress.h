#pragma once
// Progress values and the encoder's progress lines.
// A progress value runs from 0 to 10000, in hundredths of a percent.

#include "engine/timecode.h"
#include "platform/mul_div.h"

#include <QByteArray>
#include <QString>
#include <functional>

inline constexpr qint32 kProgressFull = 10000;

// Whole seconds from the first "time=" up to its "." before the first
// "bitrate=" of that "time="'s line; 0 when there is none, when the digits do
// not form a non-negative number, or when it exceeds 100000. Text of other
// lines never takes part, so a value is always one line's own.
qint64 parseProgressSeconds(const QByteArray &text);

// The same position in hundredths of a second: the whole seconds above and
// the two digits after their "." (fewer digits count as written: ".5" is 50).
Hundredths parseProgressHundredths(const QByteArray &text);

// The Status column text of a value: 5 -> "00.05%", 10000 -> "100.00%".
QString progressText(qint32 value);

// Walks the buffer and calls onLineEnd once for every CR or LF (a CR LF pair
// is one line end), then removes everything up to the last line end. A
// trailing incomplete line stays for the next chunk. The callback sees the
// untrimmed buffer, as every line end of one pass does.
void consumeLineEnds(QByteArray &buffer, const std::function<void(const QByteArray &buffer)> &onLineEnd);
