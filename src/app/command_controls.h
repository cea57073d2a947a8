#pragma once
// The controls that raise the main window's commands, registered by the
// window as it creates them (menu items, image buttons, skin sliders), and
// the one place that shows the availability rule's result on them.

#include "app/command_availability.h"

#include <map>
#include <variant>

class QAction;
class QWidget;
class SkinObject;

class CommandControls {
public:
    // Registers a control that raises `command`; several controls may raise
    // one command. A null skin object is skipped.
    void add(MainCommand command, QAction *item);
    void add(MainCommand command, QWidget *button);
    void add(MainCommand command, SkinObject *slider);

    // Shows each command's state on its controls: buttons are enabled and
    // shown or hidden, menu items enabled, skin sliders enabled and redrawn.
    void apply(const CommandStates &states) const;

private:
    std::multimap<MainCommand, std::variant<QAction *, QWidget *, SkinObject *>> m_controls;
};
