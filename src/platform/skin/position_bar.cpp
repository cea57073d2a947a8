#include "platform/skin/position_bar.h"

#include "platform/mul_div.h"

PositionBar::PositionBar(SkinObject *object, qint32 fullWidth, qint32 fullValue)
    : m_object(object),
      m_fullWidth(fullWidth),
      m_fullValue(fullValue)
{
    if (m_object)
        m_base = m_object->commonFacet()->rect();
}

void PositionBar::show(qint32 value)
{
    if (!m_object)
        return;
    const qint32 clamped = value > m_fullValue ? m_fullValue : value;
    SkinRect r = m_base;
    r.right = m_base.left + mulDiv(clamped, m_fullWidth, m_fullValue);
    ISkinCommon *common = m_object->commonFacet();
    common->setRect(r);
    common->redraw();
}
