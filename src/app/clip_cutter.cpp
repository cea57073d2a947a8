#include "app/clip_cutter.h"

#include "engine/timecode.h"
#include "jobs/job_model.h"
#include "platform/skin/skin_writes.h"
#include "preview/clip_marks.h"
#include "preview/preview_playback.h"
#include "ui_text/prompts.h"
#include "windows/tfm_dvdcutter.h"

namespace {

constexpr int kBelowMainTop = 80;
constexpr qint32 kNudgeSeconds = 5;
const QString kZeroTime = QStringLiteral("00:00:00.00");

} // namespace

ClipCutter::ClipCutter(Tfm_dvdcutter &window, QWidget &mainWindow, JobModel &jobs, PreviewPlayback &playback,
                       Prompts &prompts, CutterSkinObjects objects, QObject *parent)
    : QObject(parent),
      m_window(window),
      m_mainWindow(mainWindow),
      m_jobs(jobs),
      m_playback(playback),
      m_prompts(prompts),
      m_objects(objects)
{
    connect(&m_window, &Tfm_dvdcutter::shown, this, &ClipCutter::FormShow);
    connect(&m_window, &Tfm_dvdcutter::rowClicked, this, &ClipCutter::lvClick);
    connect(&m_window, &QDialog::finished, this, &ClipCutter::FormClose);
}

void ClipCutter::open()
{
    // Modal, without a nested event loop: the main window's commands stay
    // blocked while the cutter is shown.
    m_window.setWindowModality(Qt::ApplicationModal);
    m_window.show();
    // Its keys act in the active window.
    m_window.activateWindow();
}

void ClipCutter::FormShow()
{
    m_playback.setCutterOpen(true);
    m_window.move(m_mainWindow.frameGeometry().left(), m_mainWindow.frameGeometry().top() + kBelowMainTop);
    std::vector<Tfm_dvdcutter::Row> rows;
    for (int row = 0; row < m_jobs.rowCount(); ++row) {
        const ClipRange range = clipRangeOf(m_jobs.clip(row));
        rows.push_back({m_jobs.caption(row), hundredthsToTimeCode(range.begin), hundredthsToTimeCode(range.end)});
    }
    m_window.showRows(rows);
    // The cutter opens on the row selected in the job list.
    if (!rows.empty())
        m_window.selectRow(m_jobs.selectedRow().value_or(0));
}

void ClipCutter::lvClick()
{
    const std::optional<int> row = m_window.selectedRow();
    if (!row || m_playback.previewing() || *row >= m_jobs.rowCount())
        return;
    m_playback.setPreviewRow(*row);
    writeSkinSliderPosition(m_objects.cut_play_bar, 0);
    const ClipRange range = clipRangeOf(m_jobs.clip(*row));
    writeSkinText(m_objects.cut_begin_time, hundredthsToTimeCode(range.begin));
    writeSkinText(m_objects.cut_end_time, hundredthsToTimeCode(range.end));
    writeSkinText(m_objects.cut_play_time, kZeroTime);
}

void ClipCutter::play()
{
    if (!m_playback.cutterOpen())
        return;
    if (const std::optional<int> row = m_window.selectedRow())
        m_playback.playInCutter(*row);
}

std::optional<int> ClipCutter::markedRow() const
{
    const int row = m_playback.previewRow();
    if (!m_playback.cutterOpen() || row < 0 || row >= m_jobs.rowCount())
        return std::nullopt;
    return row;
}

qint32 ClipCutter::shownSecond() const
{
    return m_objects.cut_play_time ? timeCodeToSeconds(m_objects.cut_play_time->text()) : 0;
}

// The frame on screen while a preview plays (asked of the player at the
// press, not the last display refresh); otherwise the shown time.
Hundredths ClipCutter::markHere() const
{
    if (const std::optional<double> position = m_playback.position())
        return markAt(*position, isDvdRow(m_jobs.job(m_playback.previewRow())));
    return m_objects.cut_play_time ? timeCodeToHundredths(m_objects.cut_play_time->text()) : 0;
}

std::optional<QString> ClipCutter::markText() const
{
    if (!markedRow())
        return std::nullopt;
    return hundredthsToTimeCode(markHere());
}

// A mark that would leave the clip empty or reversed is refused: its length
// would be negative or nothing would be converted.
void ClipCutter::setBegin()
{
    mark(ClipEdge::Begin);
}

void ClipCutter::setEnd()
{
    mark(ClipEdge::End);
}

void ClipCutter::mark(ClipEdge edge)
{
    const std::optional<int> row = markedRow();
    if (!row)
        return;
    const Hundredths here = markHere();
    const QString shown = hundredthsToTimeCode(here);
    const ClipRange range = clipRangeOf(m_jobs.clip(*row));
    const bool begin = edge == ClipEdge::Begin;
    const std::optional<ClipRange> marked = begin ? withBegin(range, here) : withEnd(range, here);
    if (!marked) {
        m_prompts.warning(begin ? QStringLiteral("The clip cannot begin at %1, at or after its end (%2). Set its end "
                                                 "later first, or choose an earlier begin.")
                                      .arg(shown, hundredthsToTimeCode(range.end))
                                : QStringLiteral("The clip cannot end at %1, at or before its begin (%2). Set its "
                                                 "begin earlier first, or choose a later end.")
                                      .arg(shown, hundredthsToTimeCode(range.begin)));
        return;
    }
    m_jobs.setClipRange(*row, *marked);
    writeSkinText(begin ? m_objects.cut_begin_time : m_objects.cut_end_time, shown);
    if (begin)
        m_window.setBeginText(*row, shown);
    else
        m_window.setEndText(*row, shown);
}

void ClipCutter::togglePlay()
{
    if (m_playback.previewing())
        m_playback.togglePause();
    else
        play();
}

// The short steps of the arrow keys, from the frame on screen; forward only
// while the target stays before the end.
void ClipCutter::nudge(qint32 seconds)
{
    if (!markedRow() || !m_playback.previewing())
        return;
    const qint32 target = qint32(markHere() / 100) + seconds;
    if (target < m_playback.rowLength() || seconds < 0)
        m_playback.seekTo(qMax(target, 0));
}

void ClipCutter::nudgeBack()
{
    nudge(-kNudgeSeconds);
}

void ClipCutter::nudgeForward()
{
    nudge(kNudgeSeconds);
}

void ClipCutter::stepBack()
{
    if (!markedRow())
        return;
    if (const std::optional<qint32> target = stepBackTarget(shownSecond()))
        m_playback.seekTo(*target);
}

void ClipCutter::stepForward()
{
    const std::optional<int> row = markedRow();
    if (!row)
        return;
    if (const std::optional<qint32> target = stepForwardTarget(shownSecond(), m_playback.rowLength()))
        m_playback.seekTo(*target);
}

void ClipCutter::closeCutter()
{
    m_playback.stopPreview();
    m_window.close();
}

// Every job converts its clip from now on: its duration is the clip's length.
void ClipCutter::FormClose()
{
    if (m_playback.previewing())
        m_playback.stopPreview();
    for (int row = 0; row < m_jobs.rowCount(); ++row)
        m_jobs.setDuration(row, secondsToTimeCode(int(clipLength(clipRangeOf(m_jobs.clip(row))) / 100)));
    m_playback.setCutterOpen(false);
}
