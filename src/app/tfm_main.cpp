#include "app/tfm_main.h"

#include "app/clip_cutter.h"
#include "app/command_guard.h"
#include "app/damaged_settings.h"
#include "app/dvd_commands.h"
#include "app/edition_layout.h"
#include "app/image_button.h"
#include "app/main_keys.h"
#include "app/main_preview_host.h"
#include "app/product_info.h"
#include "app/remembered_profile.h"
#include "app/tfm_dvdcutter.h"
#include "dvd/dvd_job_start.h"
#include "engine/command_availability.h"
#include "jobs/batch.h"
#include "jobs/file_job_start.h"
#include "jobs/job_list.h"
#include "jobs/output_folder.h"
#include "jobs/profile_choices.h"
#include "platform/ini/ini_file.h"
#include "platform/picture/picture_file.h"
#include "platform/preview/mpv_preview_engine.h"
#include "platform/skin/skin_writes.h"
#include "preview/snapshot.h"
#include "profiles/profile_file_check.h"
#include "profiles/profile_picker.h"
#include "profiles/profile_selection.h"
#include "profiles/quality_settings.h"
#include "profiles/tfm_set.h"
#include "ui_look/palette.h"
#include "ui_text/prompts.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScreen>
#include <QScrollBar>
#include <QShowEvent>
#include <QSystemTrayIcon>
#include <QTreeWidget>

namespace {

constexpr QSize kWindowSize(781, 558);
const QString kSkinFile = QStringLiteral("skn.skn");
const QString kMainForm = QStringLiteral("popvideoconverter");
const QString kCutterForm = QStringLiteral("cutter");
const QString kTrayToolTip = QStringLiteral("Veltrix Software");

// The image buttons with their hints, in the order they are stacked: the
// Stop button lies under Start at the same place, and shows when Start hides.
// Their places come from the edition's layout.
struct ImageButtonDesign {
    const char *name;
    const char *hint;
};
const ImageButtonDesign kImageButtons[] = {
    {"bt_dvdopen", "Add File"},
    {"bt_ifo", "Add Folder"},
    {"bt_remove", "Remove Files"},
    {"bt_clear", "Clear file list"},
    {"bt_chapte", "Properties"},
    {"bt_set", "Settings"},
    {"bt_back", "Back"},
    {"bt_play", "Play"},
    {"bt_next", "Forward"},
    {"bt_playstop", "Stop"},
    {"bt_cut", "Cut"},
    {"bt_images", "Save Image"},
    {"Bt_Convertstop", "Stop convert"},
    {"bt_start", "Start conversion"},
    {"bt_web", "About US"},
};

// The command of each image button.
MainCommand buttonCommand(const QString &name)
{
    static const std::map<QString, MainCommand> kCommands = {
        {"bt_dvdopen", MainCommand::AddFiles},       {"bt_ifo", MainCommand::AddFolder},
        {"bt_remove", MainCommand::RemoveRows},      {"bt_clear", MainCommand::ClearList},
        {"bt_chapte", MainCommand::FileInformation}, {"bt_set", MainCommand::SettingsDialog},
        {"bt_back", MainCommand::StepBack},          {"bt_play", MainCommand::StartPreview},
        {"bt_next", MainCommand::StepForward},       {"bt_playstop", MainCommand::StopPreview},
        {"bt_cut", MainCommand::OpenCutter},         {"bt_images", MainCommand::Snapshot},
        {"bt_start", MainCommand::StartBatch},       {"Bt_Convertstop", MainCommand::StopBatch},
        {"bt_web", MainCommand::OpenAboutPage},
    };
    return kCommands.at(name);
}

// A panel painted in one colour of the design.
void fillWith(QWidget *panel, const QColor &colour)
{
    QPalette colours = panel->palette();
    colours.setColor(QPalette::Window, colour);
    panel->setPalette(colours);
    panel->setAutoFillBackground(true);
}

// Looks up an object of a skin form, with what the window writes to it.
SkinObject *lookUp(SkinForm *form, const char *name)
{
    return TSkin::findObject(form, QString::fromLatin1(name));
}

} // namespace

Tfm_main::Tfm_main(Prompts &prompts, DesktopShell &shell, QString programPath, const QString &executableFolder,
                   QWidget *parent)
    : QWidget(parent),
      m_prompts(prompts),
      m_shell(shell),
      m_programPath(std::move(programPath)),
      m_folder(QDir(executableFolder).absolutePath() + u'/'),
      m_messages(m_folder, prompts, [this] { return isConverting(); }),
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
    createControls();
    createJobObjects();
    createMenus();
    addMainKeys(this, m_jobs->lv());
    FormCreate();
}

Tfm_main::~Tfm_main() = default;

void Tfm_main::FormCreate()
{
    m_edition.reset();
    m_settings.categoryIndex = -1;
    m_run.setExecutableFolder(m_folder);
}

void Tfm_main::createControls()
{
    for (const ImageButtonDesign &design : kImageButtons) {
        const QString name = QString::fromLatin1(design.name);
        auto *button = new TImageButton(name, QString::fromLatin1(design.hint), m_folder, this);
        button->installEventFilter(this);
        connect(button, &QAbstractButton::clicked, this, [this, name] { runPressed(buttonCommand(name)); });
        m_buttons[name] = button;
        m_commandControls.add(button);
    }
    // The places of the file-mode layout, which the zuvok layouts keep.
    for (const ControlPlace &place : editionLayout(false, false).buttonPlaces)
        m_buttons.at(place.name)->move(place.topLeft);

    ed_output = new QLineEdit(QStringLiteral("C:\\My Video"), this);
    ed_output->setObjectName(QStringLiteral("ed_output"));
    ed_output->setGeometry(96, 479, 210, 22);

    pl_play = new QFrame(this);
    pl_play->setObjectName(QStringLiteral("pl_play"));
    pl_play->setGeometry(482, 111, 233, 174);
    fillWith(pl_play, palette::player);
    pl_play->hide();
    pl_play->installEventFilter(this);

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(97, 449, 20, 20);
    fillWith(Panel1, palette::toolbar);
    im_mainico = new QLabel(Panel1);
    im_mainico->setObjectName(QStringLiteral("im_mainico"));
    im_mainico->setGeometry(2, 2, 16, 16);
    im_mainico->setToolTip(QStringLiteral("Try"));
    im_mainico->setCursor(Qt::PointingHandCursor);
    im_mainico->installEventFilter(this);

    pl_appname = new QFrame(this);
    pl_appname->setObjectName(QStringLiteral("pl_appname"));
    pl_appname->setGeometry(40, 1, 300, 28);
    img_name = new QLabel(pl_appname);
    img_name->setObjectName(QStringLiteral("img_name"));
    img_name->setGeometry(0, 0, 300, 28);
    img_name->installEventFilter(this);

    pl_back = new QFrame(this);
    pl_back->setObjectName(QStringLiteral("pl_back"));
    pl_back->setGeometry(472, 99, 255, 331);

    cb_audio = new QComboBox(this);
    cb_audio->setObjectName(QStringLiteral("cb_audio"));
    cb_audio->hide();
    cb_subtitle = new QComboBox(this);
    cb_subtitle->setObjectName(QStringLiteral("cb_subtitle"));
    cb_subtitle->hide();
    // The toolbar gives the track lists no label: each names itself while empty
    // and in its hover text.
    cb_audio->setPlaceholderText(QStringLiteral("Audio"));
    cb_audio->setToolTip(QStringLiteral("Audio track of the selected title"));
    cb_subtitle->setPlaceholderText(QStringLiteral("Subtitle"));
    cb_subtitle->setToolTip(QStringLiteral("Subtitles burnt into the selected title"));

    connect(&Skin1, &TSkin::Click, this, &Tfm_main::Skin1Click);
    connect(&Skin1, &TSkin::MouseDown, this, &Tfm_main::Skin1MouseDown);
    connect(&Skin1, &TSkin::MouseUp, this, &Tfm_main::Skin1MouseUp);
    connect(&Skin1, &TSkin::MouseMove, this, &Tfm_main::Skin1MouseMove);
    connect(&Skin1, &TSkin::ScrollTrack, this, &Tfm_main::Skin1ScrollTrack);
}

ProfileChoices Tfm_main::profileChoices() const
{
    return m_selection ? profileChoicesOf(*m_selection, m_qualityLists, m_edition && m_edition->dvdMode)
                       : ProfileChoices{};
}

void Tfm_main::createJobObjects()
{
    const auto choices = [this] { return profileChoices(); };
    m_jobs = new JobList(this, m_run.location(), m_prompts, m_messages,
                         {.profileChoices = choices,
                          .refreshCommands = [this] { refreshCommands(); },
                          .rowClick = [this] { rowClick(); },
                          .converting = [this] { return isConverting(); },
                          .previewing = [this] { return isPreviewing(); }});
    m_jobs->lv()->installEventFilter(this);
    m_jobs->lv()->viewport()->installEventFilter(this);
    connect(m_jobs->lv(), &QTreeWidget::itemSelectionChanged, this,
            [this] { runGuarded(m_prompts, [this] { rowClick(); }); });

    // The folder typed into ed_output, made absolute and shown so, becomes the
    // stored output folder when a job starts. A field emptied during a batch
    // leaves the folder of the jobs before.
    const auto outputFolderText = [this] {
        if (!outputFolderRefusal(ed_output->text())) {
            m_settings.outputPath = absoluteOutputFolder(ed_output->text(), QDir::homePath());
            if (ed_output->text() != m_settings.outputPath)
                ed_output->setText(m_settings.outputPath);
        }
        return m_settings.outputPath;
    };
    m_fileJobStart = std::make_unique<FileJobStart>(m_run, *m_jobs, choices, outputFolderText);
    m_dvdJobStart = std::make_unique<DvdJobStart>(m_run, *m_jobs, m_prompts, choices, outputFolderText);
    m_dvd = new DvdCommands(*m_jobs, cb_audio, cb_subtitle, m_prompts, m_messages,
                            {.converting = [this] { return isConverting(); },
                             .previewing = [this] { return isPreviewing(); },
                             .profileChoices = choices,
                             .refreshCommands = [this] { refreshCommands(); },
                             .rowClick = [this] { rowClick(); }},
                            this);
    m_batch = new Batch(m_run, *m_jobs, m_shell, m_messages, m_prompts,
                        {.startJob = [this](int row) { return startJob(row); },
                         .previewing = [this] { return isPreviewing(); },
                         .afterBatchAction = [this] { return static_cast<AfterBatchAction>(m_settings.finishAction); },
                         .refreshCommands = [this] { refreshCommands(); },
                         .mayStart =
                             [this] {
                                 const std::optional<QString> refusal = outputFolderRefusal(ed_output->text());
                                 if (refusal)
                                     m_prompts.warning(*refusal);
                                 return !refusal;
                             }},
                        this);
    createConversionDisplay();

    m_picker =
        new ProfilePicker(this, m_folder,
                          {.converting = [this] { return isConverting(); },
                           .warnBusy = [this] { m_messages.warning(Message::Converting); },
                           .currentProfileId = [this] { return m_selection ? m_selection->currentProfileId() : -1; },
                           .setCurrentProfileId =
                               [this](int id) {
                                   if (m_selection)
                                       m_selection->setCurrentProfileId(id);
                               },
                           .select =
                               [this](int id) {
                                   if (m_selection)
                                       m_selection->selectProfile(id);
                               },
                           .rememberFirstAudioPage = [this] { m_settings.audioPage = true; },
                           .guard = [this](const std::function<void()> &command) { runGuarded(m_prompts, command); }});
}

void Tfm_main::createMenus()
{
    m_menus[QStringLiteral("zm_pop_edit")] = m_jobs->zm_pop_edit();
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
    for (QAction *action : m_jobs->zm_pop_edit()->actions())
        if (!action->isSeparator())
            m_commandControls.add(action);
    connect(m_batch, &Batch::pauseCaptionChanged, this, [this](const QString &caption) {
        if (QAction *pause = findChild<QAction *>(QStringLiteral("Pause1")))
            pause->setText(caption);
    });
}

void Tfm_main::createTray()
{
    m_tray = new QSystemTrayIcon(windowIcon(), this);
    m_tray->setToolTip(kTrayToolTip.left(63));
    connect(m_tray, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        // The left button released on the icon.
        if (reason != QSystemTrayIcon::Trigger)
            return;
        showNormal();
        m_tray->hide();
    });
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
    if (m_edition)
        return;
    runGuarded(m_prompts, [this] { loadSkin(); });
    createPreview();
    m_picker->hidePicker();
    m_edition = editionOf(m_programPath);
    m_messages.setEditionBaseName(m_edition->baseName);
    m_picker->setEdition({m_edition->zuvok, m_edition->audioNamed});
    applyEditionLayout(editionLayout(m_edition->dvdMode, m_edition->zuvok));
    runGuarded(m_prompts, [this] { m_product = readProductRecord(m_folder, m_edition->baseName, m_messages); });
    runGuarded(m_prompts, [this] { m_picker->loadButtonPictures(); });
    runGuarded(m_prompts, [this] { readSettings(); });
    if (m_skinRefs.di) {
        m_skinRefs.di->commonFacet()->setState(false);
        m_skinRefs.di->commonFacet()->redraw();
    }
    pl_back->hide();
    refreshCommands();
    if (QAction *about = findChild<QAction *>(QStringLiteral("AboutVeltrixVideoConverter1")))
        about->setText(QStringLiteral("About Veltrix ") + m_edition->baseName);
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
    SkinForm *form = Skin1.skinFormOfWindow(this);
    m_skinRefs.profilestext = lookUp(form, "profilestext");
    m_skinRefs.play_time = lookUp(form, "play_time");
    m_skinRefs.hint = lookUp(form, "hint");
    m_skinRefs.play_bar = lookUp(form, "play_bar");
    m_skinRefs.di = lookUp(form, "di");
    m_skinRefs.alltime = lookUp(form, "alltime");
    m_skinRefs.playpos = lookUp(form, "playpos");
    m_skinRefs.convertpos = lookUp(form, "convertpos");
    m_messages.setHintObject(m_skinRefs.hint);
    m_convertBar = PositionBar(m_skinRefs.convertpos, kConvertBarWidth);
    m_convertBar.show(0); // the skin declares the bar at full width; no run has progressed yet
    m_commandControls.add(m_skinRefs.play_bar);
    m_previewDisplay.main = {m_skinRefs.play_time, m_skinRefs.play_bar, PositionBar(m_skinRefs.playpos, kPlayBarWidth)};
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
    SkinForm *cutterForm = Skin1.skinFormOfWindow(&cutter);
    m_skinRefs.cut_begin_time = lookUp(cutterForm, "cut_begin_time");
    m_skinRefs.cut_end_time = lookUp(cutterForm, "cut_end_time");
    m_skinRefs.cut_play_time = lookUp(cutterForm, "cut_play_time");
    m_skinRefs.cut_play_bar = lookUp(cutterForm, "cut_play_bar");
    m_skinRefs.cutplaypos = lookUp(cutterForm, "cutplaypos");
    m_commandControls.add(m_skinRefs.cut_play_bar);
    m_previewDisplay.cutter = {m_skinRefs.cut_play_time, m_skinRefs.cut_play_bar,
                               PositionBar(m_skinRefs.cutplaypos, kCutPlayBarWidth)};
    m_previewDisplay.cutter.fill.show(0);
}

void Tfm_main::showNameBanner()
{
    const QString banner = m_folder + QStringLiteral("images/main/") + editionOf(m_programPath).baseName + ".bmp";
    if (!QFile::exists(banner)) {
        pl_appname->hide();
        return;
    }
    pl_appname->move(40, 1);
    img_name->setPixmap(loadPictureFile(banner));
}

void Tfm_main::applyEditionLayout(const EditionLayout &layout)
{
    ed_output->move(layout.outputTopLeft);
    if (layout.outputWidth)
        ed_output->resize(*layout.outputWidth, ed_output->height());
    Panel1->move(layout.iconPanelTopLeft);
    m_picker->setPanelsTopLeft(layout.profilePanelsTopLeft);
    pl_play->move(layout.playTopLeft);
    if (layout.playSize)
        pl_play->resize(*layout.playSize);
    QTreeWidget *lv = m_jobs->lv();
    lv->setGeometry(layout.list);
    // The rows' width beside a vertical scroll bar, as the style draws them.
    lv->ensurePolished();
    const std::array<int, 5> columns =
        listColumnWidths(lv->maximumViewportSize().width() - lv->verticalScrollBar()->sizeHint().width());
    for (int column = 0; column < static_cast<int>(columns.size()); ++column)
        lv->setColumnWidth(column, columns[column]);
    if (layout.titleColumnAndCheckBoxes)
        lv->headerItem()->setText(kNameColumn, QStringLiteral("Title"));
    else
        lv->setStyleSheet(QStringLiteral("QTreeView::indicator { width: 0; height: 0; }"));
    const auto placeTracks = [](QComboBox *tracks, const std::optional<SpanPlace> &place) {
        tracks->setVisible(place.has_value());
        if (place)
            tracks->setGeometry(QRect(place->topLeft, QSize(place->width, tracks->sizeHint().height())));
    };
    placeTracks(cb_audio, layout.audioTracks);
    placeTracks(cb_subtitle, layout.subtitleTracks);
    for (const ControlPlace &place : layout.buttonPlaces)
        m_buttons.at(place.name)->move(place.topLeft);
    if (layout.previewButtonsHidden)
        for (const QString &name : kPreviewButtons)
            m_buttons.at(name)->hide();
    for (const QString &name : layout.hiddenSkinObjects)
        if (SkinObject *object = TSkin::findObject(Skin1.skinFormOfWindow(this), name)) {
            object->setVisible(false);
            object->redraw();
        }
}

void Tfm_main::readSettings()
{
    const QString settingsFile = appSettingsFileName(m_edition->baseName);
    m_qualityStore = std::make_unique<QualitySettingsStore>(settingsFile, m_edition->dvdMode);
    m_settingsFile = std::make_unique<IniFile>(settingsFile);
    for (const QString &path : {m_settingsFile->path(), m_qualityStore->path()}) {
        IniFile file(path);
        if (const std::optional<QString> notice = damagedSettingsNotice(file))
            m_prompts.warning(*notice);
    }
    m_settings = loadAppSettings(*m_settingsFile);
    ed_output->setText(m_settings.outputPath);

    ProfileSelectionHooks hooks;
    hooks.showProfileIcon = [this](const QString &path) { im_mainico->setPixmap(loadPictureFile(path)); };
    hooks.showProfileName = [this](const QString &name) { setSkinText(m_skinRefs.profilestext, name); };
    hooks.readLists = [this] { return m_qualityLists; };
    hooks.showLists = [this](const QualityLists &lists) {
        m_qualityLists = lists;
        if (m_windows.fm_set)
            m_windows.fm_set->setQualityLists(lists);
    };
    hooks.recomputeSizes = [this] { m_jobs->recomputeSizes(); };
    m_selection = std::make_unique<ProfileSelection>(m_folder, m_edition->dvdMode, *m_qualityStore, std::move(hooks));
    if (const std::optional<QString> notice = profileFileDamageNotice(m_folder))
        m_prompts.warning(*notice);
    // A remembered id that names no profile (a blank position, a damaged
    // file) falls back to the default profile rather than leaving none active.
    if (!m_selection->selectProfile(m_settings.profileId)) {
        m_settings.profileId = AppSettings().profileId;
        m_selection->selectProfile(m_settings.profileId);
    }
    m_selection->setCurrentProfileId(m_settings.profileId);
}

void Tfm_main::saveSettings()
{
    if (!m_settingsFile)
        return;
    if (m_selection)
        m_settings.profileId = profileIdToRemember(m_selection->activeProfile().loadedProfileId, m_settings.profileId);
    if (!saveAppSettings(*m_settingsFile, m_settings))
        m_prompts.warning(QStringLiteral("The settings could not be saved: %1\nCheck that the settings folder is "
                                         "writable; the choices of this session are lost otherwise.")
                              .arg(m_settingsFile->error()));
    m_settingsFile.reset();
}

bool Tfm_main::isConverting() const
{
    return m_batch && m_batch->isConverting();
}

bool Tfm_main::isPreviewing() const
{
    return m_playback && m_playback->previewing();
}

bool Tfm_main::sliderDragging() const
{
    return m_playback && m_playback->sliderDragging();
}

bool Tfm_main::FormCloseQuery()
{
    if (isConverting()) {
        m_messages.information(Message::Converting);
        return false;
    }
    saveSettings();
    return true;
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
    const std::optional<int> selected = m_jobs->selectedRow();
    m_commandControls.apply(commandAvailability({.listEmpty = m_jobs->rowCount() == 0,
                                                 .rowSelected = selected.has_value(),
                                                 .previewing = isPreviewing(),
                                                 .converting = isConverting()}));
}

// The row click of the list: the commands follow the selection, the
// selected job's duration is shown beside the preview, and it becomes the
// row the preview refers to.
void Tfm_main::rowClick()
{
    refreshCommands();
    if (const std::optional<int> row = m_jobs->selectedRow()) {
        setSkinText(m_skinRefs.alltime, m_jobs->original(*row).duration);
        if (m_playback)
            m_playback->setPreviewRow(*row);
    }
    if (m_edition && m_edition->dvdMode)
        m_dvd->rowClicked();
}

// A file added to the list runs as a file job in either edition, a DVD
// title or chapter as a DVD job.
std::optional<StartedJob> Tfm_main::startJob(int row)
{
    if (!isDvdRow(m_jobs->job(row)))
        return m_fileJobStart->start(row);
    return m_dvdJobStart->start(row);
}

bool Tfm_main::listingTitles() const
{
    return m_dvd->listingTitles();
}

void Tfm_main::setSkinText(SkinObject *object, const QString &text)
{
    writeSkinText(object, text);
}
