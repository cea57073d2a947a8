#pragma once
// The DVD title start: the job of a DVD row as the encoder runs it. Pieces
// are built as for a file job; the input is the DVD job input register.dat
// reads (sectors, tracks, palette, clip), so the command line carries no
// start and no length.

#include "dvd/dvd_job_input.h"
#include "dvd/ifo_contents.h"
#include "jobs/argument_pieces.h"
#include "jobs/job.h"
#include "jobs/output_naming.h"

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
    QString input;  // the DVD job input text, for `inputfile`
    OutputName output; // its path for `outputfile`
    JobPieces pieces;
};

struct DvdTitleJobResult {
    std::optional<DvdTitleJob> job;
    QString error; // what happened and what to do, when there is no job
};

// Everything a DVD row's run needs, for `fileJobRecord`: reads the
// row's IFO file; the pieces follow the file-job rules (`extra` the active
// profile's template or disc target), with `start` and `length` empty and
// `seconds` the row's duration (the clip length after a cut). The output
// may be the row's own stopped output, as `outputPathFor` says, and takes
// none of `claimedOutputs`, the outputs of the jobs running beside it.
DvdTitleJobResult dvdTitleJob(const QString &caption, const Toriginalinfo &original, const TConvertInfo &convert,
                              const TClipInfo &clip, const ProfileChoices &choices,
                              const QString &outputFolderWithSlash,
                              const std::optional<LeftOutput> &ownStoppedOutput = std::nullopt,
                              const QStringList &claimedOutputs = {});
