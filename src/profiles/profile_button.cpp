#include "profiles/profile_button.h"

#include "platform/picture/picture_file.h"

#include <QMouseEvent>
#include <utility>

ProfileButton::ProfileButton(int id, QWidget *parent) : QLabel(parent), m_id(id)
{
    setObjectName(QStringLiteral("btim_%1").arg(id));
    setScaledContents(true);
    setMouseTracking(true);
}

void ProfileButton::setPicture(const QString &path)
{
    m_pending = path;
    if (isVisible())
        showPendingPicture();
}

void ProfileButton::showPendingPicture()
{
    if (m_pending.isEmpty())
        return;
    setPixmap(loadPictureFile(std::exchange(m_pending, QString())));
}

void ProfileButton::mouseMoveEvent(QMouseEvent *event)
{
    emit pointed(m_id);
    QLabel::mouseMoveEvent(event);
}

void ProfileButton::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
}

void ProfileButton::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    if (click)
        emit clicked(m_id);
}
