#include "virtual_display.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <chrono>
#include <csignal>
#include <regex>

using namespace std::chrono_literals;

VirtualDisplay::VirtualDisplay(int width, int height, Session session)
{
    const bool x11 = session == Session::X11;
    const std::string w = std::to_string(width), h = std::to_string(height);
    std::vector<std::string> argv{"Xvfb", "-displayfd", "1", "-nolisten", "tcp", "-noreset"};
    argv.insert(argv.end(), {"-screen", "0", w + "x" + h + "x24"});
    if (!x11) {
        qputenv("XDG_RUNTIME_DIR", QByteArray::fromStdString(m_runtime.path()));
        argv = {"weston", "--backend=headless-backend.so", "--no-config", "--socket=veltrix-test"};
        argv.insert(argv.end(), {"--width=" + w, "--height=" + h});
        if (session == Session::Wayland)
            argv.push_back("--xwayland");
    }
    m_server = std::make_unique<veltrix::test::ChildProcess>(argv);
    // Xvfb -displayfd: the server picks a free display number and writes it
    // on its standard output once it accepts connections. weston names the
    // display its XWayland listens on, then starts its shell.
    const std::regex ready(x11 ? R"((^|\n)(\d+)\n)" : "weston-desktop-shell");
    const std::regex number(x11 ? R"((^|\n)(\d+)\n)" : R"((display :)(\d+))");
    m_ready = m_server->started()
              && m_server->readUntil([&](const std::string &out) { return std::regex_search(out, ready); }, 10s);
    std::smatch match;
    const std::string out = m_server->output();
    if (m_ready && std::regex_search(out, match, number))
        m_name = QStringLiteral(":") + QString::fromStdString(match[2]);
    qputenv("DISPLAY", m_name.toLocal8Bit());
    qputenv("WAYLAND_DISPLAY", x11 ? "" : "veltrix-test");
}

VirtualDisplay::~VirtualDisplay()
{
    // A server that ends by itself removes its sockets and lock files.
    if (m_server->started() && kill(m_server->pid(), SIGTERM) == 0)
        m_server->wait(5s);
}

std::string VirtualDisplay::log() const
{
    return m_server->started() ? m_server->output() : std::string("the server could not be run");
}

QImage VirtualDisplay::screenshot(unsigned long window) const
{
    Display *display = XOpenDisplay(m_name.toLocal8Bit().constData());
    if (!display)
        return {};
    XWindowAttributes attributes;
    XGetWindowAttributes(display, window, &attributes);
    QImage image;
    if (XImage *x = XGetImage(display, window, 0, 0, attributes.width, attributes.height, AllPlanes, ZPixmap)) {
        image = QImage(attributes.width, attributes.height, QImage::Format_RGB32);
        for (int y = 0; y < attributes.height; ++y)
            for (int px = 0; px < attributes.width; ++px) {
                const unsigned long pixel = XGetPixel(x, px, y);
                image.setPixel(px, y,
                               qRgb(int((pixel & x->red_mask) >> 16), int((pixel & x->green_mask) >> 8),
                                    int(pixel & x->blue_mask)));
            }
        XDestroyImage(x);
    }
    XCloseDisplay(display);
    return image;
}
