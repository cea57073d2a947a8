#include "engine/output_lines.h"

QList<QByteArray> completeLines(const QByteArray &buffer)
{
    QList<QByteArray> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < buffer.size(); ++i) {
        const char c = buffer.at(i);
        if (c != '\r' && c != '\n')
            continue;
        if (i > start)
            lines.append(buffer.mid(start, i - start));
        start = i + 1;
    }
    return lines;
}
