#include "app/tfm_main.h"

#include "app/background_mode.h"
#include "app/clip_cutter.h"
#include "app/damaged_settings.h"
#include "app/dvd_commands.h"
#include "app/edition_layout.h"
#include "app/image_button.h"
#include "app/job_list_view.h"
#include "app/jobs_at_once_menu.h"
#include "app/main_conversion_surface.h"
#include "app/main_keys.h"
#include "app/main_preview_host.h"
#include "app/product_info.h"
#include "app/remembered_profile.h"
#include "app/side_button_menus.h"
#include "app/tfm_dvdcutter.h"
#include "app/window_access.h"
#include "app/window_drag.h"
#include "dvd/dvd_job_start.h"
#include "engine/command_availability.h"
#include "engine/unfinished_outputs.h"
#include "jobs/batch.h"
#include "jobs/file_adder.h"
#include "jobs/job_list_file.h"
#include "jobs/job_list_store.h"
#include "jobs/jobs_at_once.h"
#include "platform/ini/ini_file.h"
#include "platform/picture/picture_file.h"
#include "platform/preview/mpv_preview_engine.h"
#include "platform/skin/skin_writes.h"
#include "preview/snapshot.h"
#include "profiles/profile_file_check.h"
#include "profiles/profile_picker.h"
#include "ui_text/command_guard.h"
#include "ui_text/prompts.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScreen>
#include <QScrollBar>
#include <QShowEvent>
#include <QTimer>
#include <cstdio>
#include <exception>
#include <utility>

namespace {

constexpr QSize kWindowSize(781, 558);
const QString kSkinFile = QStringLiteral("skn.skn");
const QString kMainForm = QStringLiteral("popvideoconverter");
const QString kCutterForm = QStringLiteral("cutter");

} // namespace

Tfm_main::Tfm_main(Prompts &prompts, DesktopShell &shell, QString programPath, const QString &executableFolder,
                   QWidget *parent)
    : QWidget(parent),
      m_prompts(prompts),
      m_shell(shell),
      m_edition(editionOf(programPath)),
      m_folder(QDir(executableFolder).absolutePath() + u'/'),
      m_controls(this, m_folder),
      m_profile(m_folder),
      m_jobs(m_profile),
      m_messages(m_folder, prompts, m_busy),
      m_previewEngine(std::make_unique<MpvPreviewEngine>())
{
    setObjectName(QStringLiteral("fm_main"));
    setWindowTitle(QStringLiteral("Video Converter"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint);
    setFixedSize(kWindowSize);
    setWindowIcon(QIcon(QPixmap::fromImage(readPicture(m_folder + QStringLiteral("images/main/2.bmp")))));
    if (const QScreen *screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
    m_settings.categoryIndex = -1;
    m_runs.setExecutableFolder(m_folder);
    connectControls();
    createJobObjects();
    createMenus();
    connectOwners();
    addMainKeys(this, m_listView, [this](MainCommand command) { run(command); });
}

// The list goes before the model it shows (closing its rename box writes to
// the model), and is not watched while it goes.
Tfm_main::~Tfm_main()
{
    delete std::exchange(m_listView, nullptr);
}

void Tfm_main::connectControls()
{
    for (const ImageButtonDesign &design : imageButtons()) {
        TImageButton *button = m_controls.buttons.at(QString::fromLatin1(design.name));
        button->installEventFilter(this);
        m_commandControls.add(button);
        const MainCommand command = design.command;
        connect(button, &QAbstractButton::clicked, this, [this, command] { runPressed(command); });
    }
    m_controls.pl_play->installEventFilter(this);
    m_controls.im_mainico->installEventFilter(this);
    new WindowDrag(m_controls.img_name, this);
    m_background = new BackgroundMode(this, m_shell);
    connect(&Skin1, &TSkin::Click, this, &Tfm_main::Skin1Click);
    connect(&Skin1, &TSkin::MouseDown, this, &Tfm_main::Skin1MouseDown);
    connect(&Skin1, &TSkin::MouseUp, this, &Tfm_main::Skin1MouseUp);
    connect(&Skin1, &TSkin::MouseMove, this, &Tfm_main::Skin1MouseMove);
    connect(&Skin1, &TSkin::ScrollTrack, this, &Tfm_main::Skin1ScrollTrack);
}

void Tfm_main::createJobObjects()
{
    m_listView = new JobListView(m_jobs, this);
    m_listView->installEventFilter(this);
    m_listView->viewport()->installEventFilter(this);
    m_adder = new FileAdder(m_jobs, m_prompts, m_runs.location(), this);
    m_jobStart = std::make_unique<RowJobStart>(m_jobs, std::make_unique<FileJobStart>(m_jobs, m_profile, m_output),
                                               std::make_unique<DvdJobStart>(m_jobs, m_profile, m_output));
    m_batch = new Batch(m_runs, m_jobs, *m_jobStart, m_output, m_busy, m_shell, m_prompts, this);
    m_dvd =
        new DvdCommands(m_jobs, m_profile, m_controls.cb_audio, m_controls.cb_subtitle, m_prompts, m_messages, this);
    m_picker = new ProfilePicker(this, m_folder, m_profile, m_prompts);
    m_jobList = new JobListStore(m_jobs, m_prompts, this);
    m_sideMenus = new SideButtonMenus(m_profile, this);
    m_conversionSurface = std::make_unique<MainConversionSurface>(m_convertBar, m_skinRefs.convertpos, m_skinRefs.hint);
    m_display = std::make_unique<ConversionDisplay>(*m_conversionSurface);
}

// The window follows its owners: commands follow the busy state, the rows and
// the selection; the profile field follows the active profile.
void Tfm_main::connectOwners()
{
    const auto refresh = [this] { refreshCommands(); };
    connect(&m_busy, &BusyState::changed, this, refresh);
    // Of the rows, only whether there are any counts; the selection has a signal of its own.
    connect(&m_jobs, &JobModel::rowsInserted, this, [this](const QModelIndex &, int first, int last) {
        if (m_jobs.rowCount() == last - first + 1)
            refreshCommands();
    });
    connect(&m_jobs, &JobModel::rowsRemoved, this, [this] {
        if (m_jobs.rowCount() == 0)
            refreshCommands();
    });
    connect(&m_jobs, &JobModel::modelReset, this, refresh);
    connect(&m_jobs, &JobModel::selectionChanged, this, [this] { run([this] { rowClick(); }); });
    connect(m_listView, &JobListView::pathsDropped, this, &Tfm_main::addPaths);
    connect(m_dvd, &DvdCommands::listingChanged, m_jobList, &JobListStore::scheduleSave);
    connect(&m_profile, &ActiveProfile::labelChanged, this, &Tfm_main::showProfileLabel);
    connect(m_picker, &ProfilePicker::firstAudioPageChosen, this, [this] { m_settings.audioPage = true; });
    m_output.setText(m_controls.ed_output->text());
    connect(m_controls.ed_output, &QLineEdit::textChanged, &m_output, &OutputFolder::setText);
    connect(&m_output, &OutputFolder::textChanged, m_controls.ed_output, &QLineEdit::setText);
    connect(m_batch, &Batch::displayChanged, this,
            [this](qint32 barValue, const QString &hint) { m_display->runDisplay(barValue, hint); });
    connect(m_batch, &Batch::pausedChanged, this,
            [this](bool paused) { m_display->setPaused(paused, m_batch->statusHint()); });
    connect(m_batch, &Batch::batchStarted, this, [this] { m_display->batchStarted(); });
    connect(m_batch, &Batch::batchEnded, this, [this](const BatchTally &tally) { m_display->batchEnded(tally); });
    connect(m_batch, &Batch::pauseCaptionChanged, this, [this](const QString &caption) {
        if (QAction *pause = findChild<QAction *>(QStringLiteral("Pause1")))
            pause->setText(caption);
    });
}

void Tfm_main::createMenus()
{
    for (const MenuDesign &design : mainMenus()) {
        auto *menu = new QMenu(this);
        menu->setObjectName(QString::fromLatin1(design.name));
        for (const MenuItemDesign &item : design.items) {
            if (item.command == MainCommand::None) {
                menu->addSeparator();
                continue;
            }
            QAction *action = menu->addAction(QString::fromLatin1(item.caption));
            action->setObjectName(QString::fromLatin1(item.name));
            m_commandControls.add(action);
            const MainCommand command = item.command;
            connect(action, &QAction::triggered, this, [this, command] { run(command); });
        }
        m_menus[menu->objectName()] = menu;
    }
    m_listView->setPopupMenu(menu(QStringLiteral("zm_pop_edit")));
    addJobsAtOnceMenu(*menu(QStringLiteral("zm_pop_tools")), *m_batch);
}

QMenu *Tfm_main::menu(const QString &name) const
{
    const auto it = m_menus.find(name);
    return it == m_menus.end() ? nullptr : it->second;
}

void Tfm_main::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    runGuarded(m_prompts, [this] { FormShow(); });
}

// Every step that can fail reports and ends on its own, so one missing file
// does not leave the settings unread.
void Tfm_main::FormShow()
{
    if (std::exchange(m_setUp, true))
        return;
    // What runs of an earlier session left unfinished, should it have ended
    // before settling them (killed, crashed, the power lost), goes.
    UnfinishedOutputs::removeLeftovers();
    runGuarded(m_prompts, [this] { loadSkin(); });
    createPreview();
    m_picker->hidePicker();
    setWindowTitle(editionTitle(m_edition.baseName));
    m_messages.setEditionBaseName(m_edition.baseName);
    m_picker->setEdition({m_edition.zuvok, m_edition.audioNamed});
    m_adder->setMediaKinds(m_edition.audioNamed ? MediaKinds::Audio : MediaKinds::VideoAndAudio);
    const EditionLayout layout = editionLayout(m_edition.dvdMode, m_edition.zuvok);
    applyEditionLayout(layout);
    presentToKeyboard(!layout.previewButtonsHidden);
    addMenuRowKeys(this, m_edition.zuvok, [this](MainCommand command) { run(command); });
    runGuarded(m_prompts, [this] { m_product = readProductRecord(m_folder, m_edition.baseName, m_messages); });
    runGuarded(m_prompts, [this] { m_picker->loadButtonPictures(); });
    runGuarded(m_prompts, [this] { readSettings(); });
    runGuarded(m_prompts, [this] { restoreJobList(); });
    if (m_ending)
        return;
    if (m_skinRefs.di) {
        m_skinRefs.di->commonFacet()->setState(false);
        m_skinRefs.di->commonFacet()->redraw();
    }
    m_controls.pl_back->hide();
    refreshCommands();
    if (QAction *about = findChild<QAction *>(QStringLiteral("AboutVeltrixVideoConverter1")))
        about->setText(QStringLiteral("About ") + editionTitle(m_edition.baseName));
}

// A skin that cannot be read leaves the window plain but usable.
void Tfm_main::loadSkin()
{
    if (!Skin1.loadSkin(m_folder + kSkinFile)) {
        m_prompts.warning(QStringLiteral("The window's skin could not be read: %1\nThe window is shown without it; "
                                         "reinstall the program to restore it.")
                              .arg(Skin1.errorText()));
        return;
    }
    m_skinLoaded = true;
    Skin1.attach(this);
    Skin1.applySkinForm(this, kMainForm);
    setFixedSize(kWindowSize);
    m_skinRefs.readMain(Skin1.skinFormOfWindow(this));
    m_sideMenus->setSkinForm(Skin1.skinFormOfWindow(this));
    m_messages.setHintObject(m_skinRefs.hint);
    m_convertBar = PositionBar(m_skinRefs.convertpos, kConvertBarWidth, kProgressFull);
    m_convertBar.show(0); // the skin declares the bar at full width; no run has progressed yet
    m_commandControls.add(m_skinRefs.play_bar);
    m_previewDisplay.main = {m_skinRefs.play_time, m_skinRefs.play_bar,
                             PositionBar(m_skinRefs.playpos, kPlayBarWidth, kProgressFull)};
    writeSkinSliderPosition(m_skinRefs.play_bar, 0);
    m_previewDisplay.main.fill.show(0);
    showNameBanner();
}

void Tfm_main::skinCutter(Tfm_dvdcutter &cutter)
{
    if (!m_skinLoaded)
        return;
    Skin1.attach(&cutter);
    Skin1.applySkinForm(&cutter, kCutterForm);
    m_skinRefs.readCutter(Skin1.skinFormOfWindow(&cutter));
    Skin1.present(&cutter, cutterSkinAccess());
    m_commandControls.add(m_skinRefs.cut_play_bar);
    m_previewDisplay.cutter = {m_skinRefs.cut_play_time, m_skinRefs.cut_play_bar,
                               PositionBar(m_skinRefs.cutplaypos, kCutPlayBarWidth, kProgressFull)};
    m_previewDisplay.cutter.fill.show(0);
}

void Tfm_main::showNameBanner()
{
    const QString banner = m_folder + QStringLiteral("images/main/") + m_edition.baseName + ".bmp";
    if (!QFile::exists(banner)) {
        m_controls.pl_appname->hide();
        return;
    }
    m_controls.pl_appname->move(40, 1);
    m_controls.img_name->setPixmap(loadPictureFile(banner));
}

void Tfm_main::applyEditionLayout(const EditionLayout &layout)
{
    m_controls.place(layout);
    m_picker->setPanelsTopLeft(layout.profilePanelsTopLeft);
    JobListView *lv = m_listView;
    lv->setGeometry(layout.list);
    // The rows' width beside a vertical scroll bar, as the style draws them.
    lv->ensurePolished();
    const std::array<int, 5> columns =
        listColumnWidths(lv->maximumViewportSize().width() - lv->verticalScrollBar()->sizeHint().width());
    for (int column = 0; column < static_cast<int>(columns.size()); ++column)
        lv->setColumnWidth(column, columns[column]);
    if (layout.titleColumnAndCheckBoxes)
        m_jobs.setNameHeading(QStringLiteral("Title"));
    else
        lv->setStyleSheet(QStringLiteral("QTreeView::indicator { width: 0; height: 0; }"));
    for (const QString &name : layout.hiddenSkinObjects)
        if (SkinObject *object = TSkin::findObject(Skin1.skinFormOfWindow(this), name)) {
            object->setVisible(false);
            object->redraw();
        }
}

void Tfm_main::presentToKeyboard(bool previewColumn)
{
    Skin1.present(this, mainSkinAccess(previewColumn));
    QWidget *previous = nullptr;
    for (const QString &name : mainTabOrder()) {
        const QList<QWidget *> named = findChildren<QWidget *>(name);
        const auto inWindow =
            std::find_if(named.begin(), named.end(), [this](QWidget *w) { return w->window() == this; });
        if (inWindow == named.end())
            continue;
        if (previous)
            setTabOrder(previous, *inWindow);
        previous = *inWindow;
    }
    m_listView->setFocus();
}

void Tfm_main::readSettings()
{
    if (m_ending)
        return;
    const QString settingsFile = appSettingsFileName(m_edition.baseName);
    m_profile.openSettings(settingsFile, m_edition.dvdMode);
    for (const QString &path : {IniFile(settingsFile).path(), m_profile.settingsPath()}) {
        IniFile file(path);
        if (const std::optional<QString> notice = damagedSettingsNotice(file))
            m_prompts.warning(*notice);
    }
    if (const std::optional<QString> notice = profileFileDamageNotice(m_folder))
        m_prompts.warning(*notice);
    // The system may have ended the program while a notice was open: then
    // nothing is read, so nothing unread is saved over the user's settings.
    if (m_ending)
        return;
    m_settingsFile = std::make_unique<IniFile>(settingsFile);
    m_settings = loadAppSettings(*m_settingsFile);
    m_output.setFolder(m_settings.outputPath);
    m_adder->setLastFolder(m_settings.addFolder);
    m_batch->setAfterBatchAction(static_cast<AfterBatchAction>(m_settings.finishAction));
    m_profile.setPictureFit(m_settings.keepShape ? PictureFit::KeepShape : PictureFit::Stretch);
    m_batch->setJobsAtOnceSetting(jobsAtOnceSetting(m_settings.jobsAtOnce, processorCores()));
    // A remembered id that names no profile (a blank position, a damaged
    // file) falls back to the default profile rather than leaving none active.
    if (!m_profile.select(m_settings.profileId)) {
        m_settings.profileId = AppSettings().profileId;
        m_profile.select(m_settings.profileId);
    }
    m_profile.setCurrentProfileId(m_settings.profileId);
}

void Tfm_main::restoreJobList()
{
    if (m_ending)
        return;
    if (m_edition.dvdMode)
        m_jobList->setListing([this] { return m_dvd->savedListing(); });
    const QJsonObject listing = m_jobList->open(jobListPath(m_edition.baseName));
    if (m_edition.dvdMode)
        m_dvd->restoreListing(listing);
    if (m_jobs.rowCount() > 0)
        m_jobs.selectRow(0);
}

void Tfm_main::saveJobList()
{
    m_jobList->saveNow();
}

QStringList Tfm_main::saveSettings()
{
    if (!m_settingsFile)
        return {};
    QStringList failures;
    // The loaded profile's choices would otherwise be kept only when another profile is chosen.
    try {
        m_profile.saveChoices();
    } catch (const std::exception &error) {
        failures << QString::fromLocal8Bit(error.what());
    }
    m_settings.profileId = profileIdToRemember(m_profile.loadedProfileId(), m_settings.profileId);
    m_settings.outputPath = m_output.stored();
    m_settings.addFolder = m_adder->lastFolder();
    m_settings.finishAction = static_cast<int>(m_batch->afterBatchAction());
    m_settings.keepShape = m_profile.pictureFit() == PictureFit::KeepShape;
    m_settings.jobsAtOnce = m_batch->jobsAtOnceSetting();
    if (!saveAppSettings(*m_settingsFile, m_settings))
        failures << QStringLiteral("The settings could not be saved: %1\nCheck that the settings folder is "
                                   "writable; the choices of this session are lost otherwise.")
                        .arg(m_settingsFile->error());
    m_settingsFile.reset();
    return failures;
}

bool Tfm_main::sliderDragging() const
{
    return m_playback && m_playback->sliderDragging();
}

bool Tfm_main::FormCloseQuery()
{
    if (isConverting()) {
        if (!m_prompts.choose(QStringLiteral("Files are still being converted.\n\n\"Stop and Quit\" stops the "
                                             "conversion as Stop does (each file being written keeps what was "
                                             "converted so far) and quits. \"Go On Converting\" leaves the window "
                                             "open and the conversion running."),
                              QStringLiteral("Stop and Quit"), QStringLiteral("Go On Converting")))
            return false;
        stopBatchBeforeQuit();
    }
    for (const QString &failure : saveSettings())
        m_prompts.warning(failure);
    saveJobList();
    return true;
}

void Tfm_main::stopBatchBeforeQuit()
{
    m_batch->stop();
    m_batch->waitForEndedRuns();
}

void Tfm_main::endInOrder(int exitCode)
{
    m_ending = true;
    // An add under way waits in an event loop of its own, which would spin
    // once the application exits: it ends first.
    m_adder->cancel();
    m_batch->endBySystem(QStringLiteral("the program was ended by the system"));
    // No one is there to answer a box: what could not be saved goes to standard error.
    QStringList failures = saveSettings();
    if (const std::optional<QString> failure = m_jobList->close())
        failures << *failure;
    for (const QString &failure : failures)
        std::fprintf(stderr, "%s: %s\n", qUtf8Printable(m_edition.name), qUtf8Printable(failure));
    QCoreApplication::exit(exitCode);
    // Again while any event loop runs: the end may come before the main loop
    // has begun (in a notice of the start-up, which another may follow).
    auto *again = new QTimer(QCoreApplication::instance());
    connect(again, &QTimer::timeout, again, [exitCode] { QCoreApplication::exit(exitCode); });
    connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, again, &QObject::deleteLater);
    again->start(50);
}

void Tfm_main::closeEvent(QCloseEvent *event)
{
    bool canClose = false;
    runGuarded(m_prompts, [&] { canClose = FormCloseQuery(); });
    if (canClose)
        event->accept();
    else
        event->ignore();
}

void Tfm_main::refreshCommands()
{
    m_commandControls.apply(commandAvailability({.listEmpty = m_jobs.rowCount() == 0,
                                                 .rowSelected = m_jobs.selectedRow().has_value(),
                                                 .previewing = isPreviewing(),
                                                 .converting = isConverting()}));
}

// The row click of the list: the commands follow the selection, the
// selected job's duration is shown beside the preview, and it becomes the
// row the preview refers to.
void Tfm_main::rowClick()
{
    refreshCommands();
    // While a preview plays, its time display and its row's track lists stay.
    const bool previewing = isPreviewing();
    if (const std::optional<int> row = m_jobs.selectedRow(); row && !previewing) {
        writeSkinText(m_skinRefs.alltime, m_jobs.original(*row).duration);
        if (m_playback)
            m_playback->setPreviewRow(*row);
    }
    if (m_edition.dvdMode) {
        if (previewing)
            m_dvd->recordCheckMarks();
        else
            m_dvd->rowClicked();
    }
}

bool Tfm_main::listingTitles() const
{
    return m_dvd->listingTitles();
}

void Tfm_main::showProfileLabel()
{
    m_controls.im_mainico->setPixmap(m_profile.icon());
    writeSkinText(m_skinRefs.profilestext, m_profile.definition().displayName);
}
