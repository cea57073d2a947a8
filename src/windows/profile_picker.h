#pragma once
// The profile picker: a page of picture buttons over the main window for
// each group of the catalogue. The two audio pages (`pl_audio1` with ids 15
// to 21, `pl_audio2` with 22 to 25 and the blank area 26) open from the
// profile field. The audio pages' strips also offer "All formats": the
// category list `pl_main` beside the panel of the group the user picks in
// it (in editions named for audio, only the sound groups); its "Audio" entry
// returns to page 1.
// Pointing at a button highlights it and makes its id the current profile
// id; clicking it selects the profile. Screen readers see each button named
// by its profile, checked where that is the loaded one. From the keyboard: the picker takes
// the focus when it opens (on the current profile's button), the keys as
// eventFilter tells, Space or Enter picks; closed, it gives the focus back.
// The panels are built when the picker first opens; from then on there is
// a button for every id. A button's picture is read when its panel shows.

#include "profiles/picker_placement.h"

#include <QObject>
#include <QPixmap>
#include <QPoint>
#include <QPointer>
#include <QString>
#include <map>
#include <vector>

class ActiveProfile;
class QFrame;
class QLabel;
class QWidget;
class ActingPicture;
class ProfileButton;
class Prompts;

class ProfilePicker : public QObject {
    Q_OBJECT
public:
    // The panels will be children of `window`; pictures are read from the
    // data folder. Pointing moves `profile`'s current id, a click
    // selects the profile; what such a command throws is shown in `prompts`.
    ProfilePicker(QWidget *window, QString dataFolder, ActiveProfile &profile, Prompts &prompts);

    void setEdition(const PickerEdition &edition) { m_edition = edition; }
    // Where the edition layout puts the group panels; their upper edge is
    // also the list's and every page's.
    void setPanelsTopLeft(const QPoint &topLeft);

    // The group panels by object name ("pl_audio1", ...), in catalogue
    // order, and the category list; nothing before the first open.
    const std::vector<QFrame *> &panels() const { return m_panels; }
    QFrame *panel(const QString &name) const;
    QFrame *categoryList() const { return m_categoryList; }
    ProfileButton *button(int id) const;

    // Checks that the normal picture of every id of the catalogue is there, in
    // increasing order; throws PictureFileError at the first that is not.
    // The pictures themselves are read when their panel first shows, and a
    // picture that is there but cannot be read is reported then.
    void loadButtonPictures();

    void openPicker();
    void hidePicker();
    void pointAt(int id);
    void clickButton(int id);
    void Image2Click(); // next page
    void Image5Click(); // previous page
    // "All formats": the category list with the group of the current
    // profile id beside it (the first other group the edition offers when that
    // is an audio page).
    void showAllFormats();
    // An entry of the category list: the group's panel beside the list, or
    // for the audio groups the first audio page as the picker opens it.
    void showGroup(const QString &panelName);

signals:
    // The first audio page is the one to remember ("plane"/"audio").
    void firstAudioPageChosen();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    using Command = void (ProfilePicker::*)();
    // Runs a command raised by the picker's own controls; what it throws is
    // reported through failed().
    template <typename Fn> void guarded(const Fn &command);
    void buildPanels();
    QFrame *buildPanel(const QString &name, int firstId, int lastId);
    void buildCategoryList();
    // A picture of the strip that turns the pages: images/sub/<picture>.bmp,
    // its object name and what assistive technology calls it.
    struct SwitchDesign {
        const char *picture;
        const char *name;
        const char *caption;
    };
    void addPageSwitch(QFrame *page, const SwitchDesign &design, int left, int width, Command onClick);
    // Each profile button checked where its profile is the loaded one.
    void showChosen();
    // Hides every panel, then shows `page` at `left` (flat, single-line
    // border, buttons at their upper edges) with the pictures of its buttons.
    void turnTo(QFrame *page, int left);
    void hidePages();
    // Whether the widget lies on a page of the picker.
    bool holds(const QWidget *widget) const;
    void watchKeys(QFrame *page);
    bool pageKey(QFrame *page, int key);
    bool pageSideways(QFrame *page, bool right);
    QFrame *shownGroup() const;
    void focusPage(QFrame *page);
    void showPictures(QFrame *page);
    void showPicture(int id, const QString &folder);
    QString picturePath(int id, const QString &folder) const;
    // A fixed picture of the picker: images/sub/<name>.bmp.
    QString subPicture(const QString &name) const;
    // The picture of the picker's design, null when it cannot be read.
    QPixmap subPixmap(const QString &name) const;
    bool isProfileButton(int id) const;

    QWidget *m_window;
    QString m_pictureFolder; // "images/sub/" of the data folder
    ActiveProfile &m_profile;
    Prompts &m_prompts;
    PickerEdition m_edition;
    QPoint m_topLeft;
    std::vector<QFrame *> m_panels;
    std::map<int, ProfileButton *> m_buttons;
    std::map<QString, ActingPicture *> m_categories; // entries of the list by panel name
    QFrame *m_categoryList = nullptr;
    QFrame *m_page1 = nullptr;
    QFrame *m_page2 = nullptr;
    QPointer<QWidget> m_returnFocus; // had the focus before the picker opened
    bool m_turning = false;          // a page is turning: the focus moves inside the picker
};
