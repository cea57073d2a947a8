#pragma once
// The clip cutter's rules as plain functions: marking a clip's begin or end,
// the length a clip converts, and the cutter's 30-second steps.

#include <QtGlobal>
#include <optional>

// The stretch of a source one job converts, in whole seconds.
struct ClipRange {
    qint32 begin = 0;
    qint32 end = 0;
    bool operator==(const ClipRange &) const = default;
};

// The range with its begin (or end) moved to `second`; nullopt when the
// clip would then end before it begins or be empty, which is refused.
std::optional<ClipRange> withBegin(const ClipRange &range, qint32 second);
std::optional<ClipRange> withEnd(const ClipRange &range, qint32 second);

// end - begin; never negative.
qint32 clipLength(const ClipRange &range);

// Where a 30-second step from the shown second `shown` leads on a row whose
// bar spans `length` seconds: back only while the target stays above 0,
// forward only while it stays below the length. nullopt: no step.
std::optional<qint32> stepBackTarget(qint32 shown);
std::optional<qint32> stepForwardTarget(qint32 shown, qint32 length);
