#pragma once
// The main window's conversion bar and hint line as the conversion display
// draws on them. The skin objects are read when drawn: the skin loads after
// the window is made, and gives the bar then.

#include "app/conversion_display.h"
#include "platform/skin/position_bar.h"
#include "platform/skin/skin.h"
#include "platform/skin/skin_writes.h"

class MainConversionSurface : public ConversionSurface {
public:
    MainConversionSurface(PositionBar &bar, SkinObject *const &convertpos, SkinObject *const &hint)
        : m_bar(bar),
          m_convertpos(convertpos),
          m_hint(hint)
    {}

    void showBar(qint32 value) override { m_bar.show(value); }
    // A bar whose state is off is painted grey.
    void greyBar(bool greyed) override
    {
        if (!m_convertpos)
            return;
        m_convertpos->commonFacet()->setState(!greyed);
        m_convertpos->commonFacet()->redraw();
    }
    void showHint(const QString &text) override { writeSkinText(m_hint, text); }

private:
    PositionBar &m_bar;
    SkinObject *const &m_convertpos;
    SkinObject *const &m_hint;
};

// The bar, the surface over it and the display that draws a batch on them.
struct MainConversionView {
    MainConversionView(SkinObject *const &convertpos, SkinObject *const &hint) : surface(bar, convertpos, hint) {}

    PositionBar bar;
    MainConversionSurface surface;
    ConversionDisplay display{surface};
};
