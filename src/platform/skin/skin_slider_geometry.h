#pragma once
// Where a slider's thumb sits. The thumb is a circle as tall as the slider's
// rect and stays inside it, so the thumb centre travels from one radius past
// the left edge to one radius before the right edge.

#include <QRect>
#include <QtGlobal>
#include <algorithm>

inline constexpr qint32 kSkinSliderMaximum = 10000;

inline int skinSliderThumbRadius(const QRect &rect)
{
    return rect.height() / 2;
}

inline int skinSliderTravel(const QRect &rect)
{
    return std::max(0, rect.width() - 2 * skinSliderThumbRadius(rect));
}

inline int skinSliderThumbCenterX(const QRect &rect, qint32 position)
{
    return rect.left() + skinSliderThumbRadius(rect)
           + int(qint64(skinSliderTravel(rect)) * position / kSkinSliderMaximum);
}

// The position whose thumb centre is nearest to x, clamped to the travel.
inline qint32 skinSliderPositionAtX(const QRect &rect, int x)
{
    const int travel = skinSliderTravel(rect);
    if (travel == 0)
        return 0;
    const int offset = std::clamp(x - rect.left() - skinSliderThumbRadius(rect), 0, travel);
    return qint32((qint64(offset) * kSkinSliderMaximum + travel / 2) / travel);
}
