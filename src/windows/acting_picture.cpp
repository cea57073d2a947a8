#include "windows/acting_picture.h"

#include "platform/access/pressable_accessible.h"
#include "ui_look/focus_ring.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

class ActingPictureAccessible : public PressableAccessible {
public:
    explicit ActingPictureAccessible(ActingPicture *picture)
        : PressableAccessible(picture, QAccessible::Button),
          m_picture(picture)
    {}

    QAccessible::State state() const override
    {
        QAccessible::State state = PressableAccessible::state();
        state.checkable = m_picture->chosen().has_value();
        state.checked = m_picture->chosen().value_or(false);
        return state;
    }

protected:
    void press() override { m_picture->press(); }

private:
    ActingPicture *m_picture;
};

namespace {

QAccessibleInterface *actingPictureAccessible(const QString &className, QObject *object)
{
    auto *picture = qobject_cast<ActingPicture *>(object);
    return className == QLatin1String("ActingPicture") && picture ? new ActingPictureAccessible(picture) : nullptr;
}

} // namespace

ActingPicture::ActingPicture(QWidget *parent) : QLabel(parent)
{
    setFocusPolicy(Qt::TabFocus);
    static const bool accessible = (QAccessible::installFactory(actingPictureAccessible), true);
    Q_UNUSED(accessible);
}

void ActingPicture::setChosen(bool chosen)
{
    if (m_chosen == chosen)
        return;
    m_chosen = chosen;
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleStateChangeEvent event(this, changed);
    QAccessible::updateAccessibility(&event);
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
