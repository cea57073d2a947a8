#include "app/image_button.h"

#include <QDir>
#include <QPainter>

namespace {
constexpr qreal kDisabledOpacity = 0.35;
}

TImageButton::TImageButton(const QString &name, const QString &hint, const QString &executableFolder, QWidget *parent)
    : QAbstractButton(parent)
{
    setObjectName(name);
    setToolTip(hint);
    setCursor(Qt::PointingHandCursor);
    const QString base = QDir(executableFolder).filePath(QStringLiteral("images/buttons/") + name);
    m_normal = QPixmap(base + ".bmp");
    m_over = QPixmap(base + "_over.bmp");
    m_down = QPixmap(base + "_down.bmp");
    resize(sizeHint());
    setAttribute(Qt::WA_Hover);
}

QSize TImageButton::sizeHint() const
{
    return m_normal.isNull() ? QSize(64, 46) : m_normal.size();
}

void TImageButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QPixmap *picture = &m_normal;
    if (isEnabled() && isDown() && !m_down.isNull())
        picture = &m_down;
    else if (isEnabled() && underMouse() && !m_over.isNull())
        picture = &m_over;
    // A faded button still covers what lies beneath it: its pictures'
    // background shows through instead.
    if (!isEnabled() && !m_normal.isNull())
        painter.fillRect(rect(), m_normal.toImage().pixelColor(0, 0));
    painter.setOpacity(isEnabled() ? 1.0 : kDisabledOpacity);
    painter.drawPixmap(rect(), *picture);
}
