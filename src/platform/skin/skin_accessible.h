#pragma once
// Skin objects as assistive technology sees them: each stand-in
// (skin_stand_in.h) with the role, name and state of its object, a slider
// with its position as a value, and a press action where a click acts
// (pressable_accessible.h).

// Installs the interfaces' factory with Qt's accessibility, once.
void installSkinAccessibility();
