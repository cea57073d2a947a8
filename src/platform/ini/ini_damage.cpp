#include "platform/ini/ini_damage.h"

#include <QSet>

ReadableIni readableIni(const QByteArray &contents)
{
    ReadableIni result;
    QByteArray text = contents.startsWith("\xEF\xBB\xBF") ? contents.mid(3) : contents;
    text.replace('\r', '\n');
    QByteArray section;
    QSet<QByteArray> keys;
    bool commentWaiting = false;
    for (const QByteArray &rawLine : text.split('\n')) {
        const QByteArray line = rawLine.trimmed();
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
            section = line.mid(1, close - 1).trimmed().toLower();
            continue;
        }
        const QByteArray key = section + '\n' + line.left(equals).trimmed().toLower();
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
