#pragma once
// Paints a skin form's background and objects with QPainter.

#include <Qt>

class QColor;
class QPainter;
class QRect;
class SkinForm;
class SkinObject;

class SkinPainter {
public:
    // How the pointer relates to the object being painted.
    struct Pointer {
        bool over = false;    // the pointer is over the object
        bool holding = false; // a press on the object has not been released
    };

    static void paintBackground(QPainter &painter, const SkinForm &form, const QRect &area);
    // Everything is painted inside the object's rect.
    static void paintObject(QPainter &painter, const SkinObject &object, Pointer pointer);
    // The form's focus ring just inside `area`, with the object's corners.
    static void paintFocusRing(QPainter &painter, const SkinObject &object, const QRect &area);

private:
    static void paintObjectBox(QPainter &painter, const SkinObject &object, const QColor &fill, const QColor &fill2);
    static void paintObjectText(QPainter &painter, const SkinObject &object, const QRect &rect,
                                Qt::Alignment alignment);
    static void paintButton(QPainter &painter, const SkinObject &object, Pointer pointer);
    static void paintText(QPainter &painter, const SkinObject &object);
    static void paintSlider(QPainter &painter, const SkinObject &object, Pointer pointer);
};
