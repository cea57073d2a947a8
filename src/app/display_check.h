#pragma once
// The program needs a display to open its window on, and an X window for the
// preview's player.

#include <QByteArray>
#include <QString>

// Empty when a display is reachable (X11 or Wayland, or a platform chosen
// through QT_QPA_PLATFORM); otherwise what to tell the user, naming the
// program as it was started.
QString noDisplayMessage(const QString &programPath);

// The Qt platform for the window when the user has chosen none: "xcb"
// wherever an X display is reachable, in a Wayland session its XWayland,
// since the preview embeds its player in an X window; empty when the user
// chose one through QT_QPA_PLATFORM or no X display is there (Qt's own
// choice then, natively on Wayland).
QByteArray previewablePlatform();
