#include "app/edition_layout.h"

#include "jobs/job_model.h"

#include <algorithm>
#include <numeric>

namespace {

// Places of the image buttons in the layouts of editions other than zuvok.
std::vector<ControlPlace> buttonPlaces(bool dvdMode)
{
    return {
        {"bt_dvdopen", {dvdMode ? 4 : 6, 51}},
        {"bt_ifo", {73, 51}},
        {"bt_remove", {147, 51}},
        {"bt_clear", {223, 51}},
        {"bt_chapte", {298, 51}},
        {"bt_set", {375, 51}},
        {"bt_back", {477, 371}},
        {"bt_play", {518, 371}},
        {"bt_next", {559, 371}},
        {"bt_playstop", {601, 371}},
        {"bt_cut", {643, 371}},
        {"bt_images", {684, 371}},
        {"bt_start", {500, 443}},
        {"Bt_Convertstop", {500, 443}},
        {"bt_web", {677, 31}},
    };
}

} // namespace

std::array<int, 5> listColumnWidths(int room)
{
    std::array<int, 5> widths = {150, 300, 80, 80, 98};
    int excess = std::accumulate(widths.begin(), widths.end(), 0) - room;
    for (const int column : {kPathColumn, kNameColumn, kStatusColumn, kTimeColumn}) {
        const int give = std::clamp(excess, 0, widths[column] - kLeastColumnWidths[column]);
        widths[column] -= give;
        excess -= give;
    }
    return widths;
}

EditionLayout editionLayout(bool dvdMode, bool zuvok)
{
    EditionLayout layout;
    if (zuvok) {
        layout.outputTopLeft = {94, 483};
        layout.iconPanelTopLeft = dvdMode ? QPoint(96, 429) : QPoint(96, 451);
        layout.profilePanelsTopLeft = dvdMode ? QPoint(243, 71) : QPoint(241, 90);
        layout.playTopLeft = {546, 296};
        layout.list = QRect(8, 121, 509, dvdMode ? 298 : 316);
        layout.titleColumnAndCheckBoxes = dvdMode;
        if (dvdMode) {
            layout.audioTracks = SpanPlace{{90, 453}, 177};
            layout.subtitleTracks = SpanPlace{{336, 453}, 177};
        } else {
            // The list leaves the preview column in view, cut off; file mode
            // offers no preview or DVD command there.
            layout.previewButtonsHidden = true;
            layout.hiddenSkinObjects = kPreviewAndDvdSkinObjects;
        }
        return layout;
    }
    layout.outputTopLeft = {96, 479};
    layout.outputWidth = 210;
    layout.iconPanelTopLeft = {97, 449};
    layout.profilePanelsTopLeft = {247, 90};
    layout.playTopLeft = {482, 111};
    layout.playSize = QSize(233, 174);
    layout.list = QRect(7, 101, dvdMode ? 462 : 718, 327);
    layout.buttonPlaces = buttonPlaces(dvdMode);
    layout.previewButtonsHidden = !dvdMode;
    if (dvdMode) {
        layout.audioTracks = SpanPlace{{516, 59}, 75};
        layout.subtitleTracks = SpanPlace{{642, 59}, 75};
    }
    return layout;
}
