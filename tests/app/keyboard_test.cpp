// Every command of the windows from the keyboard, and what screen readers
// find in them: menus, Tab order, the list's and the batch's keys, the
// picker, and the skin objects as accessible controls.

#include "main_window_fixture.h"

#include "app/main_keys.h"
#include "jobs/batch.h"
#include "windows/tfm_dvdcutter.h"

#include <QAccessible>
#include <QApplication>
#include <QMenu>
#include <QSignalSpy>
#include <QTimer>

namespace {

class KeyboardTest : public MainWindowTest {
protected:
    Tfm_main &startActive(const QString &edition = QStringLiteral("veltrix-video-converter"))
    {
        Tfm_main &w = start(edition);
        activate(w);
        return w;
    }
    // Back to the main window after a menu or a dialog took the keyboard.
    static void activate(QWidget &window)
    {
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    static QWidget *focused() { return QApplication::focusWidget(); }
    static void press(QKeyCombination key) { QTest::keyClick(focused(), key.key(), key.keyboardModifiers()); }
    // The accessible objects of the window, all levels down.
    static std::vector<QAccessibleInterface *> accessibleTree(QWidget *window)
    {
        std::vector<QAccessibleInterface *> found{QAccessible::queryAccessibleInterface(window)};
        for (std::size_t i = 0; i < found.size(); ++i)
            for (int c = 0; c < found[i]->childCount(); ++c)
                found.push_back(found[i]->child(c));
        return found;
    }
    static QAccessibleInterface *accessible(QWidget *window, const QString &name, QAccessible::Role role)
    {
        for (QAccessibleInterface *item : accessibleTree(window))
            if (item->text(QAccessible::Name) == name && item->role() == role)
                return item;
        ADD_FAILURE() << name.toStdString() << " is not in the accessible tree";
        return nullptr;
    }
};

TEST_F(KeyboardTest, EveryCommandOfTheMainWindowFromTheKeyboard)
{
    Tfm_main &w = startActive();
    // Alt and a menu title's letter, or F10, open its menu; the DVD title lies under the list here.
    qRegisterMetaType<QMenu *>();
    QSignalSpy popped(&w, &Tfm_main::menuPopped);
    // Each with the menu that Left in it opens: the one beside it in the row.
    const std::tuple<QKeyCombination, const char *, const char *> menus[] = {
        {Qt::ALT | Qt::Key_F, "zm_popup_file", "zm_pop_help"},
        {Qt::ALT | Qt::Key_E, "zm_pop_edit", "zm_popup_file"},
        {Qt::ALT | Qt::Key_A, "zm_pop_actions", "zm_pop_edit"},
        {Qt::ALT | Qt::Key_T, "zm_pop_tools", "zm_pop_actions"},
        {Qt::ALT | Qt::Key_H, "zm_pop_help", "zm_pop_tools"},
        {Qt::Key_F10, "zm_popup_file", "zm_pop_help"},
        {Qt::ALT | Qt::Key_D, nullptr, nullptr}};
    const auto takeMenu = [&popped] { return popped.takeFirst().at(0).value<QMenu *>(); };
    for (const auto &[key, menu, left] : menus) {
        press(key);
        ASSERT_EQ(popped.size(), menu ? 1 : 0) << menu;
        if (menu) {
            QMenu *shown = takeMenu();
            EXPECT_EQ(shown->objectName(), menu);
            QTest::keyClick(shown, Qt::Key_Left);
            ASSERT_TRUE(QTest::qWaitFor([&] { return !popped.isEmpty(); }, 1000)) << menu;
            EXPECT_FALSE(shown->isVisible());
            QMenu *beside = takeMenu();
            EXPECT_EQ(beside->objectName(), left);
            beside->hide();
        }
    }
    // Right on an item with a submenu opens that submenu, not the next menu.
    press(Qt::ALT | Qt::Key_T);
    QMenu *tools = takeMenu(), *jobsAtOnce = child<QMenu>("JobsAtOnce1");
    tools->setActiveAction(jobsAtOnce->menuAction());
    QTest::keyClick(tools, Qt::Key_Right);
    EXPECT_TRUE(QTest::qWaitFor([&] { return jobsAtOnce->isVisible(); }, 1000) && popped.isEmpty());
    tools->hide();
    // Every menu item shows its command's key.
    for (const MainKey &key : mainKeys())
        for (const MenuDesign &menu : mainMenus())
            for (const MenuItemDesign &item : menu.items)
                if (item.command == key.command) {
                    EXPECT_EQ(child<QAction>(item.name)->shortcut(), QKeySequence(key.key)) << item.name;
                }

    activate(w);

    // Ctrl+P continues and pauses, Ctrl+Return starts. Esc closes a menu
    // and, pressed again, asks before it stops: going on is its default.
    beginBusyBatch(w);
    press(Qt::CTRL | Qt::Key_P);
    EXPECT_FALSE(w.session().batch().isPaused());
    press(Qt::CTRL | Qt::Key_P);
    EXPECT_TRUE(w.session().batch().isPaused());
    press(Qt::ALT | Qt::Key_A);
    QMenu *actions = takeMenu();
    QTest::keyClick(actions, Qt::Key_Escape);
    EXPECT_FALSE(actions->isVisible());
    activate(w);
    m_prompts.answerYes = false;
    press(Qt::Key_Escape);
    EXPECT_TRUE(w.session().isConverting());
    ASSERT_EQ(m_prompts.boxes().size(), 1u);
    EXPECT_EQ(m_prompts.boxes()[0].kind, Kind::Question);
    m_prompts.answerYes = true;
    press(Qt::Key_Escape);
    EXPECT_FALSE(w.session().isConverting());
    press(Qt::CTRL | Qt::Key_Return);
    EXPECT_TRUE(w.session().isConverting());
    endBusyBatch(w);

    // On the list F2 renames; Esc leaves the name as it was.
    child<QWidget>("lv")->setFocus();
    w.session().jobs().selectRow(0);
    const QString caption = w.session().jobs().caption(0);
    press(Qt::Key_F2);
    ASSERT_EQ(focused()->objectName(), "edt_tit");
    QTest::keyClicks(focused(), "renamed");
    press(Qt::Key_Escape);
    EXPECT_EQ(w.session().jobs().caption(0), caption);
    EXPECT_EQ(focused()->objectName(), "lv");
    // Space checks and unchecks the current row from any of its cells.
    const bool checked = w.session().jobs().isChecked(0);
    for (const int column : {4, 0}) {
        child<QTreeView>("lv")->setCurrentIndex(w.session().jobs().index(0, column));
        press(Qt::Key_Space);
        EXPECT_EQ(w.session().jobs().isChecked(0), column == 0 ? checked : !checked);
    }

    // From the list, Tab comes back to it through the footer in order.
    QStringList order{focused()->objectName()};
    for (int i = 0; i < 50 && (i == 0 || order.last() != "lv"); ++i) {
        press(Qt::Key_Tab);
        order << focused()->objectName();
    }
    EXPECT_EQ(order.last(), "lv");
    qsizetype at = 0;
    for (const char *stop : {"lv", "profilestext", "profiles", "ed_output", "browse", "open", "bt_start", "bt_set"}) {
        EXPECT_GE(order.indexOf(stop, at), at) << stop << " in " << order.join(' ').toStdString();
        at = order.indexOf(stop, at) + 1;
    }

    // Enter on the list shows the row's properties.
    QString shown;
    QTimer::singleShot(0, &w, [&shown] {
        shown = QApplication::activeModalWidget()->objectName();
        QApplication::activeModalWidget()->close();
    });
    press(Qt::Key_Return);
    EXPECT_EQ(shown, "fm_info");
}

TEST_F(KeyboardTest, ThePickerFromTheKeyboard)
{
    rememberProfile(17);
    Tfm_main &w = startActive();
    QWidget *choose = child<QWidget>("profiles");
    choose->setFocus();
    press(Qt::Key_Return);
    ASSERT_TRUE(panelShown("pl_audio1"));
    auto *first = qobject_cast<ProfileButton *>(focused());
    ASSERT_NE(first, nullptr);
    press(Qt::Key_Down);
    auto *next = qobject_cast<ProfileButton *>(focused());
    ASSERT_NE(next, nullptr);
    EXPECT_GT(next->y(), first->y());
    EXPECT_EQ(w.session().profile().currentProfileId(), next->id());
    press(Qt::Key_Right);
    EXPECT_TRUE(panelShown("pl_audio2"));
    press(Qt::Key_Left);
    ASSERT_TRUE(panelShown("pl_audio1"));
    const int chosen = w.session().profile().currentProfileId();
    press(Qt::Key_Return);
    EXPECT_FALSE(panelShown("pl_audio1"));
    EXPECT_EQ(w.session().profile().loadedProfileId(), chosen);
    EXPECT_EQ(focused(), choose);

    press(Qt::Key_Space);
    press(Qt::Key_Up);
    press(Qt::Key_Escape);
    EXPECT_FALSE(panelShown("pl_audio1"));
    EXPECT_EQ(w.session().profile().loadedProfileId(), chosen);
    EXPECT_EQ(focused(), choose);
}

TEST_F(KeyboardTest, ScreenReadersFindTheSkinObjectsOfBothWindows)
{
    Tfm_main &w = startActive(QStringLiteral("veltrix-dvd-ripper"));
    beginPreview(w);
    ASSERT_TRUE(QTest::qWaitFor([&] { return object(&w, "play_time")->text() != "00:00:00"; }, 10000));
    for (const auto &[name, role] : {std::pair{"Start conversion", QAccessible::Button},
                                     {"Choose profile", QAccessible::Button},
                                     {"Output folder", QAccessible::EditableText}}) {
        QAccessibleInterface *item = accessible(&w, name, role);
        ASSERT_TRUE(item);
        EXPECT_FALSE(item->state().invisible) << name;
    }
    EXPECT_EQ(accessible(&w, "File", QAccessible::ButtonMenu)->text(QAccessible::Accelerator), "Alt+F");
    QAccessibleInterface *profile = accessible(&w, object(&w, "profilestext")->text(), QAccessible::ComboBox);
    ASSERT_TRUE(profile);
    EXPECT_EQ(profile->text(QAccessible::Description), "Profile");
    QAccessibleInterface *slider = accessible(&w, "Preview position", QAccessible::Slider);
    ASSERT_TRUE(slider && slider->valueInterface());
    EXPECT_FALSE(slider->state().disabled);
    EXPECT_EQ(slider->valueInterface()->currentValue(), object(&w, "play_bar")->position());
    QAccessibleInterface *time = accessible(&w, object(&w, "play_time")->text(), QAccessible::StaticText);
    ASSERT_TRUE(time);
    EXPECT_EQ(time->text(QAccessible::Description), "Position");

    w.run(MainCommand::StopPreview);
    w.run(MainCommand::OpenCutter);
    for (const auto &[name, role] : {std::pair{"Play", QAccessible::Button},
                                     {"Set Begin", QAccessible::Button},
                                     {"Position", QAccessible::Slider},
                                     {"Close", QAccessible::Button}})
        EXPECT_TRUE(accessible(&w.fm_dvdcutter(), name, role)) << name;
    w.run(MainCommand::CloseCutter);
}

} // namespace
