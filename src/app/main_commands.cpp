#include "app/main_commands.h"

namespace {

using C = MainCommand;

const ImageButtonDesign kImageButtons[] = {
    {"bt_dvdopen", "Add File", C::AddFiles},
    {"bt_ifo", "Add Folder", C::AddFolder},
    {"bt_remove", "Remove Files", C::RemoveRows},
    {"bt_clear", "Clear file list", C::ClearList},
    {"bt_chapte", "Properties", C::FileInformation},
    {"bt_set", "Settings", C::SettingsDialog},
    {"bt_back", "Back", C::StepBack},
    {"bt_play", "Play", C::StartPreview},
    {"bt_next", "Forward", C::StepForward},
    {"bt_playstop", "Stop", C::StopPreview},
    {"bt_cut", "Cut", C::OpenCutter},
    {"bt_images", "Save Image", C::Snapshot},
    {"Bt_Convertstop", "Stop convert", C::StopBatch},
    {"bt_start", "Start conversion", C::StartBatch},
    {"bt_web", "About US", C::OpenAboutPage},
};

const SideButtonDesign kSideButtons[] = {
    {C::SizeMenu, QualityListId::Size},
    {C::VideoQualityMenu, QualityListId::VideoQuality},
    {C::AudioQualityMenu, QualityListId::AudioQuality},
    {C::ChannelMenu, QualityListId::Channel},
};

constexpr MenuItemDesign kSeparator{"", "", C::None};

const MenuItemDesign kPopFile[] = {
    {"AddFiles1", "Add Files", C::AddFiles},
    {"AddFolder1", "Add Folder", C::AddFolder},
    kSeparator,
    {"Rmove1", "Remove", C::RemoveRows},
    {"Clear1", "Clear", C::ClearList},
    kSeparator,
    {"Convert1", "Convert", C::StartBatch},
    {"Stop1", "Stop", C::StopBatch},
    kSeparator,
    {"ExportJobList1", "Export Job List...", C::ExportJobList},
    kSeparator,
    {"Exit1", "Exit", C::CloseWindow},
};
const MenuItemDesign kPopEdit[] = {
    {"Remove1", "Remove", C::RemoveRows},
    {"Clear2", "Clear", C::ClearList},
    {"Rename1", "Rename", C::Rename},
    {"CutClip1", "Cut Clip...", C::OpenCutter},
    {"ConvertAgain1", "Convert Again", C::ConvertAgain},
    kSeparator,
    {"SelectAll1", "Select All", C::CheckAll},
    {"UnselectAll1", "Unselect All", C::UncheckAll},
};

const MenuItemDesign kPopHelp[] = {
    {"MenuItem1", "Help", C::OpenWebLink},
    {"MenuItem2", "Support", C::OpenSupportLink},
    {"MenuItem4", "Our Website", C::OpenWebLink},
    {"MenuItem5", "Contact us", C::OpenSupportLink},
    kSeparator,
    {"MenuItem7", "About", C::AboutWindow},
};
const MenuItemDesign kPopDvd[] = {
    {"MenuItem3", "Add DVD", C::AddDvd},       {"MenuItem8", "Add IFO", C::AddIfo},           kSeparator,
    {"MenuItem10", "Select All", C::CheckAll}, {"MenuItem11", "Unselect ALL", C::UncheckAll}, kSeparator,
    {"MenuItem13", "Convert", C::StartBatch},  {"MenuItem14", "Stop", C::StopBatch},          kSeparator,
    {"MenuItem16", "Exit", C::CloseWindow},
};
const MenuItemDesign kPopupFile[] = {
    {"AddFiles2", "Add File(s)...", C::AddFiles},
    {"AddFolder2", "Add Folder", C::AddFolder},
    kSeparator,
    {"Properties1", "Properties", C::FileInformation},
    {"ExportJobList2", "Export Job List...", C::ExportJobList},
    {"RunBackground1", "Run Background", C::RunBackground},
    kSeparator,
    {"Exit2", "Exit", C::CloseWindow},
};
const MenuItemDesign kPopActions[] = {
    {"Convert2", "Convert", C::StartBatch},
    {"Pause1", "Pause", C::PauseBatch},
    {"Stop2", "Stop", C::StopBatch},
};
const MenuItemDesign kPopTools[] = {
    {"Settings1", "Settings", C::SettingsDialog},
};
// The caption of the last item is set at the first show.
const MenuItemDesign kPopHelpZm[] = {
    {"Help1", "Help", C::OpenSupportLink},
    kSeparator,
    {"FeedbackandSupport1", "Feedback and Support", C::OpenContactPage},
    kSeparator,
    {"AboutVeltrixVideoConverter1", "", C::OpenAboutPage},
};

const MenuDesign kMenus[] = {
    {"pop_file", kPopFile},        {"pop_help", kPopHelp},          {"pop_dvd", kPopDvd},
    {"zm_popup_file", kPopupFile}, {"zm_pop_actions", kPopActions}, {"zm_pop_tools", kPopTools},
    {"zm_pop_help", kPopHelpZm},   {"zm_pop_edit", kPopEdit},
};

} // namespace

MenuPlace menuPlace(MainCommand menuCommand, bool zuvok)
{
    switch (menuCommand) {
    case C::HelpMenu:
        return zuvok ? MenuPlace{"pop_help", {366, 64}} : MenuPlace{"zm_pop_help", {198, 50}};
    case C::FileMenu:
        return {"zm_popup_file", zuvok ? QPoint(85, 64) : QPoint(33, 50)};
    case C::DvdMenu:
        return {"pop_dvd", zuvok ? QPoint(85, 64) : QPoint(76, 54)};
    case C::ToolsMenu:
        return {"zm_pop_tools", {158, 50}};
    case C::EditMenu:
        return {"zm_pop_edit", {66, 50}};
    case C::ActionsMenu:
        return {"zm_pop_actions", {106, 50}};
    default:
        return {};
    }
}

std::span<const ImageButtonDesign> imageButtons()
{
    return kImageButtons;
}

std::span<const SideButtonDesign> sideButtons()
{
    return kSideButtons;
}

std::span<const MenuDesign> mainMenus()
{
    return kMenus;
}
