#include "engine/progress.h"

#include <algorithm>
#include <cctype>

namespace {

// The line (without its line end) that holds the character at `at`.
QByteArray lineAround(const QByteArray &text, qsizetype at)
{
    const qsizetype start = std::max(text.lastIndexOf('\r', at), text.lastIndexOf('\n', at)) + 1;
    qsizetype end = at;
    while (end < text.size() && text.at(end) != '\r' && text.at(end) != '\n')
        ++end;
    return text.mid(start, end - start);
}

qint64 secondsInLine(const QByteArray &line)
{
    constexpr qint64 kMaxSeconds = 100000;
    const qsizetype time = line.indexOf("time=");
    const qsizetype bitrate = line.indexOf("bitrate=");
    if (time < 0 || bitrate < 0 || bitrate - time < 1)
        return 0;
    const qsizetype digitsFrom = time + 5;
    const qsizetype dot = line.indexOf('.', digitsFrom);
    // Without a "." before "bitrate=" the length of the number is unknown: no value.
    if (dot < 0 || dot > bitrate)
        return 0;
    const QByteArray digits = line.mid(digitsFrom, dot - digitsFrom).trimmed();
    if (digits.isEmpty() || digits.size() > 18)
        return 0;
    qint64 value = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9')
            return 0;
        value = value * 10 + (c - '0');
    }
    return value > kMaxSeconds ? 0 : value;
}

} // namespace

qint64 parseProgressSeconds(const QByteArray &text)
{
    // The line of the first "time=" alone: a value never joins text of two lines.
    const qsizetype time = text.indexOf("time=");
    return time < 0 ? 0 : secondsInLine(lineAround(text, time));
}

Hundredths parseProgressHundredths(const QByteArray &text)
{
    const qsizetype time = text.indexOf("time=");
    if (time < 0)
        return 0;
    const QByteArray line = lineAround(text, time);
    const qint64 seconds = secondsInLine(line);
    const qsizetype dot = line.indexOf('.', line.indexOf("time="));
    if (dot < 0 || line.indexOf("bitrate=") < dot)
        return 0;
    Hundredths hundredths = 0;
    for (qsizetype i = dot + 1, weight = 10; weight > 0 && i < line.size() && std::isdigit(uchar(line.at(i)));
         ++i, weight /= 10)
        hundredths += (line.at(i) - '0') * weight;
    return seconds * 100 + hundredths;
}

QString progressText(qint32 value)
{
    QString digits = QString::asprintf("%.4d", value);
    digits.insert(digits.size() - 2, u'.');
    return digits + u'%';
}

void consumeLineEnds(QByteArray &buffer, const std::function<void(const QByteArray &)> &onLineEnd)
{
    qsizetype consumed = 0;
    for (qsizetype i = 0; i < buffer.size(); ++i) {
        if (i < consumed)
            continue;
        const char c = buffer.at(i);
        if (c != '\r' && c != '\n')
            continue;
        onLineEnd(buffer);
        consumed = i + 1;
        if (i + 1 < buffer.size() && buffer.at(i + 1) == '\n')
            consumed = i + 2;
    }
    if (consumed > 0)
        buffer.remove(0, consumed);
}
