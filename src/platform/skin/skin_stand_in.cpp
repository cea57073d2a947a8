#include "platform/skin/skin_stand_in.h"

#include "platform/skin/skin.h"
#include "platform/skin/skin_painter.h"
#include "platform/skin/skin_slider_geometry.h"
#include "platform/skin/skin_surface.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QPainter>
#include <algorithm>

namespace {

constexpr qint32 kSliderStep = kSkinSliderMaximum / 100;
// The focus ring lies this far outside the object, around what it shows.
constexpr int kRingMargin = 2;
constexpr qint32 kSliderPage = kSkinSliderMaximum / 10;

bool isActivationKey(int key)
{
    return key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace

SkinStandIn::SkinStandIn(SkinSurface *surface, SkinObject &object, const SkinAccess &access)
    : QWidget(surface),
      m_surface(surface),
      m_object(object),
      m_name(access.name),
      m_role(access.role)
{
    setObjectName(object.name());
    setAttribute(Qt::WA_TransparentForMouseEvents);
    const bool menuTitle = m_role == SkinRole::MenuButton && !object.accessKey().isNull();
    const bool tabStop = m_role != SkinRole::Label && !menuTitle;
    setFocusPolicy(tabStop ? Qt::TabFocus : Qt::NoFocus);
    follow();
}

void SkinStandIn::follow()
{
    setGeometry(m_object.qrect().adjusted(-kRingMargin, -kRingMargin, kRingMargin, kRingMargin));
    setEnabled(m_object.state());
    setVisible(m_object.visible() && !m_object.qrect().isEmpty());
    if (m_object.text() != m_shownText) {
        m_shownText = m_object.text();
        const bool valueShown = m_role == SkinRole::Picker;
        QAccessibleEvent changed(this, valueShown ? QAccessible::ValueChanged : QAccessible::NameChanged);
        QAccessible::updateAccessibility(&changed);
    }
    if (m_object.position() != m_shownPosition) {
        m_shownPosition = m_object.position();
        QAccessibleValueChangeEvent changed(this, m_shownPosition);
        QAccessible::updateAccessibility(&changed);
    }
}

void SkinStandIn::activate()
{
    if (m_role != SkinRole::Slider && m_role != SkinRole::Label)
        m_surface->click(m_object);
}

void SkinStandIn::moveSlider(qint32 position)
{
    if (m_role == SkinRole::Slider)
        m_surface->moveSlider(m_object, position);
}

std::optional<qint32> SkinStandIn::sliderTarget(int key) const
{
    const qint32 at = m_object.position();
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Down:
        return at - kSliderStep;
    case Qt::Key_Right:
    case Qt::Key_Up:
        return at + kSliderStep;
    case Qt::Key_PageDown:
        return at - kSliderPage;
    case Qt::Key_PageUp:
        return at + kSliderPage;
    case Qt::Key_Home:
        return 0;
    case Qt::Key_End:
        return kSkinSliderMaximum;
    default:
        return std::nullopt;
    }
}

bool SkinStandIn::takesKey(const QKeyEvent &key) const
{
    if (key.modifiers() & ~Qt::KeypadModifier)
        return false;
    return m_role == SkinRole::Slider ? sliderTarget(key.key()).has_value() : isActivationKey(key.key());
}

// The keys the object takes come to it before the window's own key bindings.
bool SkinStandIn::event(QEvent *event)
{
    if (event->type() == QEvent::ShortcutOverride && takesKey(*static_cast<QKeyEvent *>(event))) {
        event->accept();
        return true;
    }
    return QWidget::event(event);
}

void SkinStandIn::keyPressEvent(QKeyEvent *event)
{
    if (!takesKey(*event)) {
        QWidget::keyPressEvent(event);
        return;
    }
    if (m_role == SkinRole::Slider)
        moveSlider(std::clamp(*sliderTarget(event->key()), 0, kSkinSliderMaximum));
    else
        activate();
}

void SkinStandIn::paintEvent(QPaintEvent *)
{
    if (!hasFocus())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    SkinPainter::paintFocusRing(painter, m_object, rect());
}
