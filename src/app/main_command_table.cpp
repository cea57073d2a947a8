#include "app/main_command_table.h"

#include "app/clip_cutter.h"
#include "app/dvd_commands.h"
#include "app/dvd_preview_source.h"
#include "app/job_list_view.h"
#include "app/side_button_menus.h"
#include "app/tfm_about.h"
#include "app/tfm_info.h"
#include "app/tfm_main.h"
#include "engine/timecode.h"
#include "jobs/argument_pieces.h"
#include "jobs/batch.h"
#include "jobs/file_adder.h"
#include "jobs/jobs_at_once.h"
#include "platform/shell/desktop_shell.h"
#include "preview/snapshot.h"
#include "profiles/profile_picker.h"
#include "profiles/tfm_set.h"
#include "ui_text/prompts.h"

#include <QMenu>

// The handlers reach into the window as the command table's own code.
struct MainCommandHandlers {
    using W = Tfm_main;

    static void clearList(W &w)
    {
        if (w.m_jobs.rowCount() > 0 && w.m_messages.question(Message::ConfirmClear))
            w.m_jobs.clear();
    }
    static void setAllChecked(W &w, bool checked)
    {
        w.m_jobs.setAllChecked(checked);
        w.m_dvd->recordCheckMarks();
    }
    // Start also continues a paused batch; it is refused only while one runs.
    static void startBatch(W &w)
    {
        if (w.m_batch->isConverting() && !w.m_batch->isPaused())
            w.m_messages.warning(Message::Converting);
        else
            w.m_batch->start();
    }
    // A key pressed by mistake (Esc pressed once more to leave a menu) must
    // not end the jobs: the keyboard's stop asks, and goes on converting by default.
    static void askStopBatch(W &w)
    {
        if (w.m_batch->isConverting()
            && w.m_prompts.choose(QStringLiteral("Stop converting?\n\n\"Stop Converting\" stops every running job "
                                                 "as Stop does (each file being written keeps what was converted "
                                                 "so far). \"Go On Converting\" leaves the jobs running."),
                                  QStringLiteral("Stop Converting"), QStringLiteral("Go On Converting")))
            w.m_batch->stop();
    }
    static void settingsDialog(W &w)
    {
        Tfm_set &dialog = w.fm_set();
        dialog.setAfterBatchAction(static_cast<int>(w.m_batch->afterBatchAction()));
        dialog.setJobsAtOnce(jobsAtOnceCaptions(processorCores()), w.m_batch->jobsAtOnceSetting());
        dialog.exec();
    }
    // "browse": the chosen folder becomes the stored output folder and the
    // field's text; a cancelled chooser changes nothing.
    static void chooseOutputFolder(W &w)
    {
        const std::optional<QString> caption = w.m_messages.text(Message::OutputFolderCaption);
        if (!caption)
            return;
        const QString folder = w.m_prompts.chooseFolder(*caption);
        if (!folder.isEmpty())
            w.m_output.setFolder(folder);
    }
    static void fileInformation(W &w)
    {
        if (!w.m_jobs.selectedRow())
            w.m_messages.information(Message::NoRowSelected);
        else
            w.fm_info().exec();
    }
    static void popMenu(W &w, MainCommand menuCommand)
    {
        const MenuPlace place = menuPlace(menuCommand, w.m_edition.zuvok);
        QMenu *popup = w.menu(place.menu);
        if (!popup)
            return;
        const QPoint at = w.frameGeometry().topLeft() + place.offset;
        emit w.menuPopped(popup, at);
        popup->popup(at);
    }
    // A side button's menu opens beside it; a disabled button has none.
    static void sideMenu(W &w, MainCommand command)
    {
        const std::optional<QPoint> at = w.m_sideMenus->fill(command);
        if (!at)
            return;
        emit w.menuPopped(w.m_sideMenus->menu(), *at);
        w.m_sideMenus->menu()->popup(*at);
    }
    // A link the product record does not give opens nothing.
    static void openLink(W &w, const QString &link)
    {
        if (!link.isEmpty())
            w.m_shell.openLink(link);
    }
    static void aboutWindow(W &w)
    {
        Tfm_about &about = w.fm_about();
        about.setProduct(w.m_edition.baseName, w.m_product.webLink);
        about.move(w.pos() + QPoint(160, 100));
        about.exec();
    }
    // The cutter works on titles, not chapters.
    static void openCutter(W &w)
    {
        if (!w.listingTitles()) {
            w.m_messages.warning(Message::ChapterMode);
            return;
        }
        w.fm_dvdcutter(); // the window and its commands, at the first opening
        w.m_cutter->open();
    }
    // The cutter's own commands act only while it is open, so never before its window is made.
    static void inCutter(W &w, void (ClipCutter::*command)())
    {
        if (w.m_cutter)
            (w.m_cutter.get()->*command)();
    }
    // The image of the preview row at `timeText`: the position the main
    // window shows, or the frame the cutter shows.
    static void takeSnapshot(W &w, const QString &timeText)
    {
        const int row = w.m_playback->previewRow();
        if (row < 0 || row >= w.m_jobs.rowCount())
            return;
        const Job &job = w.m_jobs.job(row);
        const bool dvdRow = isDvdRow(job);
        const ProfileChoices choices = w.m_profile.choices();
        const QString size = sizePiece(job.original, choices);
        w.m_snapshot->take({.inputPath = dvdRow ? dvdSnapshotInputOf(job.convert, job.clip, timeCodeToSeconds(timeText))
                                                : job.original.sourcePath,
                            .caption = w.m_jobs.caption(row),
                            .outputFolder = w.m_output.text(),
                            .sizePiece = size,
                            .picturePiece = pictureFitPiece(size, choices),
                            .timeText = timeText});
    }

    static const MainCommandRow kCommands[];
};

namespace {

using C = MainCommand;
using H = MainCommandHandlers;
constexpr BusySet kNever = 0;
constexpr BusySet kConverting = static_cast<BusySet>(Busy::Converting);
constexpr BusySet kPreviewing = static_cast<BusySet>(Busy::Previewing);
constexpr BusySet kBusy = Busy::Previewing | Busy::Converting;

} // namespace

// One row per command, in the enum's order.
const MainCommandRow MainCommandHandlers::kCommands[] = {
    {C::AddFiles, "add-files", kConverting, [](Tfm_main &w) { w.adder().addFiles(); }, "openfiles"},
    {C::AddFolder, "add-folder", kConverting, [](Tfm_main &w) { w.adder().addFolder(); }, "openfolder"},
    {C::RemoveRows, "remove-rows", kBusy, [](Tfm_main &w) { w.jobs().removeSelected(); }, "remove"},
    {C::ClearList, "clear-list", kBusy, H::clearList, "clear"},
    {C::Rename, "rename", kNever, [](Tfm_main &w) { w.listView().rename(); }},
    {C::CheckAll, "check-all", kNever, [](Tfm_main &w) { H::setAllChecked(w, true); }},
    {C::UncheckAll, "uncheck-all", kNever, [](Tfm_main &w) { H::setAllChecked(w, false); }},
    {C::StartBatch, "start-batch", kPreviewing, H::startBatch, "converter"},
    {C::StopBatch, "stop-batch", kNever, [](Tfm_main &w) { w.batch().stop(); }, "stopconverter"},
    {C::AskStopBatch, "ask-stop-batch", kNever, H::askStopBatch},
    {C::PauseBatch, "pause-batch", kNever, [](Tfm_main &w) { w.batch().pauseToggle(); }},
    {C::ConvertAgain, "convert-again", kPreviewing, [](Tfm_main &w) { w.batch().convertAgain(w.jobs().selectedRows()); }},
    {C::OpenPicker, "open-picker", kConverting, [](Tfm_main &w) { w.picker().openPicker(); },
     {"profiles", "profilestext"}},
    {C::SettingsDialog, "settings", kNever, H::settingsDialog},
    {C::ChooseOutputFolder, "choose-output-folder", kNever, H::chooseOutputFolder, "browse"},
    {C::OpenOutputFolder, "open-output-folder", kNever, [](Tfm_main &w) { w.m_shell.openFolder(w.m_output.stored()); },
     "open"},
    {C::FileInformation, "file-information", kNever, H::fileInformation},
    {C::FileMenu, "file-menu", kNever, [](Tfm_main &w) { H::popMenu(w, C::FileMenu); }, "file"},
    {C::EditMenu, "edit-menu", kNever, [](Tfm_main &w) { H::popMenu(w, C::EditMenu); }, "settings"},
    {C::ActionsMenu, "actions-menu", kNever, [](Tfm_main &w) { H::popMenu(w, C::ActionsMenu); }, "purchase"},
    {C::ToolsMenu, "tools-menu", kNever, [](Tfm_main &w) { H::popMenu(w, C::ToolsMenu); }, "register"},
    {C::HelpMenu, "help-menu", kNever, [](Tfm_main &w) { H::popMenu(w, C::HelpMenu); }, "help"},
    {C::DvdMenu, "dvd-menu", kNever, [](Tfm_main &w) { H::popMenu(w, C::DvdMenu); }, "dvdfile"},
    {C::RunBackground, "run-background", kNever, [](Tfm_main &w) { w.m_background->enter(); }},
    {C::CloseWindow, "close-window", kNever, [](Tfm_main &w) { w.close(); }},
    {C::OpenWebLink, "open-web-link", kNever, [](Tfm_main &w) { H::openLink(w, w.m_product.webLink); }},
    {C::OpenSupportLink, "open-support-link", kNever, [](Tfm_main &w) { H::openLink(w, w.m_product.supportLink); }},
    {C::OpenContactPage, "open-contact-page", kNever, [](Tfm_main &w) { H::openLink(w, kContactPage); }},
    {C::OpenAboutPage, "open-about-page", kNever, [](Tfm_main &w) { H::openLink(w, kAboutPage); }},
    {C::AboutWindow, "about-window", kNever, H::aboutWindow},
    {C::StartPreview, "start-preview", kNever, [](Tfm_main &w) { w.m_playback->playSelectedRow(); }},
    {C::StopPreview, "stop-preview", kNever, [](Tfm_main &w) { w.m_playback->stopPreview(); }, "stop"},
    {C::PausePreview, "pause-preview", kNever, [](Tfm_main &w) { w.m_playback->togglePause(); }, "pause"},
    {C::StepBack, "step-back", kNever, [](Tfm_main &w) { w.m_playback->stepBack(); }},
    {C::StepForward, "step-forward", kNever, [](Tfm_main &w) { w.m_playback->stepForward(); }},
    {C::Snapshot, "snapshot", kConverting,
     [](Tfm_main &w) {
         H::takeSnapshot(w, w.m_skinRefs.play_time ? w.m_skinRefs.play_time->text() : QStringLiteral("00:00:00"));
     }},
    {C::OpenCutter, "open-cutter", kBusy, H::openCutter},
    {C::CutterChecks, "cutter-checks", kBusy, H::openCutter, "cutter"},
    {C::CutterPlay, "cutter-play", kNever, [](Tfm_main &w) { H::inCutter(w, &ClipCutter::play); }, "play"},
    {C::CutterBegin, "cutter-begin", kNever, [](Tfm_main &w) { H::inCutter(w, &ClipCutter::setBegin); }, "begin"},
    {C::CutterEnd, "cutter-end", kNever, [](Tfm_main &w) { H::inCutter(w, &ClipCutter::setEnd); }, "end"},
    {C::CutterBack, "cutter-back", kNever, [](Tfm_main &w) { H::inCutter(w, &ClipCutter::stepBack); }, "hou"},
    {C::CutterForward, "cutter-forward", kNever, [](Tfm_main &w) { H::inCutter(w, &ClipCutter::stepForward); }, "qian"},
    {C::CutterTogglePlay, "cutter-toggle-play", kNever, [](Tfm_main &w) { H::inCutter(w, &ClipCutter::togglePlay); }},
    {C::CutterNudgeBack, "cutter-nudge-back", kNever, [](Tfm_main &w) { H::inCutter(w, &ClipCutter::nudgeBack); }},
    {C::CutterNudgeForward, "cutter-nudge-forward", kNever,
     [](Tfm_main &w) { H::inCutter(w, &ClipCutter::nudgeForward); }},
    {C::CutterSnapshot, "cutter-snapshot", kConverting,
     [](Tfm_main &w) {
         if (const std::optional<QString> at = w.m_cutter ? w.m_cutter->markText() : std::nullopt)
             H::takeSnapshot(w, *at);
     },
     "cut_snapshot"},
    {C::CloseCutter, "close-cutter", kNever, [](Tfm_main &w) { H::inCutter(w, &ClipCutter::closeCutter); }, "cutclose"},
    {C::ToggleListing, "toggle-listing", kBusy, [](Tfm_main &w) { w.m_dvd->toggleListing(); }, "chapter"},
    {C::AddIfo, "add-ifo", kBusy, [](Tfm_main &w) { w.m_dvd->addIfo(); }, "ifoopen"},
    {C::AddDvd, "add-dvd", kBusy, [](Tfm_main &w) { w.m_dvd->addDvd(); }, "dvdopen"},
    {C::SizeMenu, "size-menu", kNever, [](Tfm_main &w) { H::sideMenu(w, C::SizeMenu); }, "video_size"},
    {C::VideoQualityMenu, "video-quality-menu", kNever, [](Tfm_main &w) { H::sideMenu(w, C::VideoQualityMenu); },
     "video_quality"},
    {C::AudioQualityMenu, "audio-quality-menu", kNever, [](Tfm_main &w) { H::sideMenu(w, C::AudioQualityMenu); },
     "audio_quality"},
    {C::ChannelMenu, "channel-menu", kNever, [](Tfm_main &w) { H::sideMenu(w, C::ChannelMenu); }, "channels"},
};

MainCommand skinClickCommand(const QString &objectName)
{
    for (const MainCommandRow &row : MainCommandHandlers::kCommands)
        for (const char *skinObject : row.skinObjects)
            if (skinObject && objectName == QLatin1StringView(skinObject))
                return row.command;
    return MainCommand::None;
}

const MainCommandRow *mainCommandRow(MainCommand command)
{
    for (const MainCommandRow &row : MainCommandHandlers::kCommands)
        if (row.command == command)
            return &row;
    return nullptr;
}
