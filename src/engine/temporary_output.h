#pragma once
// Whole outputs or none: a run writes under a hidden temporary name beside
// its output, with the output's own extension (so the encoder picks the same
// format), and the file takes its final name only when the run has ended
// well, or when the user stopped it.

#include <QString>

// "<folder>/.<final name>.part-<token><extension>"; where that name would
// pass the 255 bytes a file name may hold, the short
// "<folder>/.part-<token><extension>".
QString temporaryOutputPath(const QString &finalPath, const QString &token);

// A new temporary name for the output that names no existing file.
QString freshTemporaryOutputPath(const QString &finalPath);

// Whether a file name is one temporaryOutputPath() makes.
bool isTemporaryOutputName(const QString &fileName);

struct FinalName {
    QString path;  // the name the file took; empty when it could not be renamed
    QString error; // why not
};
// Gives the temporary file its final name without replacing anything: when
// a file has taken that name meanwhile, the first free "<stem>_N<extension>"
// (the stem cut where the name would pass 255 bytes).
FinalName giveFinalName(const QString &temporaryPath, const QString &finalPath);

// The name that tells an unfinished output from a whole one:
// "<folder>/<stem> (partial)<extension>", the stem cut short (on a character)
// where the name would not fit the 255 bytes a file name may hold.
QString partialOutputPath(const QString &finalPath);
