#pragma once
// The main window's layout for an edition: whether it works on DVDs and
// whether it is a zuvok edition choose one of four layouts. A plain value;
// the main window applies it to its controls.

#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

struct ControlPlace {
    QString name; // object name
    QPoint topLeft;
    bool operator==(const ControlPlace &) const = default;
};

// A place and a width; the height stays the control's own.
struct SpanPlace {
    QPoint topLeft;
    int width = 0;
    bool operator==(const SpanPlace &) const = default;
};

struct EditionLayout {
    QPoint outputTopLeft;           // `ed_output`
    std::optional<int> outputWidth; // nothing: the width is left as it was
    QPoint iconPanelTopLeft;        // `Panel1`
    QPoint profilePanelsTopLeft;    // the 19 profile panels of the picker
    QPoint playTopLeft;             // `pl_play`
    std::optional<QSize> playSize;
    QRect list;                              // `lv`
    bool titleColumnAndCheckBoxes = true;    // first column "Title", a check box on every row
    std::optional<SpanPlace> audioTracks;    // `cb_audio`; nothing: hidden
    std::optional<SpanPlace> subtitleTracks; // `cb_subtitle`
    std::vector<ControlPlace> buttonPlaces;  // image buttons moved; empty: left at their places
    bool previewButtonsHidden = false;
    // Skin objects hidden: the preview column and the DVD commands where the
    // list leaves them in view, cut off, and the edition has no use for them.
    QStringList hiddenSkinObjects;
};

EditionLayout editionLayout(bool dvdMode, bool zuvok);

// The widths of the list's five columns for rows `room` pixels wide: the
// designed 150, 300, 80, 80, 98 where they fit; otherwise the path column
// gives way first, then the name, Status and Time columns, each down to
// what its texts need, so that no column lies beyond the list's edge.
std::array<int, 5> listColumnWidths(int room);
// What each column's texts need: a check box and "  Chapter_03"; "720x576";
// "00:00:00"; "Output Size"; "100.00%".
inline constexpr std::array<int, 5> kLeastColumnWidths = {100, 72, 64, 80, 76};

// The skin objects of the preview column and of the DVD commands.
inline const QStringList kPreviewAndDvdSkinObjects = {
    "previewarea", "screen",  "play_bar", "playtrack", "playpos", "play_time", "pause",   "alltime", "audio",
    "subtitle",    "chapter", "play",     "stopplay",  "cutter",  "dvdopen",   "ifoopen", "dvdfile"};

// The six image buttons of the preview.
inline const QStringList kPreviewButtons = {"bt_back", "bt_play", "bt_next", "bt_playstop", "bt_cut", "bt_images"};
