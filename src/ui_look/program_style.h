#pragma once
// The program's widget style: Qt's Fusion style with the outlines a user
// must see drawn in the palette's Mid colour (Fusion derives them from the
// window colour, which leaves them all but invisible on a dark palette):
// check boxes, radio buttons, edit fields, buttons and drop-down lists,
// menus and scroll bars. List headers take the window colour.

#include <QProxyStyle>

class ProgramStyle : public QProxyStyle {
    Q_OBJECT
public:
    ProgramStyle();

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option, QPainter *painter,
                            const QWidget *widget = nullptr) const override;
};
