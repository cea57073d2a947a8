#include "platform/skin/skin.h"

#include "platform/skin/anchors.h"

#include "platform/skin/skin_slider_geometry.h"
#include "platform/skin/skin_surface.h"

#include <algorithm>

ISkinText *SkinObject::textFacet()
{
    return m_kind == SkinKind::Text || m_kind == SkinKind::Button ? this : nullptr;
}

ISkinSlider *SkinObject::sliderFacet()
{
    return m_kind == SkinKind::Slider ? this : nullptr;
}

void SkinObject::setPosition(qint32 position)
{
    m_position = std::clamp(position, 0, kSkinSliderMaximum);
}

QRect SkinObject::qrect() const
{
    const QRect design(QPoint(m_rect.left, m_rect.top), QPoint(m_rect.right - 1, m_rect.bottom - 1));
    const QWidget *window = m_form ? m_form->m_window.data() : nullptr;
    if (!window || window->size() == m_form->m_size)
        return design;
    const QRect frame(QPoint(m_frame.left, m_frame.top), QPoint(m_frame.right - 1, m_frame.bottom - 1));
    return anchoredRect(design, m_anchors, m_form->m_size, window->size(), frame);
}

void SkinObject::redraw()
{
    if (m_form && m_form->m_surface)
        m_form->m_surface->redrawObject(*this);
}

SkinObject *SkinForm::findObject(const QString &name) const
{
    const auto it =
        std::find_if(m_objects.begin(), m_objects.end(), [&](const auto &object) { return object->m_name == name; });
    return it == m_objects.end() ? nullptr : it->get();
}

std::unique_ptr<SkinForm> SkinForm::clone() const
{
    auto copy = std::make_unique<SkinForm>();
    copy->m_name = m_name;
    copy->m_size = m_size;
    copy->m_background = m_background;
    copy->m_background2 = m_background2;
    copy->m_backgroundPicture = m_backgroundPicture;
    copy->m_focusColor = m_focusColor;
    for (const auto &object : m_objects) {
        auto objectCopy = std::make_unique<SkinObject>(*object);
        objectCopy->m_form = copy.get();
        objectCopy->m_paintedRect = QRect();
        copy->m_objects.push_back(std::move(objectCopy));
    }
    return copy;
}
