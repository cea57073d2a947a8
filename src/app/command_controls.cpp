#include "app/command_controls.h"

#include "platform/skin/skin.h"

#include <QAction>
#include <QWidget>

void CommandControls::add(MainCommand command, QAction *item)
{
    m_controls.emplace(command, item);
}

void CommandControls::add(MainCommand command, QWidget *button)
{
    m_controls.emplace(command, button);
}

void CommandControls::add(MainCommand command, SkinObject *slider)
{
    if (slider)
        m_controls.emplace(command, slider);
}

void CommandControls::apply(const CommandStates &states) const
{
    for (const auto &[command, state] : states) {
        const auto [first, last] = m_controls.equal_range(command);
        for (auto control = first; control != last; ++control) {
            if (auto *const *item = std::get_if<QAction *>(&control->second)) {
                if (state.enabled)
                    (*item)->setEnabled(*state.enabled);
            } else if (auto *const *button = std::get_if<QWidget *>(&control->second)) {
                if (state.enabled)
                    (*button)->setEnabled(*state.enabled);
                if (state.visible)
                    (*button)->setVisible(*state.visible);
            } else if (state.enabled) {
                SkinObject *slider = std::get<SkinObject *>(control->second);
                slider->commonFacet()->setState(*state.enabled);
                slider->commonFacet()->redraw();
            }
        }
    }
}
