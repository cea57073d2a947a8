// The main window's preview: the playback over the preview player, the clip
// cutter and the snapshot, and the routing of their commands.

#include "app/tfm_main.h"

#include "app/clip_cutter.h"
#include "app/dvd_preview_source.h"
#include "app/main_preview_host.h"
#include "app/tfm_dvdcutter.h"
#include "engine/timecode.h"
#include "jobs/argument_pieces.h"
#include "jobs/batch.h"
#include "jobs/job_list.h"
#include "jobs/profile_choices.h"
#include "preview/snapshot.h"

#include <QFrame>
#include <QLineEdit>

namespace {

void cutterCommand(ClipCutter &cutter, MainCommand command)
{
    using C = MainCommand;
    switch (command) {
    case C::CutterPlay:
        cutter.play();
        break;
    case C::CutterBegin:
        cutter.setBegin();
        break;
    case C::CutterEnd:
        cutter.setEnd();
        break;
    case C::CutterBack:
        cutter.stepBack();
        break;
    case C::CutterForward:
        cutter.stepForward();
        break;
    case C::CloseCutter:
        cutter.closeCutter();
        break;
    default:
        break;
    }
}

} // namespace

// The player itself (libmpv) is loaded only by the first Play, the clip
// cutter with its window when it first opens.
void Tfm_main::createPreview()
{
    m_previewHost =
        std::make_unique<MainPreviewHost>(*m_jobs, m_messages, m_prompts,
                                          MainPreviewHost::Hooks{.converting = [this] { return isConverting(); },
                                                                 .refreshCommands = [this] { refreshCommands(); }});
    PreviewDisplay display = m_previewDisplay;
    display.panel = pl_play;
    m_playback = std::make_unique<PreviewPlayback>(*m_previewEngine, *m_previewHost, display);
    m_snapshot = std::make_unique<Snapshot>(m_run, m_messages, m_prompts, [this] { return isConverting(); });
    connect(m_snapshot.get(), &Snapshot::saved, this,
            [this](const QString &image) { setSkinText(m_skinRefs.hint, QStringLiteral("Image saved: ") + image); });
    if (const std::optional<int> row = m_jobs->selectedRow())
        m_playback->setPreviewRow(*row);
}

void Tfm_main::previewCommand(MainCommand command)
{
    // Created at the first show, before any command can arrive.
    if (!m_playback)
        return;
    PreviewPlayback &playback = *m_playback;
    using C = MainCommand;
    switch (command) {
    case C::StartPreview:
        playback.playSelectedRow();
        break;
    case C::StopPreview:
        playback.stopPreview();
        break;
    case C::PausePreview:
        playback.togglePause();
        break;
    case C::StepBack:
        playback.stepBack();
        break;
    case C::StepForward:
        playback.stepForward();
        break;
    case C::Snapshot:
        takeSnapshot();
        break;
    case C::OpenCutter:
    case C::CutterChecks:
        openCutter();
        break;
    case C::CutterPlay:
    case C::CutterBegin:
    case C::CutterEnd:
    case C::CutterBack:
    case C::CutterForward:
    case C::CloseCutter:
        // They act only while the cutter is open, so never before its window is made.
        if (m_cutter)
            cutterCommand(*m_cutter, command);
        break;
    default:
        break;
    }
}

// The Cut button and the skin object "cutter" open the cutter unless the
// preview plays, a batch converts or the list shows chapters.
void Tfm_main::openCutter()
{
    if (isPreviewing())
        m_messages.warning(Message::Previewing);
    else if (isConverting())
        m_messages.warning(Message::Converting);
    else if (!listingTitles())
        m_messages.warning(Message::ChapterMode);
    else {
        fm_dvdcutter(); // the window and its commands, at the first opening
        m_cutter->open();
    }
}

// The image of the preview row at the position the main window shows.
void Tfm_main::takeSnapshot()
{
    const int row = m_playback->previewRow();
    if (row < 0 || row >= m_jobs->rowCount())
        return;
    const Job &job = m_jobs->job(row);
    const Toriginalinfo &source = job.original;
    const QString timeText = m_skinRefs.play_time ? m_skinRefs.play_time->text() : QStringLiteral("00:00:00");
    const bool dvdRow = isDvdRow(job);
    m_snapshot->take({.inputPath = dvdRow ? dvdSnapshotInputOf(job.convert, job.clip, timeCodeToSeconds(timeText))
                                          : source.sourcePath,
                      .caption = m_jobs->caption(row),
                      .outputFolder = ed_output->text(),
                      .sizePiece = sizePiece(source, profileChoices()),
                      .timeText = timeText});
}
