#include "preview/clip_marks.h"

#include <cmath>

namespace {
constexpr qint32 kStepSeconds = 30;
}

std::optional<ClipRange> withBegin(const ClipRange &range, Hundredths mark)
{
    if (mark >= range.end)
        return std::nullopt;
    return ClipRange{mark, range.end};
}

std::optional<ClipRange> withEnd(const ClipRange &range, Hundredths mark)
{
    if (mark <= range.begin)
        return std::nullopt;
    return ClipRange{range.begin, mark};
}

Hundredths markAt(double seconds, bool wholeSeconds)
{
    if (!(seconds > 0.0))
        return 0;
    // The allowance of 10 microseconds keeps 5.92 stored as 5.9199999 on its
    // hundredth; frames lie far more than that apart.
    const Hundredths hundredths = Hundredths(std::floor(seconds * 100.0 + 1e-3));
    return wholeSeconds ? hundredths - hundredths % 100 : hundredths;
}

std::optional<qint32> stepBackTarget(qint32 shown)
{
    const qint32 target = shown - kStepSeconds;
    return target > 0 ? std::optional<qint32>(target) : std::nullopt;
}

std::optional<qint32> stepForwardTarget(qint32 shown, qint32 length)
{
    const qint32 target = shown + kStepSeconds;
    return target < length ? std::optional<qint32>(target) : std::nullopt;
}
