#pragma once
// The widget through which the engine draws a window: a child covering the
// whole window, kept at the bottom of the z-order so the program's own
// controls stay above it. It paints the window's skin form and turns mouse
// input on the form's objects into the engine's signals.

#include <QWidget>

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
    // Repaints the object's rect and whatever it painted last time.
    void redrawObject(SkinObject &object);

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
    void trackSlider(SkinObject &slider, int x);

    TSkin *m_skin;
    SkinForm *m_form = nullptr;
    SkinObject *m_hover = nullptr;   // under the pointer
    SkinObject *m_pressed = nullptr; // under the pointer at the last press, until released
};
