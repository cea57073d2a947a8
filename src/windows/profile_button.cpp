#include "windows/profile_button.h"

#include "platform/picture/picture_file.h"

#include <QMouseEvent>
#include <utility>

ProfileButton::ProfileButton(int id, QWidget *parent) : ActingPicture(parent), m_id(id)
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

void ProfileButton::focusInEvent(QFocusEvent *event)
{
    emit pointed(m_id);
    ActingPicture::focusInEvent(event);
}

void ProfileButton::mouseMoveEvent(QMouseEvent *event)
{
    emit pointed(m_id);
    ActingPicture::mouseMoveEvent(event);
}
