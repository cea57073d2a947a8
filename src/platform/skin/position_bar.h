#pragma once
// A skinned fill bar: its rectangle is read once when the skin is loaded and a
// value from 0 to the bar's full value sets its right edge to left +
// value/full of the full width. Serves the conversion bar and the preview and
// cutter position bars.

#include "platform/skin/skin.h"

class PositionBar {
public:
    PositionBar() = default;
    // Keeps the object's current rectangle as the bar's base. A missing object
    // gives a bar that draws nothing.
    PositionBar(SkinObject *object, qint32 fullWidth, qint32 fullValue);

    // Clamps v above the full value (values below 0 are passed as they
    // are), sets the right edge and redraws.
    void show(qint32 value);

    bool present() const { return m_object != nullptr; }
    qint32 fullWidth() const { return m_fullWidth; }
    SkinRect baseRect() const { return m_base; }

private:
    SkinObject *m_object = nullptr;
    qint32 m_fullWidth = 0;
    qint32 m_fullValue = 1;
    SkinRect m_base;
};

// Full widths of the three bars of the program.
inline constexpr qint32 kConvertBarWidth = 715; // "convertpos"
inline constexpr qint32 kPlayBarWidth = 210;    // "playpos"
inline constexpr qint32 kCutPlayBarWidth = 294; // "cutplaypos"
