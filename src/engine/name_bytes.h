#pragma once
// File names held to the 255 bytes a file name may hold: a long caption
// would otherwise make an output that no file system takes.

#include <QString>

// The longest start of the text whose bytes, as the file system is given
// them, take at most `bytes`; cut between characters, never inside one.
QString cutToBytes(const QString &text, qsizetype bytes);

// "<stem><tail>", the stem cut (cutToBytes) so the name leaves `spare` of
// the 255 bytes free; the tail is kept whole.
QString fittedName(const QString &stem, const QString &tail, qsizetype spare = 0);
