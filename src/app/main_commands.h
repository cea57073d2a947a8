#pragma once
// The commands of the main window and where they come from: the image
// buttons, the pop-up menus with their items, and the places the menus open
// at. The skin objects that raise them are named in the command table.

#include "profiles/choice_list.h"

#include <QPoint>
#include <QString>
#include <span>

enum class MainCommand {
    None,
    // Job list and batch.
    AddFiles,
    AddFolder,
    RemoveRows,
    ClearList,
    Rename,
    CheckAll,
    UncheckAll,
    StartBatch,
    StopBatch,
    AskStopBatch, // the keyboard's stop: asks first while jobs run
    PauseBatch,
    ConvertAgain,
    ExportJobList,
    // Profiles, folders, information.
    OpenPicker,
    SettingsDialog,
    ChooseOutputFolder,
    OpenOutputFolder,
    FileInformation,
    // Pop-up menus.
    FileMenu,
    EditMenu,
    ActionsMenu,
    ToolsMenu,
    HelpMenu,
    DvdMenu,
    // Window, links, About.
    RunBackground,
    CloseWindow,
    OpenWebLink,
    OpenSupportLink,
    OpenContactPage,
    OpenAboutPage,
    AboutWindow,
    // Preview, clip cutter, snapshot and DVD listing.
    StartPreview,
    StopPreview,
    PausePreview,
    StepBack,
    StepForward,
    Snapshot,
    OpenCutter,
    CutterChecks,
    CutterPlay,
    CutterBegin,
    CutterEnd,
    CutterBack,
    CutterForward,
    CutterTogglePlay,
    CutterNudgeBack,
    CutterNudgeForward,
    CutterSnapshot,
    CloseCutter,
    ToggleListing,
    AddIfo,
    AddDvd,
    // The side buttons' menus of the quality lists.
    SizeMenu,
    VideoQualityMenu,
    AudioQualityMenu,
    ChannelMenu,
};

// The image buttons with their hints, in the order they are stacked (the
// Stop button lies under Start at the same place, and shows when Start
// hides), and the command of each. Their places come from the edition's layout.
struct ImageButtonDesign {
    const char *name;
    const char *hint;
    MainCommand command;
};
std::span<const ImageButtonDesign> imageButtons();

// The side buttons Size, Video, Audio and Channels: the command of each and
// the quality list its menu offers.
struct SideButtonDesign {
    MainCommand command;
    QualityListId list;
};
std::span<const SideButtonDesign> sideButtons();

// A pop-up menu and where it opens, relative to the main window's top-left
// corner on the screen.
struct MenuPlace {
    QString menu; // object name
    QPoint offset;
    bool operator==(const MenuPlace &) const = default;
};
// The menu a menu command pops up in the edition.
MenuPlace menuPlace(MainCommand menuCommand, bool zuvok);

// Menu items: an empty name is a separator.
struct MenuItemDesign {
    const char *name;
    const char *caption;
    MainCommand command;
};
struct MenuDesign {
    const char *name;
    std::span<const MenuItemDesign> items;
};
// Every pop-up menu of the main window; `zm_pop_edit` is also the job
// list's pop-up menu.
std::span<const MenuDesign> mainMenus();
