#pragma once
// Why a conversion run failed, in words the user can act on.

#include "engine/child_run.h"

#include <QStringList>
#include <optional>

// The reason of a run that failed, from how it ended and the encoder's lines
// (oldest first): register.dat's own cause as it wrote it ("register.dat:
// <cause>"), else a stream the output format cannot hold, else the system's
// error text the encoder reported ("Permission
// denied", "No space left on device", ...), else the encoder's last line
// that reports an error, else what the outcome itself says. A run that
// succeeded is taken to have written no output file.
QString failureReason(const RunOutcome &outcome, const QStringList &lines);

// The files of a job, as a failed run's reason names them.
struct JobFiles {
    QString source;
    QString output;    // the name the output is to take
    QString temporary; // the name the encoder writes under
};

// failureReason() with the file the cause concerns: ", writing <output>"
// when the encoder's line of the cause names the output (under either name)
// or the disk ran full, ", reading <source>" when it names the source or
// its input; register.dat's own causes stand as written; any other line of
// the encoder's concerns the output where it says so, else the source. A
// cause of the run's end alone (a crash, a stall) names no file.
QString failureReason(const RunOutcome &outcome, const QStringList &lines, const JobFiles &files);

// The disk's own word that it could take no more ("No space left on device",
// a quota, a file too large), wherever it stands in the encoder's lines; it
// outweighs every other cause a run reports.
std::optional<QString> diskCause(const QStringList &lines);

// ffmpeg's word that a run encoded nothing, though it exits with 0.
inline constexpr QLatin1StringView kEmptyOutput("Output file is empty");

// Whether the line names a cause failureReason() knows for sure (the
// bridge's, a system error, an empty output, a stream the output format
// cannot hold), wherever it stands in the encoder's output.
bool namesCause(const QString &line);

// Why no file can be made in the folder, in the system's words; nothing
// when one can. (ffmpeg's image writer reports any failure to open its file
// as an input/output error.)
std::optional<QString> folderWriteError(const QString &folder);

// The reason of a job whose encoder arguments could not be built.
QString unbuildableArgumentsReason();
