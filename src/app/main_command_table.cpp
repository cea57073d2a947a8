#include "app/main_command_table.h"

#include "app/clip_cutter.h"
#include "app/dvd_commands.h"
#include "app/dvd_preview_source.h"
#include "app/job_list_view.h"
#include "app/side_button_menus.h"
#include "app/tfm_main.h"
#include "engine/timecode.h"
#include "jobs/argument_pieces.h"
#include "jobs/batch.h"
#include "jobs/file_adder.h"
#include "jobs/jobs_at_once.h"
#include "platform/shell/desktop_shell.h"
#include "preview/snapshot.h"
#include "session/converter_session.h"
#include "ui_text/prompts.h"
#include "windows/product_pages.h"
#include "windows/profile_picker.h"
#include "windows/tfm_about.h"
#include "windows/tfm_info.h"
#include "windows/tfm_set.h"

#include <QDir>
#include <QMenu>
#include <QSaveFile>

namespace {

using C = MainCommand;
using X = MainCommandContext;

void clearList(const X &x)
{
    if (x.session.jobs().rowCount() > 0 && x.window.messages().question(Message::ConfirmClear))
        x.session.jobs().clear();
}
void setAllChecked(const X &x, bool checked)
{
    x.session.jobs().setAllChecked(checked);
    x.window.dvd().recordCheckMarks();
}
// Start also continues a paused batch; it is refused only while one runs.
// A key pressed by mistake (Esc pressed once more to leave a menu) must
// not end the jobs: the keyboard's stop asks, and goes on converting by default.
void askStopBatch(const X &x)
{
    if (x.session.batch().isConverting()
        && x.session.prompts().choose(QStringLiteral("Stop converting?\n\n\"Stop Converting\" stops every running job "
                                                     "as Stop does (each file being written keeps what was converted "
                                                     "so far). \"Go On Converting\" leaves the jobs running."),
                                      QStringLiteral("Stop Converting"), QStringLiteral("Go On Converting")))
        x.session.batch().stop();
}
void settingsDialog(const X &x)
{
    Tfm_set &dialog = x.window.fm_set();
    dialog.setAfterBatchAction(static_cast<int>(x.session.batch().afterBatchAction()));
    dialog.setJobsAtOnce(jobsAtOnceCaptions(processorCores()), x.session.batch().jobsAtOnceSetting());
    dialog.setOutputNaming(x.session.outputFolder().keepsStructure(), x.session.outputFolder().namePattern());
    dialog.exec();
}
// "browse": the chosen folder becomes the stored output folder and the
// field's text; a cancelled chooser changes nothing.
void chooseOutputFolder(const X &x)
{
    const std::optional<QString> caption = x.window.messages().text(Message::OutputFolderCaption);
    if (!caption)
        return;
    const QString folder = x.session.prompts().chooseFolder(*caption, x.session.outputFolder().stored());
    if (!folder.isEmpty())
        x.session.outputFolder().setFolder(folder);
}
void fileInformation(const X &x)
{
    if (!x.session.jobs().selectedRow())
        x.window.messages().information(Message::NoRowSelected);
    else
        x.window.fm_info().exec();
}
void popMenu(const X &x, MainCommand menuCommand)
{
    const MenuPlace place = menuPlace(menuCommand, x.session.edition().zuvok);
    QMenu *popup = x.window.menu(place.menu);
    if (!popup)
        return;
    const QPoint at = x.window.frameGeometry().topLeft() + place.offset;
    emit x.window.menuPopped(popup, at);
    popup->popup(at);
}
// A side button's menu opens beside it; a disabled button has none.
void sideMenu(const X &x, MainCommand command)
{
    const std::optional<QPoint> at = x.window.sideMenus().fill(command);
    if (!at)
        return;
    emit x.window.menuPopped(x.window.sideMenus().menu(), *at);
    x.window.sideMenus().menu()->popup(*at);
}
// A link the product record does not give opens nothing.
void openLink(const X &x, const QString &link)
{
    if (!link.isEmpty())
        x.session.shell().openLink(link);
}
void aboutWindow(const X &x)
{
    Tfm_about &about = x.window.fm_about();
    about.setProduct(x.session.edition().baseName, x.window.product().webLink);
    about.move(x.window.pos() + QPoint(160, 100));
    about.exec();
}
// The cutter works on titles, not chapters.
void openCutter(const X &x)
{
    if (!x.window.listingTitles()) {
        x.window.messages().warning(Message::ChapterMode);
        return;
    }
    x.window.fm_dvdcutter(); // the window and its commands, at the first opening
    x.window.cutter()->open();
}
// The cutter's own commands act only while it is open, so never before its window is made.
void inCutter(const X &x, void (ClipCutter::*command)())
{
    if (ClipCutter *cutter = x.window.cutter())
        (cutter->*command)();
}
// The image of the preview row at `timeText`: the position the main
// window shows, or the frame the cutter shows.
void takeSnapshot(const X &x, const QString &timeText)
{
    const int row = x.window.playback()->previewRow();
    if (row < 0 || row >= x.session.jobs().rowCount())
        return;
    const Job &job = x.session.jobs().job(row);
    const bool dvdRow = isDvdRow(job);
    const ProfileChoices choices = x.session.profile().choices();
    const std::optional<FrameSize> frame = pictureFrame(job.original, choices);
    x.session.snapshot().take({.inputPath = dvdRow
                                                ? dvdSnapshotInputOf(job.convert, job.clip, timeCodeToSeconds(timeText))
                                                : job.original.sourcePath,
                               .caption = x.session.jobs().caption(row),
                               .outputFolder = x.session.outputFolder().text(),
                               .sizePiece = sizePiece(frame),
                               .picturePiece = pictureFitPiece(frame, choices),
                               .timeText = timeText});
}

// The list as a file for veltrix-convert --list, on this machine or others.
void exportJobList(const X &x)
{
    // Beside the outputs by default: where the machines that convert it look.
    const QString suggested = QDir(x.session.outputFolder().absolute()).filePath(QStringLiteral("Veltrix.jobs"));
    const QString path = x.session.prompts().saveFile(QStringLiteral("Job lists (*.jobs)"), suggested);
    if (path.isEmpty())
        return;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(x.session.handedJobList()) < 0 || !file.commit())
        x.session.prompts().warning(QStringLiteral("The job list could not be exported to %1: %2\nChoose a folder "
                                                   "you may write to.")
                                        .arg(path, file.errorString()));
}

constexpr BusySet kNever = 0;
constexpr BusySet kConverting = static_cast<BusySet>(Busy::Converting);
constexpr BusySet kPreviewing = static_cast<BusySet>(Busy::Previewing);
constexpr BusySet kBusy = Busy::Previewing | Busy::Converting;
constexpr BusySet kAdding = static_cast<BusySet>(Busy::Adding);

// One row per command, in the enum's order.
const MainCommandRow kCommands[] = {
    {C::AddFiles, kConverting | kAdding, [](const X &x) { x.session.adder().addFiles(); }, "openfiles"},
    {C::AddFolder, kConverting | kAdding, [](const X &x) { x.session.adder().addFolder(); }, "openfolder"},
    {C::RemoveRows, kBusy, [](const X &x) { x.session.jobs().removeSelected(); }, "remove"},
    {C::ClearList, kBusy | kAdding, clearList, "clear"},
    {C::Rename, kNever, [](const X &x) { x.window.listView().rename(); }},
    {C::CheckAll, kNever, [](const X &x) { setAllChecked(x, true); }},
    {C::UncheckAll, kNever, [](const X &x) { setAllChecked(x, false); }},
    // Start continues a paused batch: it is refused only while one runs.
    {C::StartBatch, kPreviewing | Busy::Running, [](const X &x) { x.session.batch().start(); }, "converter"},
    {C::StopBatch, kNever, [](const X &x) { x.session.batch().stop(); }, "stopconverter"},
    {C::AskStopBatch, kNever, askStopBatch},
    {C::PauseBatch, kNever, [](const X &x) { x.session.batch().pauseToggle(); }},
    {C::ConvertAgain, kPreviewing, [](const X &x) { x.session.batch().convertAgain(x.session.jobs().selectedRows()); }},
    {C::ExportJobList, kAdding, exportJobList},
    {C::OpenPicker, kConverting, [](const X &x) { x.window.picker().openPicker(); }, {"profiles", "profilestext"}},
    {C::SettingsDialog, kNever, settingsDialog},
    {C::ChooseOutputFolder, kNever, chooseOutputFolder, "browse"},
    {C::OpenOutputFolder, kNever, [](const X &x) { x.session.shell().openFolder(x.session.outputFolder().stored()); },
     "open"},
    {C::FileInformation, kNever, fileInformation},
    {C::FileMenu, kNever, [](const X &x) { popMenu(x, C::FileMenu); }, "file"},
    {C::EditMenu, kNever, [](const X &x) { popMenu(x, C::EditMenu); }, "settings"},
    {C::ActionsMenu, kNever, [](const X &x) { popMenu(x, C::ActionsMenu); }, "purchase"},
    {C::ToolsMenu, kNever, [](const X &x) { popMenu(x, C::ToolsMenu); }, "register"},
    {C::HelpMenu, kNever, [](const X &x) { popMenu(x, C::HelpMenu); }, "help"},
    {C::DvdMenu, kNever, [](const X &x) { popMenu(x, C::DvdMenu); }, "dvdfile"},
    {C::RunBackground, kNever, [](const X &x) { x.window.background().enter(); }},
    {C::CloseWindow, kNever, [](const X &x) { x.window.close(); }},
    {C::OpenWebLink, kNever, [](const X &x) { openLink(x, x.window.product().webLink); }},
    {C::OpenSupportLink, kNever, [](const X &x) { openLink(x, x.window.product().supportLink); }},
    {C::OpenContactPage, kNever, [](const X &x) { openLink(x, kContactPage); }},
    {C::OpenAboutPage, kNever, [](const X &x) { openLink(x, kAboutPage); }},
    {C::AboutWindow, kNever, aboutWindow},
    {C::StartPreview, kConverting, [](const X &x) { x.window.playback()->playSelectedRow(); }},
    {C::StopPreview, kNever, [](const X &x) { x.window.playback()->stopPreview(); }, "stop"},
    {C::PausePreview, kNever, [](const X &x) { x.window.playback()->togglePause(); }, "pause"},
    {C::StepBack, kNever, [](const X &x) { x.window.playback()->stepBack(); }},
    {C::StepForward, kNever, [](const X &x) { x.window.playback()->stepForward(); }},
    {C::Snapshot, kConverting, [](const X &x) { takeSnapshot(x, x.window.shownPosition()); }},
    {C::OpenCutter, kBusy, openCutter},
    {C::CutterChecks, kBusy, openCutter, "cutter"},
    {C::CutterPlay, kConverting, [](const X &x) { inCutter(x, &ClipCutter::play); }, "play"},
    {C::CutterBegin, kNever, [](const X &x) { inCutter(x, &ClipCutter::setBegin); }, "begin"},
    {C::CutterEnd, kNever, [](const X &x) { inCutter(x, &ClipCutter::setEnd); }, "end"},
    {C::CutterBack, kNever, [](const X &x) { inCutter(x, &ClipCutter::stepBack); }, "hou"},
    {C::CutterForward, kNever, [](const X &x) { inCutter(x, &ClipCutter::stepForward); }, "qian"},
    {C::CutterTogglePlay, kConverting, [](const X &x) { inCutter(x, &ClipCutter::togglePlay); }},
    {C::CutterNudgeBack, kNever, [](const X &x) { inCutter(x, &ClipCutter::nudgeBack); }},
    {C::CutterNudgeForward, kNever, [](const X &x) { inCutter(x, &ClipCutter::nudgeForward); }},
    {C::CutterSnapshot, kConverting,
     [](const X &x) {
         if (const std::optional<QString> at = x.window.cutter() ? x.window.cutter()->markText() : std::nullopt)
             takeSnapshot(x, *at);
     },
     "cut_snapshot"},
    {C::CloseCutter, kNever, [](const X &x) { inCutter(x, &ClipCutter::closeCutter); }, "cutclose"},
    {C::ToggleListing, kBusy | kAdding, [](const X &x) { x.window.dvd().toggleListing(); }, "chapter"},
    {C::AddIfo, kBusy | kAdding, [](const X &x) { x.window.dvd().addIfo(); }, "ifoopen"},
    {C::AddDvd, kBusy | kAdding, [](const X &x) { x.window.dvd().addDvd(); }, "dvdopen"},
    {C::SizeMenu, kNever, [](const X &x) { sideMenu(x, C::SizeMenu); }, "video_size"},
    {C::VideoQualityMenu, kNever, [](const X &x) { sideMenu(x, C::VideoQualityMenu); }, "video_quality"},
    {C::AudioQualityMenu, kNever, [](const X &x) { sideMenu(x, C::AudioQualityMenu); }, "audio_quality"},
    {C::ChannelMenu, kNever, [](const X &x) { sideMenu(x, C::ChannelMenu); }, "channels"},
};

} // namespace

MainCommand skinClickCommand(const QString &objectName)
{
    for (const MainCommandRow &row : kCommands)
        for (const char *skinObject : row.skinObjects)
            if (skinObject && objectName == QLatin1StringView(skinObject))
                return row.command;
    return MainCommand::None;
}

const MainCommandRow *mainCommandRow(MainCommand command)
{
    for (const MainCommandRow &row : kCommands)
        if (row.command == command)
            return &row;
    return nullptr;
}
