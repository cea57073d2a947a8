#include "virtual_display.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <chrono>
#include <regex>

using namespace std::chrono_literals;

VirtualDisplay::VirtualDisplay(int width, int height)
{
    // -displayfd: the server picks a free display number and writes it on
    // its standard output once it accepts connections.
    m_server = std::make_unique<veltrix::test::ChildProcess>(std::vector<std::string>{
        "Xvfb", "-displayfd", "1", "-screen", "0", std::to_string(width) + "x" + std::to_string(height) + "x24",
        "-nolisten", "tcp", "-noreset"});
    if (!m_server->started())
        return;
    const std::regex number(R"((^|\n)(\d+)\n)");
    if (!m_server->readUntil([&](const std::string &out) { return std::regex_search(out, number); }, 10s))
        return;
    std::smatch match;
    const std::string out = m_server->output();
    std::regex_search(out, match, number);
    m_name = QStringLiteral(":") + QString::fromStdString(match[2]);
}

VirtualDisplay::~VirtualDisplay() = default;

std::string VirtualDisplay::log() const
{
    return m_server ? m_server->output() : std::string("Xvfb could not be started");
}

QImage VirtualDisplay::screenshot() const
{
    Display *display = XOpenDisplay(m_name.toLocal8Bit().constData());
    if (!display)
        return {};
    const Window root = DefaultRootWindow(display);
    XWindowAttributes attributes;
    XGetWindowAttributes(display, root, &attributes);
    QImage image;
    if (XImage *x = XGetImage(display, root, 0, 0, attributes.width, attributes.height, AllPlanes, ZPixmap)) {
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
