#include "app/image_button.h"

#include "platform/access/pressable_accessible.h"
#include "platform/picture/picture_file.h"
#include "ui_look/focus_ring.h"

#include <QDir>
#include <QEvent>
#include <QKeyEvent>
#include <QPainter>

namespace {
constexpr qreal kDisabledOpacity = 0.35;
constexpr qreal kMaxRingRadius = 12; // the corners of the widest pictures
constexpr QSize kBlankSize(64, 46);
const char *const kSuffixes[] = {".bmp", "_over.bmp", "_down.bmp"};

// A button that an edition hides (the preview's in file mode) takes no press
// from assistive technology either.
class ImageButtonAccessible : public PressableAccessible {
public:
    explicit ImageButtonAccessible(TImageButton *button) : PressableAccessible(button, QAccessible::Button) {}

protected:
    void press() override { static_cast<TImageButton *>(widget())->click(); }
};

QAccessibleInterface *imageButtonAccessible(const QString &className, QObject *object)
{
    auto *button = qobject_cast<TImageButton *>(object);
    return className == QLatin1String("TImageButton") && button ? new ImageButtonAccessible(button) : nullptr;
}

} // namespace

TImageButton::TImageButton(const QString &name, const QString &hint, const QString &dataFolder, QWidget *parent)
    : QAbstractButton(parent),
      m_base(QDir(dataFolder).filePath(QStringLiteral("images/buttons/") + name))
{
    setObjectName(name);
    setToolTip(hint);
    setAccessibleName(hint);
    // Reached by Tab, not taken by a click, so the ring shows where the keyboard is.
    setFocusPolicy(Qt::TabFocus);
    setCursor(Qt::PointingHandCursor);
    // The size comes from the picture's header; its pixels wait for the first paint.
    const QSize pictureSize = ::pictureSize(m_base + kSuffixes[Normal]);
    m_size = pictureSize.isValid() ? pictureSize : kBlankSize;
    m_opaque = pictureSize.isValid();
    resize(m_size);
    setAttribute(Qt::WA_Hover);
    static const bool accessible = (QAccessible::installFactory(imageButtonAccessible), true);
    Q_UNUSED(accessible);
}

// A picture covers the whole button, so what lies beneath need not be
// painted. The style's polish clears that mark on buttons; it is set again
// once the polish is done.
bool TImageButton::event(QEvent *event)
{
    const bool handled = QAbstractButton::event(event);
    if (event->type() == QEvent::Polish)
        setAttribute(Qt::WA_OpaquePaintEvent, m_opaque);
    return handled;
}

// Space presses it as on any button; Enter too.
void TImageButton::keyPressEvent(QKeyEvent *event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && !(event->modifiers() & ~Qt::KeypadModifier))
        click();
    else
        QAbstractButton::keyPressEvent(event);
}

QSize TImageButton::sizeHint() const
{
    return m_size;
}

const QPixmap &TImageButton::picture(Look look)
{
    std::optional<QPixmap> &picture = m_pictures[look];
    if (!picture) {
        const QImage image = readPicture(m_base + kSuffixes[look]);
        if (look == Normal && !image.isNull())
            m_background = image.pixelColor(0, 0);
        picture = QPixmap::fromImage(image);
    }
    return *picture;
}

void TImageButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QPixmap &normal = picture(Normal);
    const QPixmap *shown = &normal;
    if (isEnabled() && isDown() && !picture(Down).isNull())
        shown = &picture(Down);
    else if (isEnabled() && underMouse() && !picture(Over).isNull())
        shown = &picture(Over);
    // A faded button still covers what lies beneath it: its pictures'
    // background shows through instead.
    if (!isEnabled() && !normal.isNull())
        painter.fillRect(rect(), m_background);
    painter.setOpacity(isEnabled() ? 1.0 : kDisabledOpacity);
    painter.drawPixmap(rect(), *shown);
    if (hasFocus())
        paintFocusRing(painter, rect(), std::min(height() / 4.0, kMaxRingRadius));
}
