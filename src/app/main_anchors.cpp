#include "app/main_anchors.h"

#include "platform/skin/anchors.h"

#include <QWidget>

namespace {

constexpr Qt::Edges kTopRight = Qt::TopEdge | Qt::RightEdge;
constexpr Qt::Edges kBottomLeft = Qt::BottomEdge | Qt::LeftEdge;

struct ControlAnchors {
    const char *name;
    Qt::Edges anchors;
};

// Controls not named here stay at the top left with the toolbar.
constexpr ControlAnchors kMainControlAnchors[] = {
    {"lv", Qt::LeftEdge | Qt::TopEdge | Qt::RightEdge | Qt::BottomEdge},
    {"ed_output", kBottomLeft},
    {"Panel1", kBottomLeft},
    {"bt_start", kBottomLeft},
    {"Bt_Convertstop", kBottomLeft},
    {"bt_web", kTopRight},
    {"pl_play", kTopRight},
    {"pl_back", kTopRight},
    {"bt_back", kTopRight},
    {"bt_play", kTopRight},
    {"bt_next", kTopRight},
    {"bt_playstop", kTopRight},
    {"bt_cut", kTopRight},
    {"bt_images", kTopRight},
};

} // namespace

void anchorMainControls(QWidget *window, QSize designSize, const QRect &list)
{
    auto *anchored = new AnchoredControls(window, designSize);
    const auto control = [window](const char *name) {
        return window->findChild<QWidget *>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly);
    };
    for (const ControlAnchors &entry : kMainControlAnchors)
        if (QWidget *widget = control(entry.name))
            anchored->anchor(widget, entry.anchors);
    for (const char *tracks : {"cb_audio", "cb_subtitle"})
        if (QWidget *widget = control(tracks))
            anchored->anchor(widget, widget->y() > list.bottom() ? kBottomLeft : Qt::LeftEdge | Qt::TopEdge);
}
