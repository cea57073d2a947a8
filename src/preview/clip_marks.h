#pragma once
// The clip cutter's rules as plain functions: marking a clip's begin or end,
// the length a clip converts, and the cutter's 30-second steps.

#include "jobs/job_records.h"

#include <QtGlobal>
#include <optional>

// The range with its begin (or end) moved to `mark` (hundredths); nullopt
// when the clip would then end before it begins or be empty, which is
// refused.
std::optional<ClipRange> withBegin(const ClipRange &range, Hundredths mark);
std::optional<ClipRange> withEnd(const ClipRange &range, Hundredths mark);

// The mark the player's position `seconds` gives: the hundredth at or before
// it, so a conversion starting there starts on the frame shown (frames are
// more than a hundredth apart). Whole seconds only on DVD rows, whose job
// input takes whole seconds.
Hundredths markAt(double seconds, bool wholeSeconds);

// Where a 30-second step from the shown second `shown` leads on a row whose
// bar spans `length` seconds: back only while the target stays above 0,
// forward only while it stays below the length. nullopt: no step.
std::optional<qint32> stepBackTarget(qint32 shown);
std::optional<qint32> stepForwardTarget(qint32 shown, qint32 length);
