#pragma once
// A virtual X server (Xvfb) started by the test itself on a free display
// number, and a screenshot of its root window.

#include "media_fixtures.h"

#include <QColor>
#include <QImage>
#include <QString>
#include <memory>

class VirtualDisplay {
public:
    // Starts Xvfb with one screen of the given size; check started().
    VirtualDisplay(int width, int height);
    ~VirtualDisplay(); // ends the server

    bool started() const { return !m_name.isEmpty(); }
    // ":N", for DISPLAY.
    QString name() const { return m_name; }
    // What the server's output says, to explain a failed start.
    std::string log() const;

    // The whole screen as the X server holds it (what a user would see),
    // read with XGetImage from the root window; a null image on failure.
    QImage screenshot() const;

private:
    std::unique_ptr<veltrix::test::ChildProcess> m_server;
    QString m_name;
};
