#include "app/window_access.h"

namespace {

using R = SkinRole;

const SkinAccess kMenus[] = {
    {"file", "", R::MenuButton},     {"settings", "", R::MenuButton}, {"purchase", "", R::MenuButton},
    {"register", "", R::MenuButton}, {"help", "", R::MenuButton},
};
const SkinAccess kRail[] = {
    {"video_size", "Video size", R::MenuButton},
    {"video_quality", "Video quality", R::MenuButton},
    {"audio_quality", "Audio quality", R::MenuButton},
    {"channels", "Channels", R::MenuButton},
};
const SkinAccess kFooter[] = {
    {"profilestext", "Profile", R::Picker},
    {"profiles", "Choose profile", R::Button},
    {"browse", "Browse for the output folder", R::Button},
    {"open", "Open the output folder", R::Button},
    {"hint", "Hint", R::Label},
};
const SkinAccess kPreviewColumn[] = {
    {"play_bar", "Preview position", R::Slider},
    {"play_time", "Position", R::Label},
    {"pause", "Pause preview", R::Button},
    {"alltime", "Length", R::Label},
    {"chapter", "Titles or chapters", R::Button},
    {"dvdopen", "", R::Button},
    {"ifoopen", "", R::Button},
    {"dvdfile", "", R::MenuButton},
};
const SkinAccess kCutter[] = {
    {"cut_play_bar", "Position", R::Slider},
    {"cut_play_time", "Position", R::Label},
    {"hou", "Back", R::Button},
    {"play", "Play", R::Button},
    {"pause", "Pause", R::Button},
    {"stop", "Stop", R::Button},
    {"qian", "Forward", R::Button},
    {"begin", "", R::Button},
    {"cut_begin_time", "Begin", R::Label},
    {"end", "", R::Button},
    {"cut_end_time", "End", R::Label},
    {"cut_snapshot", "", R::Button},
    {"cuthint", "Hint", R::Label},
    {"cutclose", "Close", R::Button},
};

} // namespace

std::vector<SkinAccess> mainSkinAccess(bool previewColumn)
{
    std::vector<SkinAccess> objects(std::begin(kMenus), std::end(kMenus));
    if (previewColumn)
        objects.insert(objects.end(), std::begin(kPreviewColumn), std::end(kPreviewColumn));
    objects.insert(objects.end(), std::begin(kRail), std::end(kRail));
    objects.insert(objects.end(), std::begin(kFooter), std::end(kFooter));
    return objects;
}

std::vector<SkinAccess> cutterSkinAccess()
{
    return {std::begin(kCutter), std::end(kCutter)};
}

QStringList mainTabOrder()
{
    return {"lv",         "cb_audio",      "cb_subtitle",   "play_bar",       "pause",        "bt_back",  "bt_play",
            "bt_next",    "bt_playstop",   "bt_cut",        "bt_images",      "chapter",      "dvdopen",  "ifoopen",
            "video_size", "video_quality", "audio_quality", "channels",       "profilestext", "profiles", "ed_output",
            "browse",     "open",          "bt_start",      "Bt_Convertstop", "bt_dvdopen",   "bt_ifo",   "bt_remove",
            "bt_clear",   "bt_chapte",     "bt_set",        "bt_web"};
}
