#pragma once
// The encoder's output as whole lines, for logs and for showing what the
// encoder said last.

#include <QByteArray>
#include <QList>

// The complete lines of the buffer: everything before its last CR or LF,
// split at every CR or LF, without empty lines. A trailing incomplete line is
// not returned; it is complete only once its line end has arrived.
QList<QByteArray> completeLines(const QByteArray &buffer);
