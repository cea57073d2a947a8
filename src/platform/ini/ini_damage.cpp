#include "platform/ini/ini_damage.h"

#include <QSet>

namespace {

// Only the reader's own blanks: trimming any other character here would lose
// it from a value at the next rewrite.
QByteArray withoutBlankEnds(const QByteArray &text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isIniBlank(text[begin]))
        ++begin;
    while (end > begin && isIniBlank(text[end - 1]))
        --end;
    return text.mid(begin, end - begin);
}

} // namespace

bool isIniBlank(char c)
{
    return c == ' ' || c == '\t';
}

ReadableIni readableIni(const QByteArray &contents)
{
    ReadableIni result;
    QByteArray text = contents.startsWith("\xEF\xBB\xBF") ? contents.mid(3) : contents;
    text.replace('\r', '\n');
    QByteArray section;
    QSet<QByteArray> keys;
    bool commentWaiting = false;
    for (const QByteArray &rawLine : text.split('\n')) {
        const QByteArray line = withoutBlankEnds(rawLine);
        if (line.isEmpty())
            continue;
        const bool comment = line.startsWith(';') || line.startsWith('#');
        const qsizetype close = line.indexOf(']');
        const qsizetype equals = line.indexOf('=');
        if (line.contains('\0') || (line.startsWith('[') ? close < 0 : !comment && equals <= 0)) {
            result.complete = false;
            continue;
        }
        result.text += line + '\n';
        commentWaiting = comment;
        if (comment)
            continue;
        if (line.startsWith('[')) {
            result.complete = result.complete && close == line.size() - 1;
            section = withoutBlankEnds(line.mid(1, close - 1)).toLower();
            continue;
        }
        const QByteArray key = section + '\n' + withoutBlankEnds(line.left(equals)).toLower();
        result.complete = result.complete && !keys.contains(key);
        keys.insert(key);
    }
    // A comment with no key or section after it is dropped by a rewrite.
    result.complete = result.complete && !commentWaiting;
    return result;
}

QString damagedCopyPath(const QString &path)
{
    return path + QStringLiteral(".bak");
}
