#pragma once
// What the preview plays, and a snapshot reads, for a DVD title or chapter
// row: the whole row (a cut changes what is converted, not what is shown).

#include "jobs/job_records.h"
#include "platform/preview/preview_engine.h"

// The DVD, title set, sectors and chosen tracks the row's conversion reads.
// A row whose IFO file can no longer be read gets no sectors; the player
// then reports that it cannot play the row.
DvdPreviewSource dvdPreviewSourceOf(const TConvertInfo &row, const TClipInfo &clip);

// The encoder input of a snapshot of the row `seconds` into it: its DVD job
// input, with the chosen subtitle and without sound. Empty when the row's
// IFO file can no longer be read; the snapshot then writes no image and
// says so.
QString dvdSnapshotInputOf(const TConvertInfo &row, const TClipInfo &clip, int seconds);
