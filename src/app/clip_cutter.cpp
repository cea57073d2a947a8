#include "app/clip_cutter.h"

#include "app/tfm_dvdcutter.h"
#include "engine/timecode.h"
#include "jobs/job_model.h"
#include "platform/skin/skin_writes.h"
#include "preview/clip_marks.h"
#include "preview/preview_playback.h"
#include "preview/preview_position.h"
#include "ui_text/prompts.h"

namespace {

constexpr int kBelowMainTop = 80;
const QString kZeroTime = QStringLiteral("00:00:00");

ClipRange clipRangeOf(const TClipInfo &clip)
{
    return {clip.clipBegin, clip.clipEnd};
}

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
}

void ClipCutter::FormShow()
{
    m_playback.setCutterOpen(true);
    m_window.move(m_mainWindow.frameGeometry().left(), m_mainWindow.frameGeometry().top() + kBelowMainTop);
    std::vector<Tfm_dvdcutter::Row> rows;
    for (int row = 0; row < m_jobs.rowCount(); ++row) {
        const TClipInfo &clip = m_jobs.clip(row);
        rows.push_back({m_jobs.caption(row), secondsToTimeCode(clip.clipBegin), secondsToTimeCode(clip.clipEnd)});
    }
    m_window.showRows(rows);
    if (!rows.empty())
        m_window.selectRow(0);
}

void ClipCutter::lvClick()
{
    const std::optional<int> row = m_window.selectedRow();
    if (!row || m_playback.previewing() || *row >= m_jobs.rowCount())
        return;
    m_playback.setPreviewRow(*row);
    writeSkinSliderPosition(m_objects.cut_play_bar, 0);
    const TClipInfo &clip = m_jobs.clip(*row);
    writeSkinText(m_objects.cut_begin_time, secondsToTimeCode(clip.clipBegin));
    writeSkinText(m_objects.cut_end_time, secondsToTimeCode(clip.clipEnd));
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

// A mark that would leave the clip empty or reversed is refused: its length
// would be negative or nothing would be converted.
void ClipCutter::setBegin()
{
    const std::optional<int> row = markedRow();
    if (!row)
        return;
    const QString shown = secondsToTimeCode(shownSecond());
    const ClipRange range = clipRangeOf(m_jobs.clip(*row));
    const std::optional<ClipRange> marked = withBegin(range, shownSecond());
    if (!marked) {
        m_prompts.warning(QStringLiteral("The clip cannot begin at %1, at or after its end (%2). Set its end later "
                                         "first, or choose an earlier begin.")
                              .arg(shown, secondsToTimeCode(range.end)));
        return;
    }
    m_jobs.setClipRange(*row, marked->begin, marked->end);
    writeSkinText(m_objects.cut_begin_time, shown);
    m_window.setBeginText(*row, shown);
}

void ClipCutter::setEnd()
{
    const std::optional<int> row = markedRow();
    if (!row)
        return;
    const QString shown = secondsToTimeCode(shownSecond());
    const ClipRange range = clipRangeOf(m_jobs.clip(*row));
    const std::optional<ClipRange> marked = withEnd(range, shownSecond());
    if (!marked) {
        m_prompts.warning(QStringLiteral("The clip cannot end at %1, at or before its begin (%2). Set its begin "
                                         "earlier first, or choose a later end.")
                              .arg(shown, secondsToTimeCode(range.begin)));
        return;
    }
    m_jobs.setClipRange(*row, marked->begin, marked->end);
    writeSkinText(m_objects.cut_end_time, shown);
    m_window.setEndText(*row, shown);
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
    const Job &job = m_jobs.job(*row);
    const qint32 length = previewLength(job.clip.fullDuration, timeCodeToSeconds(job.original.duration));
    if (const std::optional<qint32> target = stepForwardTarget(shownSecond(), length))
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
        m_jobs.setDuration(row, secondsToTimeCode(clipLength(clipRangeOf(m_jobs.clip(row)))));
    m_playback.setCutterOpen(false);
}
