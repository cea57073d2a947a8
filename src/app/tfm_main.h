#pragma once
// The main window `fm_main`: it shows a converter session and routes every
// gesture (skin objects, image buttons, menu items, the job list, the tray
// icon) to the command table. It holds what the user sees: the skin, the
// job list view, the picker, the menus, the preview and the other windows.

#include "app/background_mode.h"
#include "app/command_controls.h"
#include "app/main_commands.h"
#include "app/main_controls.h"
#include "app/main_conversion_surface.h"
#include "app/main_skin_objects.h"
#include "app/press_debounce.h"
#include "app/product_record.h"
#include "engine/busy_state.h"
#include "platform/skin/skin.h"
#include "preview/preview_playback.h"
#include "ui_text/message_table.h"

#include <QWidget>
#include <functional>
#include <map>
#include <memory>

class ClipCutter;
class ConverterSession;
class DvdCommands;
class JobListView;
class MainPreviewHost;
class PreviewEngine;
class ProfilePicker;
class Prompts;
class QMenu;
class QSystemTrayIcon;
class SideButtonMenus;
class Tfm_about;
class Tfm_dir;
class Tfm_dvdcutter;
class Tfm_info;
class Tfm_set;
struct EditionLayout;

class Tfm_main : public QWidget {
    Q_OBJECT
public:
    // Shows `session`, which outlives the window.
    explicit Tfm_main(ConverterSession &session, QWidget *parent = nullptr);
    ~Tfm_main() override;

    // The program's other windows. Each is made the first time it is needed
    // (for the user: when it first opens), through its accessor alone, and
    // belongs to the main window. The cutter is made after the first show,
    // which loads the skin it is drawn with and the preview it plays in.
    Tfm_dir &fm_dir();
    Tfm_about &fm_about();
    Tfm_set &fm_set();
    Tfm_info &fm_info();
    Tfm_dvdcutter &fm_dvdcutter();

    // Runs one command of the command table, unless the busy state refuses
    // it; an error it raises is reported and the window goes on.
    void run(MainCommand command);
    void run(const std::function<void()> &command);
    // Adds the paths of a drop or of the command line: files as Add File
    // adds them, folders as Add Folder. Refused while busy, as Remove is.
    void addPaths(const QStringList &paths);

    // Skin events.
    void Skin1Click(QWidget *sender, SkinObject *source);
    void Skin1MouseDown(QWidget *sender, SkinObject *source, Qt::MouseButton button, int x, int y);
    void Skin1MouseUp(QWidget *sender, SkinObject *source, Qt::MouseButton button, int x, int y);
    void Skin1MouseMove(QWidget *sender, SkinObject *source, int x, int y);
    void Skin1ScrollTrack(QWidget *sender, SkinObject *source, qint32 position);

    // Start-up and close. Closing during a batch asks whether to stop it and
    // quit (the window closes once its encoders have exited) or to go on
    // converting.
    void FormShow();
    bool FormCloseQuery();

    // What the window shows and holds, for its commands and its tests.
    ConverterSession &session() { return m_session; }
    TSkin &skin() { return Skin1; }
    JobListView &listView() { return *m_listView; }
    ProfilePicker &picker() { return *m_picker; }
    DvdCommands &dvd() { return *m_dvd; }
    SideButtonMenus &sideMenus() { return *m_sideMenus; }
    BackgroundMode &background() { return *m_background; }
    const ProductRecord &product() const { return m_product; }
    MessageTable &messages() { return m_messages; }
    QMenu *menu(const QString &name) const;
    // The preview; created at the first show.
    PreviewPlayback *playback() const { return m_preview.playback.get(); }
    // The clip cutter's commands; nullptr until its window first opens.
    ClipCutter *cutter() const { return m_preview.cutter.get(); }
    // The preview position the main window shows, "HH:MM:SS".
    QString shownPosition() const;
    // Nothing until the window first goes to the background.
    QSystemTrayIcon *trayIcon() const { return m_background->trayIcon(); }
    bool sliderDragging() const;
    // Whether the DVD listing shows titles (not chapters).
    bool listingTitles() const;

    // Opens paths the program was started with, in the DVD edition: ".ifo"
    // files are listed as Add IFO lists them, else the first folder as Add
    // DVD lists it. False (nothing done) in other editions or when the paths
    // name neither.
    bool openDvdPaths(const QStringList &paths);

signals:
    // A menu opened through a menu command, at its place on the screen.
    void menuPopped(QMenu *menu, const QPoint &at);

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void connectControls();
    void createMenus();
    void createWindowParts();
    void connectSession();
    void connectBatch();
    void loadSkin();
    // Draws the cutter window with the skin form "cutter", when the skin loaded.
    void skinCutter(Tfm_dvdcutter &cutter);
    void showNameBanner();
    void applyEditionLayout(const EditionLayout &layout);
    // The skin objects the keyboard reaches and assistive technology sees, and
    // the Tab order over them and the window's controls.
    void presentToKeyboard(bool previewColumn);
    // Reads the settings and brings back the job list with its DVD listing.
    void openSession();
    void refreshCommands();
    void rowClick();
    void showProfileLabel();
    // The preview (main_preview.cpp).
    void createPreview();
    // Runs the command of a pressed button or skin object; a second press
    // on the Start/Stop pill within half a second of the last one that
    // counted is taken as part of it and ignored.
    void runPressed(MainCommand command);
    // Tells the user why a command is refused while busy; false when it may run.
    bool refusedWhile(BusySet states);

    ConverterSession &m_session;
    Prompts &m_prompts;
    MainControls m_controls;
    // The other windows; nullptr until made by their accessors.
    struct Windows {
        Tfm_dir *fm_dir = nullptr;
        Tfm_about *fm_about = nullptr;
        Tfm_set *fm_set = nullptr;
        Tfm_info *fm_info = nullptr;
        Tfm_dvdcutter *fm_dvdcutter = nullptr;
    } m_windows;

    bool m_setUp = false; // the first show has set the window up
    ProductRecord m_product;
    TSkin Skin1;
    bool m_skinLoaded = false;
    MessageTable m_messages;
    JobListView *m_listView = nullptr;
    ProfilePicker *m_picker = nullptr;
    DvdCommands *m_dvd = nullptr;
    SideButtonMenus *m_sideMenus = nullptr;

    MainSkinObjects m_skinRefs; // the skin objects the window writes
    MainConversionView m_conversion{m_skinRefs.convertpos, m_skinRefs.hint, *this};
    PressDebounce m_pillPresses;
    // The preview: the player, the playback over it and the clip cutter.
    struct Preview {
        PreviewDisplay display; // its skin objects, read with the skin
        std::unique_ptr<PreviewEngine> engine;
        std::unique_ptr<MainPreviewHost> host;
        std::unique_ptr<PreviewPlayback> playback;
        std::unique_ptr<ClipCutter> cutter;
    } m_preview;

    std::map<QString, QMenu *> m_menus;
    CommandControls m_commandControls;
    BackgroundMode *m_background = nullptr;
};
