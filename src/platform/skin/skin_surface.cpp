#include "platform/skin/skin_surface.h"

#include "platform/skin/skin.h"
#include "platform/skin/skin_painter.h"
#include "platform/skin/skin_slider_geometry.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QRegion>
#include <QShortcut>
#include <algorithm>

namespace {

bool isClickable(const SkinObject &object)
{
    const SkinKind kind = object.kind();
    return object.state() && (kind == SkinKind::Button || kind == SkinKind::Image || kind == SkinKind::Text);
}

// Kinds whose look follows the pointer.
bool hasPointerLook(const SkinObject &object)
{
    const SkinKind kind = object.kind();
    return kind == SkinKind::Button || kind == SkinKind::Image || kind == SkinKind::Slider;
}

bool isTrackableSlider(const SkinObject *object)
{
    return object && object->kind() == SkinKind::Slider && object->state();
}

} // namespace

SkinSurface::SkinSurface(TSkin *skin, QWidget *window) : QWidget(window), m_skin(skin)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setGeometry(window->rect());
    lower();
    show();
    window->installEventFilter(this);
}

void SkinSurface::setForm(SkinForm *form)
{
    if (m_form)
        m_form->m_surface = nullptr;
    m_form = form;
    m_hover = nullptr;
    m_pressed = nullptr;
    for (QObject *gone : m_standIns)
        delete gone;
    for (QObject *gone : m_accessKeys)
        delete gone;
    m_standIns.clear();
    m_accessKeys.clear();
    if (m_form) {
        m_form->m_surface = this;
        addAccessKeys();
    }
    update();
}

void SkinSurface::redrawObject(SkinObject &object)
{
    const QRect now = object.qrect();
    update(now.isEmpty() ? object.m_paintedRect : object.m_paintedRect.united(now));
    for (SkinStandIn *standIn : m_standIns)
        if (&standIn->object() == &object)
            standIn->follow();
}

void SkinSurface::present(std::span<const SkinAccess> objects)
{
    for (const SkinAccess &access : objects)
        if (SkinObject *object = m_form ? m_form->findObject(access.object) : nullptr)
            m_standIns.push_back(new SkinStandIn(this, *object, access));
}

void SkinSurface::addAccessKeys()
{
    for (const auto &object : m_form->m_objects) {
        if (object->m_accessKey.isNull())
            continue;
        auto *key = new QShortcut(QKeySequence(QKeyCombination(Qt::ALT, Qt::Key(object->m_accessKey.unicode()))), this);
        connect(key, &QShortcut::activated, this, [this, target = object.get()] { click(*target); });
        m_accessKeys.push_back(key);
    }
}

// As for the mouse, an object that a control of the window covers is out of reach.
void SkinSurface::click(SkinObject &object)
{
    const bool reachable = parentWidget()->childAt(object.qrect().center()) == this;
    if (object.m_visible && isClickable(object) && reachable)
        emit m_skin->Click(parentWidget(), &object);
}

void SkinSurface::moveSlider(SkinObject &slider, qint32 position)
{
    if (!isTrackableSlider(&slider))
        return;
    const QPoint thumb(skinSliderThumbCenterX(slider.qrect(), position), slider.qrect().center().y());
    emit m_skin->MouseDown(parentWidget(), &slider, Qt::LeftButton, thumb.x(), thumb.y());
    trackSlider(slider, position);
    emit m_skin->MouseUp(parentWidget(), &slider, Qt::LeftButton, thumb.x(), thumb.y());
}

bool SkinSurface::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == parentWidget() && event->type() == QEvent::Resize) {
        setGeometry(parentWidget()->rect());
        // Anchored objects lie elsewhere now.
        for (SkinStandIn *standIn : m_standIns)
            standIn->follow();
        update();
    }
    return QWidget::eventFilter(watched, event);
}

void SkinSurface::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    if (!m_form) {
        painter.fillRect(rect(), palette().window());
        return;
    }
    const QRegion &region = event->region();
    SkinPainter::paintBackground(painter, *m_form, rect());
    // Objects outside the update region keep what they show; a progress
    // update repaints the bar alone.
    for (const auto &object : m_form->m_objects) {
        if (!region.intersects(object->qrect()) && !region.intersects(object->m_paintedRect))
            continue;
        SkinPainter::paintObject(painter, *object, {object.get() == m_hover, object.get() == m_pressed});
        // Whatever of the old painted area this event did not cover is still on screen.
        const QRect drawn = object->m_visible && !object->qrect().isEmpty() ? object->qrect() : QRect();
        const bool oldCovered = (QRegion(object->m_paintedRect) - region).isEmpty();
        object->m_paintedRect = oldCovered ? drawn : object->m_paintedRect.united(drawn);
    }
}

SkinObject *SkinSurface::objectAt(const QPoint &point) const
{
    if (!m_form)
        return nullptr;
    const auto &objects = m_form->m_objects;
    const auto it = std::find_if(objects.rbegin(), objects.rend(), [&](const auto &object) {
        return object->m_visible && object->qrect().contains(point);
    });
    return it == objects.rend() ? nullptr : it->get();
}

void SkinSurface::setHover(SkinObject *object)
{
    if (object == m_hover)
        return;
    SkinObject *previous = m_hover;
    m_hover = object;
    repaintPointerLook(previous);
    repaintPointerLook(object);
}

void SkinSurface::repaintPointerLook(SkinObject *object)
{
    if (object && hasPointerLook(*object))
        redrawObject(*object);
}

void SkinSurface::trackSlider(SkinObject &slider, qint32 position)
{
    slider.setPosition(position);
    redrawObject(slider);
    emit m_skin->ScrollTrack(parentWidget(), &slider, slider.position());
}

// The surface sits at the window's origin, so its coordinates are the window's.
void SkinSurface::mousePressEvent(QMouseEvent *event)
{
    const QPoint point = event->position().toPoint();
    m_pressed = objectAt(point);
    if (!m_pressed)
        return;
    repaintPointerLook(m_pressed);
    emit m_skin->MouseDown(parentWidget(), m_pressed, event->button(), point.x(), point.y());
    if (event->button() == Qt::LeftButton && isTrackableSlider(m_pressed))
        trackSlider(*m_pressed, skinSliderPositionAtX(m_pressed->qrect(), point.x()));
}

void SkinSurface::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint point = event->position().toPoint();
    SkinObject *object = objectAt(point);
    setHover(object);
    if ((event->buttons() & Qt::LeftButton) && isTrackableSlider(m_pressed))
        trackSlider(*m_pressed, skinSliderPositionAtX(m_pressed->qrect(), point.x()));
    if (object)
        emit m_skin->MouseMove(parentWidget(), object, point.x(), point.y());
}

void SkinSurface::mouseReleaseEvent(QMouseEvent *event)
{
    const QPoint point = event->position().toPoint();
    SkinObject *pressed = m_pressed;
    if (event->buttons() == Qt::NoButton)
        m_pressed = nullptr;
    if (!pressed)
        return;
    repaintPointerLook(pressed);
    const bool click = event->button() == Qt::LeftButton && isClickable(*pressed) && objectAt(point) == pressed;
    // A MouseUp receiver may apply another form to the window, ending the pressed object.
    const SkinForm *form = m_form;
    emit m_skin->MouseUp(parentWidget(), pressed, event->button(), point.x(), point.y());
    if (click && m_form == form)
        emit m_skin->Click(parentWidget(), pressed);
}

void SkinSurface::leaveEvent(QEvent *event)
{
    setHover(nullptr);
    QWidget::leaveEvent(event);
}
