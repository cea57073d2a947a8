#pragma once
// What the program writes to skin objects, each write followed by a redraw;
// an absent object (a name the skin does not have) is skipped.

#include "platform/skin/skin.h"

#include <QtGlobal>

inline void writeSkinText(SkinObject *object, const QString &text)
{
    if (!object || !object->textFacet())
        return;
    object->textFacet()->setText(text);
    object->commonFacet()->redraw();
}

// Positions beyond 0 to 10000 are clamped.
inline void writeSkinSliderPosition(SkinObject *object, qint32 position)
{
    if (!object || !object->sliderFacet())
        return;
    object->sliderFacet()->setPosition(qBound(0, position, 10000));
    object->commonFacet()->redraw();
}
