#pragma once
// The profile picker: a page of picture buttons over the main window for
// each group of the catalogue. Only the two audio pages (`pl_audio1` with
// ids 15 to 21, `pl_audio2` with 22 to 25 and the blank area 26) ever open;
// the other panels exist, stay hidden and are placed by the edition layout.
// Pointing at a button highlights it and makes its id the current profile
// id; clicking it selects the profile.

#include "profiles/picker_placement.h"

#include <QObject>
#include <QString>
#include <functional>
#include <map>
#include <vector>

class QFrame;
class QLabel;
class QWidget;
class ProfileButton;

class ProfilePicker : public QObject {
    Q_OBJECT
public:
    struct Hooks {
        std::function<bool()> converting;
        // Message 26 in a warning box.
        std::function<void()> warnBusy;
        // The current profile id (the highlighted button) and its change.
        std::function<int()> currentProfileId;
        std::function<void(int)> setCurrentProfileId;
        // The selection sequence for an id.
        std::function<void(int)> select;
        // The first audio page is the one to remember ("plane"/"audio").
        std::function<void()> rememberFirstAudioPage;
        // Runs a command raised by the picker's own controls; reports what it throws.
        std::function<void(const std::function<void()> &)> guard;
    };

    // Builds every panel with its buttons as hidden children of the window.
    ProfilePicker(QWidget *window, QString executableFolder, Hooks hooks);

    void setEdition(const PickerEdition &edition) { m_edition = edition; }

    // The panels by object name ("pl_audio1", ...), in catalogue order.
    const std::vector<QFrame *> &panels() const { return m_panels; }
    QFrame *panel(const QString &name) const;
    ProfileButton *button(int id) const;

    // Puts the normal picture on every button, ids 1 to 132 in order.
    // Throws PictureFileError at the first picture that cannot be loaded.
    void loadButtonPictures();

    void openPicker();
    void hidePicker();
    void pointAt(int id);
    void clickButton(int id);
    void Image2Click(); // next page
    void Image5Click(); // previous page

private:
    // The fixed pictures along the foot of an audio page.
    struct PageStrip {
        QString stripPicture;  // under images/sub, without ".bmp"
        QString switchPicture;
        QString switchName;    // object name of the page switch
    };

    QFrame *buildPanel(QWidget *window, const QString &name, int firstId, int lastId);
    void addPageSwitch(QFrame *page, int strip, const PageStrip &look, void (ProfilePicker::*onClick)());
    void preparePage(QFrame *page, int left);
    void showPicture(int id, const QString &folder);
    bool isProfileButton(int id) const;

    QString m_folder;
    Hooks m_hooks;
    PickerEdition m_edition;
    std::vector<QFrame *> m_panels;
    std::map<int, ProfileButton *> m_buttons;
    QFrame *m_page1 = nullptr;
    QFrame *m_page2 = nullptr;
};
