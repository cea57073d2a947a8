#pragma once
// A display started by the test itself: a virtual X server (Xvfb) on a free
// display number, or a Wayland session (weston's headless backend) with or
// without XWayland; and a picture of a window as the X server holds it.

#include "media_fixtures.h"

#include <QColor>
#include <QImage>
#include <QString>
#include <memory>

enum class Session { X11, Wayland, WaylandWithoutX };

class VirtualDisplay {
public:
    // Starts the session with one screen of the given size; check started().
    // Points this process's DISPLAY and WAYLAND_DISPLAY at it (empty where it
    // has none) and, for Wayland, XDG_RUNTIME_DIR at a folder of its own.
    VirtualDisplay(int width, int height, Session session = Session::X11);
    ~VirtualDisplay(); // ends the server

    bool started() const { return m_ready; }
    // ":N", for DISPLAY; empty without X.
    QString name() const { return m_name; }
    // What the server's output says, to explain a failed start.
    std::string log() const;

    // The X window with its children as the X server holds it (what a user
    // would see of it), read with XGetImage; a null image on failure.
    QImage screenshot(unsigned long window) const;

private:
    veltrix::test::TempDir m_runtime;
    std::unique_ptr<veltrix::test::ChildProcess> m_server;
    QString m_name;
    bool m_ready = false;
};
