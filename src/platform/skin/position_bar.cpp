#include "platform/skin/position_bar.h"

#include "engine/progress.h"

PositionBar::PositionBar(SkinObject *object, qint32 fullWidth) : m_object(object), m_fullWidth(fullWidth)
{
    if (m_object)
        m_base = m_object->commonFacet()->rect();
}

void PositionBar::show(qint32 value)
{
    if (!m_object)
        return;
    const qint32 clamped = value > kProgressFull ? kProgressFull : value;
    SkinRect r = m_base;
    r.right = m_base.left + mulDiv(clamped, m_fullWidth, kProgressFull);
    ISkinCommon *common = m_object->commonFacet();
    common->setRect(r);
    common->redraw();
}
