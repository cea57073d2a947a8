#pragma once
// The DVD title start: the job of a DVD row as the encoder runs it. Pieces
// are built as for a file job; the input is the DVD job input register.dat
// reads (sectors, tracks, palette, clip), so the command line carries no
// start and no length.

#include "dvd/dvd_job_input.h"
#include "dvd/ifo_contents.h"
#include "jobs/argument_pieces.h"
#include "jobs/job.h"

#include <QString>
#include <optional>

// The folder libdvdread opens as the DVD of an IFO file: the folder above
// the IFO's folder when that one is called "VIDEO_TS" (any letter case),
// else the IFO's own folder (title-set files copied loose).
QString dvdRootOf(const QString &ifoPath);

// A disc palette entry 0x00YYCrCb as 0xRRGGBB (ITU-R BT.601, video range).
quint32 rgbOfYCrCb(quint32 yCrCb);

struct DvdJobInputResult {
    std::optional<DvdJobInput> input;
    QString error; // what happened and what to do, when there is no input
};

// The job input of a row from its IFO file's contents: the title set of
// the file name; a title row's cells in playback order, or a chapter row's
// cell; the chosen audio stream; the chosen subtitle with its title's
// palette; the clip (the cutter's begin and end), written only where it
// cuts the row shorter.
DvdJobInputResult dvdJobInputOf(const TConvertInfo &convert, const TClipInfo &clip, const IfoContents &ifo);

struct DvdTitleJob {
    intputrec record; // its input the DVD job input text
};

struct DvdTitleJobResult {
    std::optional<DvdTitleJob> job;
    QString error; // what happened and what to do, when there is no job
};

// What a DVD row's run reads and how: reads the row's
// IFO file; the pieces follow the file-job rules (`extra` the active
// profile's template or disc target), with `start` and `length` empty and
// `seconds` the row's duration (the clip length after a cut). The output
// side is every job start's (startJobRun).
DvdTitleJobResult dvdTitleJob(const Toriginalinfo &original, const TConvertInfo &convert, const TClipInfo &clip,
                              const ProfileChoices &choices);
