#pragma once
// The platform's MulDiv: a * b / c with a 64-bit intermediate, rounded half
// away from zero; -1 for c == 0.

#include <QtGlobal>

inline qint32 mulDiv(qint64 a, qint64 b, qint64 c)
{
    if (c == 0)
        return -1;
    const qint64 product = a * b;
    const bool negative = (product < 0) != (c < 0);
    const qint64 num = product < 0 ? -product : product;
    const qint64 den = c < 0 ? -c : c;
    const qint64 rounded = (num + den / 2) / den;
    return static_cast<qint32>(negative ? -rounded : rounded);
}
