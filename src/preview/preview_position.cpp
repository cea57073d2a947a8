#include "preview/preview_position.h"

#include "engine/progress.h"

#include <cmath>
#include <limits>

qint32 previewLength(qint32 fullDuration, qint32 rowDuration)
{
    const qint32 length = fullDuration > 0 ? fullDuration : rowDuration;
    return length > 0 ? length : 0;
}

qint32 wholeSeconds(double seconds)
{
    if (std::isnan(seconds))
        return 0;
    // nearbyint rounds halves to even in the default rounding mode.
    const double rounded = std::nearbyint(seconds);
    if (rounded >= double(std::numeric_limits<qint32>::max()))
        return std::numeric_limits<qint32>::max();
    if (rounded <= double(std::numeric_limits<qint32>::min()))
        return std::numeric_limits<qint32>::min();
    return qint32(rounded);
}

qint32 positionBarValue(qint32 second, qint32 length)
{
    if (length <= 0)
        return 0;
    return mulDiv(second, kProgressFull, length);
}

qint32 sliderSecond(qint32 sliderValue, qint32 length)
{
    return mulDiv(qMin(sliderValue, kProgressFull), length, kProgressFull);
}

void takeStartOffset(PreviewClock &clock, double reported)
{
    if (clock.awaitingStart && reported > 0.0) {
        clock.awaitingStart = false;
        // Whole seconds, not rounded: a first position 0.6 s into the file is
        // no offset of the time scale.
        clock.startOffset = wholeSeconds(std::floor(reported));
    }
}

PreviewTick previewTick(PreviewClock &clock, double reported, qint32 length)
{
    PreviewTick tick;
    takeStartOffset(clock, reported);
    // Judged on the second of the previous tick; an unknown length never ends
    // the preview here (the player reports the end of the media itself).
    if (length > 0 && clock.currentSecond >= length - 1)
        tick.endNear = true;
    const double difference = reported - clock.startOffset;
    if (difference == clock.lastDifference && clock.lastDifference > 1.0) {
        if (clock.stallCount < 2)
            ++clock.stallCount;
        else
            tick.stalled = true;
        return tick;
    }
    if (difference != clock.lastDifference)
        clock.stallCount = 0;
    clock.lastDifference = difference;
    clock.currentSecond = wholeSeconds(difference);
    if (clock.currentSecond >= clock.seekTarget)
        tick.shownSecond = clock.currentSecond;
    return tick;
}
