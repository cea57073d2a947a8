#include "preview/clip_marks.h"

namespace {
constexpr qint32 kStepSeconds = 30;
}

std::optional<ClipRange> withBegin(const ClipRange &range, qint32 second)
{
    if (second >= range.end)
        return std::nullopt;
    return ClipRange{second, range.end};
}

std::optional<ClipRange> withEnd(const ClipRange &range, qint32 second)
{
    if (second <= range.begin)
        return std::nullopt;
    return ClipRange{range.begin, second};
}

qint32 clipLength(const ClipRange &range)
{
    return range.end > range.begin ? range.end - range.begin : 0;
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
