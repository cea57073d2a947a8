#pragma once
// Which lines of a settings file can be read and written back without loss.
// A file with other lines is damaged: it is copied aside before it is
// rewritten, and only its readable lines are read.

#include <QByteArray>
#include <QString>

struct ReadableIni {
    // The lines the INI reader may be given, each ended by LF.
    QByteArray text;
    // False when a rewrite from `text` would lose anything of the file.
    bool complete = true;
};

// The blanks the INI reader ignores around lines, names and unquoted values:
// spaces and tabs. Other characters, a form feed or a vertical tab, are text.
bool isIniBlank(char c);

// Readable lines: blank lines, comments (";" or "#"), section lines "[name]"
// and "key=value" lines with a key. Left out, making the file incomplete: a
// line holding a NUL byte, a line starting with "[" that has no "]", and any
// other line without a key and "=". Kept, but also incomplete, because a
// rewrite drops part of them: text after a section's "]", a key given twice in
// one section (letter case ignored), a comment no key or section follows.
// Lines end in LF, CR LF or CR; a UTF-8 signature is dropped; blanks around
// a line, a section's name or a key are ignored.
ReadableIni readableIni(const QByteArray &contents);

// Where the copy of a damaged settings file is kept: "<path>.bak".
QString damagedCopyPath(const QString &path);
