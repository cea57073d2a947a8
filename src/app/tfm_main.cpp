#include "app/tfm_main.h"

#include "app/background_mode.h"
#include "app/clip_cutter.h"
#include "app/command_availability.h"
#include "app/dvd_commands.h"
#include "app/edition_layout.h"
#include "app/image_button.h"
#include "app/job_list_view.h"
#include "app/jobs_at_once_menu.h"
#include "app/main_keys.h"
#include "app/main_preview_host.h"
#include "app/product_info.h"
#include "app/side_button_menus.h"
#include "app/window_access.h"
#include "app/window_drag.h"
#include "jobs/batch.h"
#include "jobs/file_adder.h"
#include "jobs/job_list_store.h"
#include "platform/picture/picture_file.h"
#include "platform/preview/mpv_preview_engine.h"
#include "platform/skin/skin_writes.h"
#include "preview/snapshot.h"
#include "session/converter_session.h"
#include "ui_text/command_guard.h"
#include "ui_text/prompts.h"
#include "windows/profile_picker.h"
#include "windows/tfm_dvdcutter.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScreen>
#include <QScrollBar>
#include <QShowEvent>
#include <QTimer>
#include <utility>

namespace {

constexpr QSize kWindowSize(781, 558);
const QString kSkinFile = QStringLiteral("skn.skn");
const QString kMainForm = QStringLiteral("popvideoconverter");
const QString kCutterForm = QStringLiteral("cutter");

} // namespace

Tfm_main::Tfm_main(ConverterSession &session, QWidget *parent)
    : QWidget(parent),
      m_session(session),
      m_prompts(session.prompts()),
      m_controls(this, session.folder()),
      m_messages(session.folder(), session.prompts(), session.busy())
{
    m_preview.engine = std::make_unique<MpvPreviewEngine>();
    setObjectName(QStringLiteral("fm_main"));
    setWindowTitle(QStringLiteral("Video Converter"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint);
    setFixedSize(kWindowSize);
    setWindowIcon(QIcon(QPixmap::fromImage(readPicture(m_session.folder() + QStringLiteral("images/main/2.bmp")))));
    if (const QScreen *screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
    connectControls();
    createWindowParts();
    createMenus();
    connectSession();
    connectBatch();
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
        m_commandControls.add(design.command, button);
        const MainCommand command = design.command;
        connect(button, &QAbstractButton::clicked, this, [this, command] { runPressed(command); });
    }
    m_controls.pl_play->installEventFilter(this);
    m_controls.im_mainico->installEventFilter(this);
    new WindowDrag(m_controls.img_name, this);
    m_background = new BackgroundMode(this, m_session.shell());
    connect(&Skin1, &TSkin::Click, this, &Tfm_main::Skin1Click);
    connect(&Skin1, &TSkin::MouseDown, this, &Tfm_main::Skin1MouseDown);
    connect(&Skin1, &TSkin::MouseUp, this, &Tfm_main::Skin1MouseUp);
    connect(&Skin1, &TSkin::MouseMove, this, &Tfm_main::Skin1MouseMove);
    connect(&Skin1, &TSkin::ScrollTrack, this, &Tfm_main::Skin1ScrollTrack);
}

void Tfm_main::createWindowParts()
{
    ConverterSession &s = m_session;
    m_listView = new JobListView(s.jobs(), this);
    m_listView->installEventFilter(this);
    m_listView->viewport()->installEventFilter(this);
    m_dvd = new DvdCommands(s.jobs(), s.profile(), m_controls.cb_audio, m_controls.cb_subtitle, m_prompts, m_messages,
                            this);
    m_picker = new ProfilePicker(this, s.folder(), s.profile(), m_prompts);
    m_sideMenus = new SideButtonMenus(s.profile(), this);
}

// The window follows the session: commands follow the busy state, the rows
// and the selection; the profile field follows the active profile.
void Tfm_main::connectSession()
{
    JobModel &jobs = m_session.jobs();
    const auto refresh = [this] { refreshCommands(); };
    connect(&m_session.busy(), &BusyState::changed, this, refresh);
    // Of the rows, only whether there are any counts; the selection has a signal of its own.
    connect(&jobs, &JobModel::rowsInserted, this, [this, &jobs](const QModelIndex &, int first, int last) {
        if (jobs.rowCount() == last - first + 1)
            refreshCommands();
    });
    connect(&jobs, &JobModel::rowsRemoved, this, [this, &jobs] {
        if (jobs.rowCount() == 0)
            refreshCommands();
    });
    connect(&jobs, &JobModel::modelReset, this, refresh);
    connect(&jobs, &JobModel::selectionChanged, this, [this] { run([this] { rowClick(); }); });
    connect(m_listView, &JobListView::pathsDropped, this, &Tfm_main::addPaths);
    connect(m_dvd, &DvdCommands::listingChanged, &m_session.jobList(), &JobListStore::scheduleSave);
    connect(&m_session.profile(), &ActiveProfile::labelChanged, this, &Tfm_main::showProfileLabel);
    connect(m_picker, &ProfilePicker::firstAudioPageChosen, this, [this] { m_session.settings().audioPage = true; });
    OutputFolder &output = m_session.outputFolder();
    output.setText(m_controls.ed_output->text());
    connect(m_controls.ed_output, &QLineEdit::textChanged, &output, &OutputFolder::setText);
    connect(m_controls.ed_output, &QLineEdit::editingFinished, &output, &OutputFolder::takeText);
    connect(&output, &OutputFolder::textChanged, m_controls.ed_output, &QLineEdit::setText);
}

// The bar and the hint line show the batch; the Pause item says what it does.
void Tfm_main::connectBatch()
{
    Batch &batch = m_session.batch();
    ConversionDisplay &display = m_conversion.display;
    connect(&batch, &Batch::displayChanged, this, [&display](qint32 barValue, const QString &hint, qint32 batchValue) {
        display.runDisplay(barValue, hint, batchValue);
    });
    connect(&batch, &Batch::pausedChanged, this,
            [&display, &batch](bool paused) { display.setPaused(paused, batch.statusHint()); });
    connect(&batch, &Batch::batchStarted, this, [&display] { display.batchStarted(); });
    connect(&batch, &Batch::batchEnded, this, [&display](const BatchTally &tally) { display.batchEnded(tally); });
    connect(&batch, &Batch::pauseCaptionChanged, this, [this](const QString &caption) {
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
            m_commandControls.add(item.command, action);
            const MainCommand command = item.command;
            connect(action, &QAction::triggered, this, [this, command] { run(command); });
        }
        m_menus[menu->objectName()] = menu;
    }
    m_listView->setPopupMenu(menu(QStringLiteral("zm_pop_edit")));
    addJobsAtOnceMenu(*menu(QStringLiteral("zm_pop_tools")), m_session.batch());
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
    const Edition &edition = m_session.edition();
    runGuarded(m_prompts, [this] { loadSkin(); });
    createPreview();
    m_picker->hidePicker();
    setWindowTitle(editionTitle(edition.baseName));
    m_messages.setEditionBaseName(edition.baseName);
    m_picker->setEdition({edition.zuvok, edition.audioNamed});
    const EditionLayout layout = editionLayout(edition.dvdMode, edition.zuvok);
    applyEditionLayout(layout);
    presentToKeyboard(!layout.previewButtonsHidden);
    addMenuRowKeys(this, edition.zuvok, [this](MainCommand command) { run(command); });
    runGuarded(m_prompts,
               [this, &edition] { m_product = readProductRecord(m_session.folder(), edition.baseName, m_messages); });
    runGuarded(m_prompts, [this] { m_picker->loadButtonPictures(); });
    openSession();
    if (m_session.ending())
        return;
    if (m_skinRefs.di) {
        m_skinRefs.di->commonFacet()->setState(false);
        m_skinRefs.di->commonFacet()->redraw();
    }
    m_controls.pl_back->hide();
    refreshCommands();
    if (QAction *about = findChild<QAction *>(QStringLiteral("AboutVeltrixVideoConverter1")))
        about->setText(QStringLiteral("About ") + editionTitle(edition.baseName));
}

// A skin that cannot be read leaves the window plain but usable.
void Tfm_main::loadSkin()
{
    if (!Skin1.loadSkin(m_session.folder() + kSkinFile)) {
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
    m_conversion.bar = PositionBar(m_skinRefs.convertpos, kConvertBarWidth, kProgressFull);
    m_conversion.bar.show(0); // the skin declares the bar at full width; no run has progressed yet
    // The position bars move the preview as Back and Forward do, and are
    // offered when those are.
    m_commandControls.add(MainCommand::StepForward, m_skinRefs.play_bar);
    m_preview.display.main = {m_skinRefs.play_time, m_skinRefs.play_bar,
                              PositionBar(m_skinRefs.playpos, kPlayBarWidth, kProgressFull)};
    writeSkinSliderPosition(m_skinRefs.play_bar, 0);
    m_preview.display.main.fill.show(0);
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
    m_commandControls.add(MainCommand::StepForward, m_skinRefs.cut_play_bar);
    m_preview.display.cutter = {m_skinRefs.cut_play_time, m_skinRefs.cut_play_bar,
                                PositionBar(m_skinRefs.cutplaypos, kCutPlayBarWidth, kProgressFull)};
    m_preview.display.cutter.fill.show(0);
}

void Tfm_main::showNameBanner()
{
    const QString banner = m_session.folder() + QStringLiteral("images/main/") + m_session.edition().baseName + ".bmp";
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
        m_session.jobs().setNameHeading(QStringLiteral("Title"));
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

void Tfm_main::openSession()
{
    runGuarded(m_prompts, [this] { m_session.readSettings(); });
    runGuarded(m_prompts, [this] {
        if (m_session.edition().dvdMode)
            m_session.jobList().setListing([this] { return m_dvd->savedListing(); });
        const QJsonObject listing = m_session.restoreJobList();
        if (m_session.edition().dvdMode && !m_session.ending()) {
            m_dvd->restoreListing(listing);
            m_dvd->rowClicked(); // the selected row's track lists, from the listing now back
        }
    });
}

bool Tfm_main::sliderDragging() const
{
    return m_preview.playback && m_preview.playback->sliderDragging();
}

bool Tfm_main::FormCloseQuery()
{
    if (m_session.isConverting()) {
        if (!m_prompts.choose(QStringLiteral("Files are still being converted.\n\n\"Stop and Quit\" stops the "
                                             "conversion as Stop does (each file being written keeps what was "
                                             "converted so far) and quits. \"Go On Converting\" leaves the window "
                                             "open and the conversion running."),
                              QStringLiteral("Stop and Quit"), QStringLiteral("Go On Converting")))
            return false;
        Batch &batch = m_session.batch();
        batch.stop();
        // The window closes once the encoders have exited, so that quitting
        // leaves none behind; it takes no input meanwhile.
        if (batch.hasRunsUnderWay()) {
            setEnabled(false);
            connect(
                &batch, &Batch::allRunsEnded, this,
                [this] {
                    setEnabled(true);
                    close();
                },
                Qt::SingleShotConnection);
            return false;
        }
    }
    for (const QString &failure : m_session.saveSettings())
        m_prompts.warning(failure);
    m_session.saveJobList();
    return true;
}

void Tfm_main::closeEvent(QCloseEvent *event)
{
    // The session ends the program on its own once its encoders have exited.
    if (m_session.ending()) {
        event->ignore();
        return;
    }
    bool canClose = false;
    runGuarded(m_prompts, [&] { canClose = FormCloseQuery(); });
    if (canClose)
        event->accept();
    else
        event->ignore();
}

void Tfm_main::refreshCommands()
{
    m_commandControls.apply(commandAvailability(m_session.commandSituation()));
}

// The row click of the list: the commands follow the selection, the
// selected job's duration is shown beside the preview, and it becomes the
// row the preview refers to.
void Tfm_main::rowClick()
{
    refreshCommands();
    // While a preview plays, its time display and its row's track lists stay.
    const bool previewing = m_session.isPreviewing();
    const JobModel &jobs = m_session.jobs();
    if (const std::optional<int> row = jobs.selectedRow(); row && !previewing) {
        writeSkinText(m_skinRefs.alltime, jobs.original(*row).duration);
        if (m_preview.playback)
            m_preview.playback->setPreviewRow(*row);
    }
    if (m_session.edition().dvdMode) {
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
    m_controls.im_mainico->setPixmap(QPixmap::fromImage(m_session.profile().icon()));
    writeSkinText(m_skinRefs.profilestext, m_session.profile().definition().displayName);
}

QString Tfm_main::shownPosition() const
{
    return m_skinRefs.play_time ? m_skinRefs.play_time->text() : QStringLiteral("00:00:00");
}
