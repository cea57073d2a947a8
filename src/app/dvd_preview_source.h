#pragma once
// What the preview plays for a DVD title or chapter row.

#include "jobs/job_records.h"
#include "platform/preview/preview_engine.h"

// The DVD, title set, sectors and chosen tracks the row's conversion reads.
// A row whose IFO file can no longer be read gets no sectors; the player
// then reports that it cannot play the row.
DvdPreviewSource dvdPreviewSourceOf(const TConvertInfo &row, const TClipInfo &clip);
