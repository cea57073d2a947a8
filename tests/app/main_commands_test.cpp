#include "app/main_command_table.h"
#include "app/main_commands.h"

#include <gtest/gtest.h>

namespace {

struct PlaceCase {
    MainCommand command;
    bool zuvok;
    MenuPlace place;
};

const PlaceCase kPlaces[] = {
    {MainCommand::HelpMenu, true, {"pop_help", {366, 64}}},
    {MainCommand::HelpMenu, false, {"zm_pop_help", {198, 50}}},
    {MainCommand::FileMenu, true, {"zm_popup_file", {85, 64}}},
    {MainCommand::FileMenu, false, {"zm_popup_file", {33, 50}}},
    {MainCommand::DvdMenu, true, {"pop_dvd", {85, 64}}},
    {MainCommand::DvdMenu, false, {"pop_dvd", {76, 54}}},
    {MainCommand::ToolsMenu, false, {"zm_pop_tools", {158, 50}}},
    {MainCommand::ToolsMenu, true, {"zm_pop_tools", {158, 50}}},
    {MainCommand::EditMenu, false, {"zm_pop_edit", {66, 50}}},
    {MainCommand::ActionsMenu, false, {"zm_pop_actions", {106, 50}}},
};

TEST(MenuPlaces, EachMenuOpensAtItsOffset)
{
    for (const PlaceCase &c : kPlaces) {
        SCOPED_TRACE(c.place.menu.toStdString());
        EXPECT_EQ(menuPlace(c.command, c.zuvok), c.place);
    }
}

struct MenuCase {
    const char *menu;
    std::vector<const char *> items; // "" for a separator
};

const MenuCase kMenus[] = {
    {"pop_file",
     {"AddFiles1", "AddFolder1", "", "Rmove1", "Clear1", "", "Convert1", "Stop1", "", "ExportJobList1", "", "Exit1"}},
    {"pop_help", {"MenuItem1", "MenuItem2", "MenuItem4", "MenuItem5", "", "MenuItem7"}},
    {"pop_dvd",
     {"MenuItem3", "MenuItem8", "", "MenuItem10", "MenuItem11", "", "MenuItem13", "MenuItem14", "", "MenuItem16"}},
    {"zm_popup_file", {"AddFiles2", "AddFolder2", "", "Properties1", "ExportJobList2", "RunBackground1", "", "Exit2"}},
    {"zm_pop_actions", {"Convert2", "Pause1", "Stop2"}},
    {"zm_pop_tools", {"Settings1"}},
    {"zm_pop_help", {"Help1", "", "FeedbackandSupport1", "", "AboutVeltrixVideoConverter1"}},
    {"zm_pop_edit", {"Remove1", "Clear2", "Rename1", "CutClip1", "ConvertAgain1", "", "SelectAll1", "UnselectAll1"}},
};

TEST(MainMenus, ItemsInTheirOrder)
{
    const std::span<const MenuDesign> menus = mainMenus();
    ASSERT_EQ(menus.size(), std::size(kMenus));
    for (std::size_t m = 0; m < menus.size(); ++m) {
        SCOPED_TRACE(kMenus[m].menu);
        EXPECT_STREQ(menus[m].name, kMenus[m].menu);
        ASSERT_EQ(menus[m].items.size(), kMenus[m].items.size());
        for (std::size_t i = 0; i < menus[m].items.size(); ++i)
            EXPECT_STREQ(menus[m].items[i].name, kMenus[m].items[i]);
    }
}

// Every command a control can raise has its row, so no button or menu item
// does nothing; a skin object raises the command whose row names it.
TEST(CommandTable, EveryRaisedCommandHasItsRow)
{
    std::vector<MainCommand> raised;
    for (const ImageButtonDesign &button : imageButtons())
        raised.push_back(button.command);
    for (const MenuDesign &menu : mainMenus())
        for (const MenuItemDesign &item : menu.items)
            if (item.command != MainCommand::None)
                raised.push_back(item.command);
    for (const SideButtonDesign &side : sideButtons())
        raised.push_back(side.command);
    for (const MainCommand command : raised) {
        const MainCommandRow *row = mainCommandRow(command);
        ASSERT_NE(row, nullptr) << static_cast<int>(command);
        EXPECT_EQ(row->command, command);
        for (const char *skinObject : row->skinObjects)
            if (skinObject) {
                EXPECT_EQ(skinClickCommand(QString::fromLatin1(skinObject)), command) << skinObject;
            }
    }
    EXPECT_EQ(mainCommandRow(MainCommand::None), nullptr);
    EXPECT_EQ(skinClickCommand(QStringLiteral("Profiles")), MainCommand::None); // names compare exactly
}

} // namespace
