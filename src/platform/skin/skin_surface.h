#pragma once
// The widget through which the engine draws a window: a child covering the
// whole window, kept at the bottom of the z-order so the program's own
// controls stay above it. It paints the window's skin form and turns mouse
// input on the form's objects into the engine's signals, as it does the keys
// that reach them: an object's access key (Alt with its letter) anywhere in
// the window, and the keys of the stand-ins that present objects to the
// keyboard and to assistive technology.

#include "platform/skin/skin_stand_in.h"

#include <QWidget>
#include <span>
#include <vector>

class QShortcut;
class SkinForm;
class SkinObject;
class TSkin;

class SkinSurface : public QWidget {
    Q_OBJECT
public:
    SkinSurface(TSkin *skin, QWidget *window);

    // The form to paint and to report gestures on; nullptr paints the
    // window's plain background.
    void setForm(SkinForm *form);
    SkinForm *form() const { return m_form; }
    // Repaints the object's rect and whatever it painted last time; its
    // stand-in follows it.
    void redrawObject(SkinObject &object);

    // Stand-ins for the named objects of the form, in this order (which is
    // also their Tab order); names the form lacks are skipped. They go when
    // the form does.
    void present(std::span<const SkinAccess> objects);
    // A click of the object from the keyboard: reported as a mouse click
    // would be, when the object is visible, enabled, clickable and not
    // covered by a control of the window.
    void click(SkinObject &object);
    // A slider moved from the keyboard: reported as a click at the new
    // position would be (MouseDown, ScrollTrack, MouseUp), when it is enabled.
    void moveSlider(SkinObject &slider, qint32 position);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    // The topmost visible object under the point, or nullptr.
    SkinObject *objectAt(const QPoint &point) const;
    void setHover(SkinObject *object);
    void repaintPointerLook(SkinObject *object);
    void trackSlider(SkinObject &slider, qint32 position);
    // Alt with the access key of each object that has one.
    void addAccessKeys();

    TSkin *m_skin;
    SkinForm *m_form = nullptr;
    SkinObject *m_hover = nullptr;   // under the pointer
    SkinObject *m_pressed = nullptr; // under the pointer at the last press, until released
    std::vector<SkinStandIn *> m_standIns;
    std::vector<QShortcut *> m_accessKeys;
};
