#pragma once
// The main window's conversion bar and hint line as the conversion display
// draws on them. The skin objects are read when drawn: the skin loads after
// the window is made, and gives the bar then.

#include "app/conversion_display.h"
#include "platform/skin/position_bar.h"
#include "platform/skin/skin.h"
#include "platform/skin/skin_writes.h"

#include <QWidget>
#include <optional>

class MainConversionSurface : public ConversionSurface {
public:
    MainConversionSurface(PositionBar &bar, SkinObject *const &convertpos, SkinObject *const &hint, QWidget &window)
        : m_bar(bar),
          m_convertpos(convertpos),
          m_hint(hint),
          m_window(window)
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
    // "37% · Veltrix Video Converter": the title without a percentage is
    // kept while one shows.
    void showBatchPercent(std::optional<int> percent) override
    {
        if (!m_title)
            m_title = m_window.windowTitle();
        m_window.setWindowTitle(percent ? QStringLiteral("%1% \u00b7 %2").arg(*percent).arg(*m_title) : *m_title);
        if (!percent)
            m_title.reset();
    }

private:
    PositionBar &m_bar;
    SkinObject *const &m_convertpos;
    SkinObject *const &m_hint;
    QWidget &m_window;
    std::optional<QString> m_title;
};

// The bar, the surface over it and the display that draws a batch on them.
struct MainConversionView {
    MainConversionView(SkinObject *const &convertpos, SkinObject *const &hint, QWidget &window)
        : surface(bar, convertpos, hint, window)
    {}

    PositionBar bar;
    MainConversionSurface surface;
    ConversionDisplay display{surface};
};
