#include "engine/timecode.h"

namespace {

// A field of exactly two decimal digits, or -1.
int twoDigitField(const QString &text, int from)
{
    if (text.size() < from + 2)
        return -1;
    int value = 0;
    for (int i = from; i < from + 2; ++i) {
        const QChar c = text.at(i);
        if (c < u'0' || c > u'9')
            return -1;
        value = value * 10 + (c.unicode() - u'0');
    }
    return value;
}

} // namespace

int timeCodeToSeconds(const QString &timeCode)
{
    const int hours = twoDigitField(timeCode, 0);
    const int minutes = twoDigitField(timeCode, 3);
    const int seconds = twoDigitField(timeCode, 6);
    if (hours < 0 || minutes < 0 || seconds < 0)
        return 0;
    return hours * 3600 + minutes * 60 + seconds;
}

QString secondsToTimeCode(int seconds)
{
    return QString::asprintf("%.2d:%.2d:%.2d", seconds / 3600, (seconds % 3600) / 60, seconds % 60);
}

QString hundredthsToTimeCode(Hundredths hundredths)
{
    const qint64 value = qMax<qint64>(hundredths, 0);
    return secondsToTimeCode(int(value / 100)) + QString::asprintf(".%.2d", int(value % 100));
}

Hundredths timeCodeToHundredths(const QString &timeCode)
{
    const bool fractional = timeCode.size() == 11 && timeCode.at(8) == u'.';
    const int fraction = fractional ? twoDigitField(timeCode, 9) : 0;
    if ((timeCode.size() != 8 && !fractional) || fraction < 0)
        return 0;
    const int seconds = timeCodeToSeconds(timeCode);
    return seconds == 0 && timeCode.left(8) != QLatin1String("00:00:00") ? 0 : qint64(seconds) * 100 + fraction;
}
