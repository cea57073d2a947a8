#pragma once
// Output naming: the folder rule and the first free output path of a job.
// An existing file is never overwritten, except the partial output that a
// stopped run of the same job left, which its restart replaces.

#include "jobs/job.h"

#include <QString>
#include <optional>
#include <QStringList>

// The folder text with its trailing "/" (created with its parents when missing).
QString prepareOutputFolder(const QString &folderText);

// The folder a job writes to when outputs keep the folder structure: the
// output folder, then the source's folder relative to the folder it was
// added from. The output folder itself for a file added on its own or one
// that no longer lies below that folder.
QString treeFolder(const QString &outputFolder, const QString &sourcePath, const QString &addedFrom);

// The output name an output name pattern makes of a source's tags, as its
// parts: the folders below the output folder, then the name without its
// extension. The pattern's fields are {artist}, {album}, {albumartist},
// {track} (two digits), {disc}, {title} and {year}; its "/" parts folders.
// In the tags' text, "/", "\", control characters and the characters
// Windows file systems refuse (:*?"<>|) become "_"; a part is trimmed, held
// to 255 bytes, and "." or ".." becomes "_". Nothing (the job keeps the file's
// own name) when a field's tag is missing, the pattern is empty or makes no
// name.
std::optional<QStringList> patternParts(const QString &pattern, const SourceTags &tags);

// How the first candidate name is made from the caption. DVD captions are
// indented ("  Chapter_03"); their first candidate drops the leading blanks,
// the numbered ones keep the caption whole.
enum class FirstName { WholeCaption, WithoutLeadingBlanks };

// The regular file at the path as it is now; nullopt when there is none.
std::optional<LeftOutput> leftOutputAt(const QString &path);

// An output's path, and whether the caption was cut short for it.
struct OutputName {
    QString path;
    // The name would not have fit the 255 bytes a file name may hold: its
    // stem was cut.
    bool shortened = false;
};

// folder + caption with its extension replaced by `extension` (".mp3"); while
// that file exists or is one of `claimed` (the outputs of jobs running
// beside it, not written yet), folder + caption + "_N" + extension for N = 1,
// 2, 3, ... A candidate that is still exactly the job's own stopped output
// (`own`: same path, size and modification time) counts as free: the restart
// replaces it rather than writing beside it. A "/" in the caption becomes
// "_", so the file always lands in the folder. A name too long for the file
// system has its stem cut (see OutputName).
OutputName outputPathFor(const QString &folderWithSlash, const QString &caption, const QString &extension,
                         FirstName firstName = FirstName::WholeCaption,
                         const std::optional<LeftOutput> &own = std::nullopt, const QStringList &claimed = {});

// Makes way for a run about to write `output`: when that is the job's own
// stopped output, the partial file goes (the encoder writes no file over
// another).
void clearOwnOutput(const QString &output, const std::optional<LeftOutput> &own);
