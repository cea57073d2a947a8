#pragma once
// The controls the command availability rule names, registered by the window
// as it creates them (menu items, image buttons, skin sliders), and the one
// place that applies the rule's result to them.

#include "app/command_availability.h"

#include <map>
#include <variant>

class QAction;
class QWidget;
class SkinObject;

class CommandControls {
public:
    // Registers a control under its object name (a skin object under its
    // skin name). A later control of the same name replaces an earlier one.
    void add(QAction *action);
    void add(QWidget *widget);
    void add(SkinObject *slider);

    // Sets what the states name on the registered controls; for skin sliders
    // only the enabled state, with a redraw. Unregistered names are skipped.
    void apply(const CommandStates &states) const;

private:
    std::map<QString, std::variant<QAction *, QWidget *, SkinObject *>> m_controls;
};
