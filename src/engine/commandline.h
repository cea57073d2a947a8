#pragma once
// The encoder command line of a run: the text that is logged and shown, and
// the argument vector the process is really started from.

#include "engine/intputrec.h"

#include <QStringList>

// Wraps the text in double quotes when it contains a blank; nothing is escaped.
QString quoteArgument(const QString &text);

// The pieces of the record joined in their fixed order, as one line of text.
QString commandLineText(const intputrec &rec);

// The same pieces as the arguments of register.dat: every piece is split on
// blanks, while the input and output paths stay one argument each whatever
// they contain.
QStringList encoderArguments(const intputrec &rec);

// Arguments of a probe run: "-i" and the media path.
QStringList probeArguments(const QString &mediaPath);
QString probeCommandLineText(const QString &encoderPath, const QString &mediaPath);
