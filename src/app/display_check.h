#pragma once
// The program needs a display to open its window on.

#include <QString>

// Empty when a display is reachable (X11 or Wayland, or a platform chosen
// through QT_QPA_PLATFORM); otherwise what to tell the user, naming the
// program as it was started.
QString noDisplayMessage(const QString &programPath);
