#pragma once
// The pop-up menus of the side buttons Size, Video, Audio and Channels: each
// lists the entries of its quality list, the entry a job takes checked, and
// choosing one chooses it on the active profile as the Settings dialog does,
// so the dialog, the size estimates and the next job all follow. A button
// whose list is disabled or empty is disabled.

#include "app/main_commands.h"

#include <QObject>
#include <optional>

class ActiveProfile;
class QActionGroup;
class QMenu;
class QWidget;
class SkinForm;
class SkinObject;

class SideButtonMenus : public QObject {
    Q_OBJECT
public:
    SideButtonMenus(ActiveProfile &profile, QWidget *window);

    // The window's skin form, whose objects are the buttons; their state
    // follows the lists from now on.
    void setSkinForm(SkinForm *form);
    // Fills the menu with the list of the command's button and gives where
    // it opens: to the left of the button, on the screen. nullopt when the
    // button is absent, hidden or disabled.
    std::optional<QPoint> fill(MainCommand command);
    // The one menu, showing the list it was last filled with.
    QMenu *menu() const { return m_menu; }

private:
    SkinObject *button(MainCommand command) const;
    void showButtonStates();

    ActiveProfile &m_profile;
    QWidget *m_window;
    SkinForm *m_form = nullptr;
    QMenu *m_menu;
    QActionGroup *m_entries = nullptr;
};
