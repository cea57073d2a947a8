// The routing of the main window: skin events, commands, menus, the banner
// drag and the background mode.

#include "app/tfm_main.h"

#include "app/command_guard.h"
#include "app/dvd_commands.h"
#include "app/tfm_about.h"
#include "app/tfm_dvdcutter.h"
#include "app/tfm_info.h"
#include "jobs/batch.h"
#include "jobs/job_list.h"
#include "platform/shell/desktop_shell.h"
#include "profiles/profile_picker.h"
#include "profiles/tfm_set.h"

#include "ui_text/message_numbers.h"
#include "ui_text/prompts.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QSystemTrayIcon>
#include <QTreeWidget>

namespace {

constexpr QPoint kAboutOffset(160, 100);

} // namespace

void Tfm_main::run(MainCommand command)
{
    runGuarded(m_prompts, [this, command] { execute(command); });
}

void Tfm_main::run(const std::function<void()> &command)
{
    runGuarded(m_prompts, command);
}

void Tfm_main::runPressed(MainCommand command)
{
    const bool pill = command == MainCommand::StartBatch || command == MainCommand::StopBatch;
    if (pill && !m_pillPresses.acceptNow())
        return;
    run(command);
}

void Tfm_main::execute(MainCommand command)
{
    using C = MainCommand;
    switch (command) {
    case C::AddFiles:
        m_jobs->addFiles();
        break;
    case C::AddFolder:
        m_jobs->addFolder();
        break;
    case C::RemoveRows:
        m_jobs->remove();
        break;
    case C::ClearList:
        m_jobs->clear();
        break;
    case C::Rename:
        m_jobs->rename();
        break;
    case C::CheckAll:
        m_jobs->checkAll();
        m_dvd->recordCheckMarks();
        break;
    case C::UncheckAll:
        m_jobs->uncheckAll();
        m_dvd->recordCheckMarks();
        break;
    case C::StartBatch:
        m_batch->start();
        break;
    case C::StopBatch:
        m_batch->stop();
        break;
    case C::PauseBatch:
        m_batch->pauseToggle();
        break;
    case C::OpenPicker:
        m_picker->openPicker();
        break;
    case C::SettingsDialog:
        settingsDialog();
        break;
    case C::ChooseOutputFolder:
        chooseOutputFolder();
        break;
    case C::OpenOutputFolder:
        m_shell.openFolder(m_settings.outputPath);
        break;
    case C::FileInformation:
        fileInformation();
        break;
    case C::FileMenu:
    case C::EditMenu:
    case C::ActionsMenu:
    case C::ToolsMenu:
    case C::HelpMenu:
    case C::DvdMenu:
        popMenu(command);
        break;
    case C::RunBackground:
        runBackground();
        break;
    case C::CloseWindow:
        close();
        break;
    case C::OpenWebLink:
        openLink(m_product.webLink);
        break;
    case C::OpenSupportLink:
        openLink(m_product.supportLink);
        break;
    case C::OpenContactPage:
        openLink(kContactPage);
        break;
    case C::OpenAboutPage:
        openLink(kAboutPage);
        break;
    case C::AboutWindow:
        aboutWindow();
        break;
    case C::ToggleListing:
        m_dvd->toggleListing();
        break;
    case C::AddIfo:
        m_dvd->addIfo();
        break;
    case C::AddDvd:
        m_dvd->addDvd();
        break;
    case C::StartPreview:
    case C::StopPreview:
    case C::PausePreview:
    case C::StepBack:
    case C::StepForward:
    case C::Snapshot:
    case C::OpenCutter:
    case C::CutterChecks:
    case C::CutterPlay:
    case C::CutterBegin:
    case C::CutterEnd:
    case C::CutterBack:
    case C::CutterForward:
    case C::CloseCutter:
        previewCommand(command);
        break;
    case C::None:
        break;
    }
}

void Tfm_main::Skin1Click(QWidget *, SkinObject *source)
{
    runPressed(skinClickCommand(source->name()));
}

void Tfm_main::Skin1MouseMove(QWidget *, SkinObject *source, int, int)
{
    m_messages.showHint(hintNumberFor(source->name()));
}

// The position sliders seek the preview (the playback refuses while a batch converts).
void Tfm_main::Skin1MouseDown(QWidget *, SkinObject *source, Qt::MouseButton, int, int)
{
    m_picker->hidePicker();
    if (const std::optional<PositionSlider> slider = positionSliderNamed(source->name()); slider && m_playback)
        m_playback->sliderPress(*slider);
}

void Tfm_main::Skin1MouseUp(QWidget *, SkinObject *source, Qt::MouseButton, int, int)
{
    if (const std::optional<PositionSlider> slider = positionSliderNamed(source->name()); slider && m_playback)
        m_playback->sliderRelease(*slider);
}

void Tfm_main::Skin1ScrollTrack(QWidget *, SkinObject *source, qint32)
{
    if (const std::optional<PositionSlider> slider = positionSliderNamed(source->name()); slider && m_playback)
        m_playback->sliderTrack(*slider);
}

void Tfm_main::popMenu(MainCommand menuCommand)
{
    const MenuPlace place = menuPlace(menuCommand, m_edition && m_edition->zuvok);
    QMenu *popup = menu(place.menu);
    if (!popup)
        return;
    const QPoint at = frameGeometry().topLeft() + place.offset;
    emit menuPopped(popup, at);
    popup->popup(at);
}

// "browse": the chosen folder becomes the stored output folder and the text
// of ed_output; a cancelled chooser changes nothing.
void Tfm_main::chooseOutputFolder()
{
    const std::optional<QString> caption = m_messages.text(Message::OutputFolderCaption);
    if (!caption)
        return;
    const QString folder = m_prompts.chooseFolder(*caption);
    if (folder.isEmpty())
        return;
    m_settings.outputPath = folder;
    ed_output->setText(folder);
}

void Tfm_main::fileInformation()
{
    if (!m_jobs->selectedRow()) {
        m_messages.information(Message::NoRowSelected);
        return;
    }
    fm_info().exec();
}

void Tfm_main::settingsDialog()
{
    fm_set().exec();
}

void Tfm_main::aboutWindow()
{
    Tfm_about &about = fm_about();
    about.setProduct(m_edition ? m_edition->baseName : QString(), m_product.webLink);
    about.move(pos() + kAboutOffset);
    about.exec();
}

// Without a notification area the icon could never be clicked, so the
// window goes to the task bar instead of out of reach.
void Tfm_main::runBackground()
{
    // The icon (and the desktop bus it talks over) is made the first time
    // it is needed rather than at start.
    if (!m_tray)
        createTray();
    if (!m_shell.hasTray()) {
        showMinimized();
        return;
    }
    m_tray->show();
    hide();
}

// A link the product record does not give opens nothing.
void Tfm_main::openLink(const QString &link)
{
    if (!link.isEmpty())
        m_shell.openLink(link);
}

bool Tfm_main::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (watched == img_name) {
        bannerEvent(event);
        return false;
    }
    if (watched == im_mainico && type == QEvent::MouseButtonRelease) {
        run(MainCommand::OpenPicker);
        return false;
    }
    QTreeWidget *lv = m_jobs ? m_jobs->lv() : nullptr;
    const bool onList = lv && (watched == lv || watched == lv->viewport());
    if (type == QEvent::MouseButtonPress && (onList || watched == pl_play || qobject_cast<QAbstractButton *>(watched)))
        m_picker->hidePicker();
    // A rubber-band selection updates the buttons as it goes.
    if (onList && type == QEvent::MouseMove && (static_cast<QMouseEvent *>(event)->buttons() & Qt::LeftButton))
        refreshCommands();
    return QWidget::eventFilter(watched, event);
}

// Dragging the window by its name banner.
void Tfm_main::bannerEvent(QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        m_bannerDrag.press = static_cast<QMouseEvent *>(event)->position().toPoint();
        m_bannerDrag.released = false;
        break;
    case QEvent::MouseMove: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (!m_bannerDrag.released && (mouse->buttons() & Qt::LeftButton))
            move(pos() + mouse->position().toPoint() - m_bannerDrag.press);
        break;
    }
    case QEvent::MouseButtonRelease:
        m_bannerDrag.released = true;
        break;
    default:
        break;
    }
}
