#include "windows/acting_picture.h"

#include "ui_look/focus_ring.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

ActingPicture::ActingPicture(QWidget *parent) : QLabel(parent)
{
    setFocusPolicy(Qt::TabFocus);
}

void ActingPicture::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    const bool pressKey = key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
    if (pressKey && !(event->modifiers() & ~Qt::KeypadModifier))
        press();
    else
        event->ignore();
}

void ActingPicture::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
}

void ActingPicture::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    if (click)
        press();
}

void ActingPicture::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (hasFocus()) {
        QPainter painter(this);
        paintFocusRing(painter, rect());
    }
}
