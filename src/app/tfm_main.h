#pragma once
// The main window `fm_main`: start-up, the edition's layout, and the routing
// of every gesture (skin objects, image buttons, menu items, the job list,
// the tray icon) to the command table. It makes the owners of the program's
// state (the active profile, the busy state, the job model, the output
// folder, the batch, the preview) and shows what they hold.

#include "app/app_settings.h"
#include "app/background_mode.h"
#include "app/command_controls.h"
#include "app/conversion_display.h"
#include "app/edition.h"
#include "app/main_commands.h"
#include "app/main_controls.h"
#include "app/main_skin_objects.h"
#include "app/press_debounce.h"
#include "app/product_record.h"
#include "engine/busy_state.h"
#include "engine/encoder_runs.h"
#include "jobs/job_model.h"
#include "jobs/output_folder.h"
#include "platform/skin/position_bar.h"
#include "platform/skin/skin.h"
#include "preview/preview_playback.h"
#include "profiles/active_profile.h"
#include "ui_text/message_table.h"

#include <QWidget>
#include <functional>
#include <map>
#include <memory>
#include <optional>

class Batch;
class ClipCutter;
class DvdCommands;
class DesktopShell;
class FileAdder;
class IniFile;
class JobListStore;
class JobListView;
class JobStart;
class MainConversionSurface;
class MainPreviewHost;
class PreviewEngine;
class ProfilePicker;
class Prompts;
class QMenu;
class QSystemTrayIcon;
class SideButtonMenus;
class Snapshot;
class Tfm_about;
class Tfm_dir;
class Tfm_dvdcutter;
class Tfm_info;
class Tfm_set;
struct EditionLayout;
struct MainCommandHandlers;

class Tfm_main : public QWidget {
    Q_OBJECT
public:
    // programPath is the path the program was started under (argv[0]): its
    // file name is the edition. Every data file is looked up in
    // executableFolder.
    Tfm_main(Prompts &prompts, DesktopShell &shell, QString programPath, const QString &executableFolder,
             QWidget *parent = nullptr);
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
    // quit or to go on converting.
    void FormShow();
    bool FormCloseQuery();
    // Ends a running batch as Stop does and waits until its encoder has
    // exited, so that quitting leaves no encoder behind; the outputs stay as
    // Stop leaves them. Every way of quitting during a batch goes through here.
    void stopBatchBeforeQuit();
    // Writes the job list to its file now, not after the usual short delay:
    // for an orderly end of the program.
    void saveJobList();
    // The orderly end when the system ends the program (a logout, a
    // shutdown, a closed terminal): an add under way ends as its Cancel
    // ends it and none begins after, a running job is stopped as a failure
    // would end it, what the next start needs and was read is saved, and the
    // program exits with exitCode. Asks the user nothing: a save that fails
    // is told on standard error. Should it come during the start-up (in one
    // of its notices), the start-up goes no further.
    void endInOrder(int exitCode);
    bool ending() const { return m_ending; }

    // What the window holds, for the program and its tests.
    const Edition &edition() const { return m_edition; }
    Batch &batch() { return *m_batch; }
    const BusyState &busy() const { return m_busy; }
    bool isConverting() const { return m_busy.converting(); }
    // Whether the preview plays; commands that would disturb it are refused.
    bool isPreviewing() const { return m_busy.previewing(); }
    // The encoder runs; the first takes snapshots and the batch's first job.
    EncoderRun &encoderRun() { return m_runs.at(0); }
    EncoderRuns &encoderRuns() { return m_runs; }
    // The preview, its clip cutter and the snapshot; created at the first show.
    PreviewPlayback *playback() const { return m_playback.get(); }
    Snapshot *snapshot() const { return m_snapshot.get(); }
    TSkin &skin() { return Skin1; }
    JobModel &jobs() { return m_jobs; }
    JobListView &listView() { return *m_listView; }
    FileAdder &adder() { return *m_adder; }
    ProfilePicker &picker() { return *m_picker; }
    ActiveProfile &profile() { return m_profile; }
    // The settings as read at start; the output folder and the after-batch
    // action live with their owners until the window closes.
    const AppSettings &settings() const { return m_settings; }
    const OutputFolder &outputFolder() const { return m_output; }
    // The active profile with the quality lists, as a job would take them now.
    ProfileChoices profileChoices() const { return m_profile.choices(); }
    const ProductRecord &product() const { return m_product; }
    MessageTable &messages() { return m_messages; }
    QMenu *menu(const QString &name) const;
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
    friend MainCommandHandlers;

    void connectControls();
    void createMenus();
    void createJobObjects();
    void connectOwners();
    void loadSkin();
    // Draws the cutter window with the skin form "cutter", when the skin loaded.
    void skinCutter(Tfm_dvdcutter &cutter);
    void showNameBanner();
    void applyEditionLayout(const EditionLayout &layout);
    // The skin objects the keyboard reaches and assistive technology sees, and
    // the Tab order over them and the window's controls.
    void presentToKeyboard(bool previewColumn);
    void readSettings();
    // Saves the settings that were read at start (nothing before they were
    // read); what failed, for the user.
    QStringList saveSettings();
    // Brings back the job list saved at the last end, before anything adds rows.
    void restoreJobList();
    void refreshCommands();
    void rowClick();
    void showProfileLabel();
    // The preview and the snapshot (main_preview.cpp).
    void createPreview();
    // Runs the command of a pressed button or skin object; a second press
    // on the Start/Stop pill within half a second of the last one that
    // counted is taken as part of it and ignored.
    void runPressed(MainCommand command);
    // Tells the user why a command is refused while busy; false when it may run.
    bool refusedWhile(BusySet states);

    Prompts &m_prompts;
    DesktopShell &m_shell;
    const Edition m_edition; // from the program's name
    QString m_folder; // executable folder, with its trailing "/"
    MainControls m_controls;
    // The other windows; nullptr until made by their accessors.
    struct Windows {
        Tfm_dir *fm_dir = nullptr;
        Tfm_about *fm_about = nullptr;
        Tfm_set *fm_set = nullptr;
        Tfm_info *fm_info = nullptr;
        Tfm_dvdcutter *fm_dvdcutter = nullptr;
    } m_windows;

    // Run state, owned here.
    bool m_setUp = false; // the first show has set the window up
    AppSettings m_settings;
    ProductRecord m_product;

    // The owners of the program's state.
    BusyState m_busy;
    ActiveProfile m_profile;
    JobModel m_jobs;
    OutputFolder m_output;
    TSkin Skin1;
    bool m_skinLoaded = false;
    EncoderRuns m_runs;
    MessageTable m_messages;
    JobListView *m_listView = nullptr;
    FileAdder *m_adder = nullptr;
    ProfilePicker *m_picker = nullptr;
    std::unique_ptr<JobStart> m_jobStart;
    Batch *m_batch = nullptr;
    DvdCommands *m_dvd = nullptr;
    JobListStore *m_jobList = nullptr;
    SideButtonMenus *m_sideMenus = nullptr;
    std::unique_ptr<IniFile> m_settingsFile; // from the settings' reading until they are saved at the end
    bool m_ending = false;                   // the system ends the program

    MainSkinObjects m_skinRefs; // the skin objects the window writes
    PositionBar m_convertBar;
    std::unique_ptr<MainConversionSurface> m_conversionSurface;
    std::unique_ptr<ConversionDisplay> m_display;
    PressDebounce m_pillPresses;
    PreviewDisplay m_previewDisplay; // the preview's skin objects, read with the skin

    std::unique_ptr<PreviewEngine> m_previewEngine;
    std::unique_ptr<MainPreviewHost> m_previewHost;
    std::unique_ptr<PreviewPlayback> m_playback;
    std::unique_ptr<ClipCutter> m_cutter;
    std::unique_ptr<Snapshot> m_snapshot;

    std::map<QString, QMenu *> m_menus;
    CommandControls m_commandControls;
    BackgroundMode *m_background = nullptr;
};
