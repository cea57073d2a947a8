#include "engine/name_bytes.h"

#include <QFile>

#include <limits.h>

QString cutToBytes(const QString &text, qsizetype bytes)
{
    qsizetype end = 0;
    for (qsizetype used = 0; end < text.size();) {
        const qsizetype step = text.at(end).isHighSurrogate() ? 2 : 1; // a character beyond the BMP
        used += QFile::encodeName(text.mid(end, step)).size();
        if (used > bytes)
            break;
        end += step;
    }
    return text.left(end);
}

QString fittedName(const QString &stem, const QString &tail, qsizetype spare)
{
    return cutToBytes(stem, NAME_MAX - spare - QFile::encodeName(tail).size()) + tail;
}
