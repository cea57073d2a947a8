#pragma once
// Turning what the probe learnt about a file into the row's name and records.

#include "engine/probe_extraction.h"
#include "jobs/job_records.h"

#include <optional>

// The file name without its folder and without its extension:
// "/m/clip.final.avi" gives "clip.final".
QString jobNameOf(const QString &path);

// The source record, with the gaps of the probe filled in: a missing video
// rate is overall - audio (or overall), a missing audio rate overall - video,
// an audio rate of 0 becomes 128, a missing picture size 320x240. A rate is a
// whole number from 0 to INT_MAX; a negative difference is no rate and falls
// back to 768 (video) or 128 (audio). nullopt when the overall bit rate (or a
// rate met in the subtractions) is not a number.
std::optional<Toriginalinfo> jobRecordFromProbe(const QString &path, const ProbeResults &probe);

// The clip of a new job: the whole source.
TClipInfo wholeClipOf(const Toriginalinfo &job);
