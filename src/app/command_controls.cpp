#include "app/command_controls.h"

#include "platform/skin/skin.h"

#include <QAction>
#include <QWidget>

void CommandControls::add(QAction *action)
{
    m_controls[action->objectName()] = action;
}

void CommandControls::add(QWidget *widget)
{
    m_controls[widget->objectName()] = widget;
}

void CommandControls::add(SkinObject *slider)
{
    if (slider)
        m_controls[slider->name()] = slider;
}

void CommandControls::apply(const CommandStates &states) const
{
    for (const auto &[name, state] : states) {
        const auto found = m_controls.find(name);
        if (found == m_controls.end())
            continue;
        if (auto *const *action = std::get_if<QAction *>(&found->second)) {
            if (state.enabled)
                (*action)->setEnabled(*state.enabled);
            if (state.visible)
                (*action)->setVisible(*state.visible);
        } else if (auto *const *widget = std::get_if<QWidget *>(&found->second)) {
            if (state.enabled)
                (*widget)->setEnabled(*state.enabled);
            if (state.visible)
                (*widget)->setVisible(*state.visible);
        } else if (state.enabled) {
            SkinObject *slider = std::get<SkinObject *>(found->second);
            slider->commonFacet()->setState(*state.enabled);
            slider->commonFacet()->redraw();
        }
    }
}
