#include "preview/preview_playback.h"

#include "engine/progress.h"
#include "engine/timecode.h"
#include "platform/skin/skin_writes.h"
#include "preview/clip_marks.h"

#include <QCoreApplication>
#include <QWidget>

namespace {

qint32 sliderPosition(SkinObject *object)
{
    if (!object || !object->sliderFacet())
        return 0;
    return qMin(object->sliderFacet()->position(), kProgressFull);
}

const QString kZeroTime = QStringLiteral("00:00:00");
constexpr int kRefreshMilliseconds = 100;

} // namespace

std::optional<PositionSlider> positionSliderNamed(const QString &objectName)
{
    if (objectName == QLatin1String("play_bar"))
        return PositionSlider::Play;
    if (objectName == QLatin1String("cut_play_bar"))
        return PositionSlider::Cut;
    return std::nullopt;
}

PreviewPlayback::PreviewPlayback(PreviewEngine &engine, PreviewHost &host, PreviewDisplay display, BusyState &busy,
                                 QObject *parent)
    : QObject(parent),
      m_engine(engine),
      m_host(host),
      m_display(std::move(display)),
      m_busy(busy)
{
    m_positionTimer.setObjectName(QStringLiteral("play_time"));
    m_positionTimer.setInterval(1000);
    connect(&m_positionTimer, &QTimer::timeout, this, &PreviewPlayback::play_timeTimer);
    // The time display follows the player between the position ticks.
    m_refreshTimer.setInterval(kRefreshMilliseconds);
    connect(&m_refreshTimer, &QTimer::timeout, this, &PreviewPlayback::refreshPosition);
    m_endTimer.setObjectName(QStringLiteral("Timer1"));
    m_endTimer.setInterval(10);
    connect(&m_endTimer, &QTimer::timeout, this, &PreviewPlayback::Timer1Timer);
}

PreviewPlayback::~PreviewPlayback()
{
    if (m_busy.previewing()) {
        m_engine.Stop();
        m_engine.DestroyPreviewWindow();
    }
}

void PreviewPlayback::playSelectedRow()
{
    const std::optional<int> selected = m_host.selectedRow();
    if (!selected)
        return;
    if (m_busy.converting()) // the command table refuses a preview during a batch
        return;
    if (m_paused)
        togglePause();
    if (m_busy.previewing())
        return;
    m_busy.set(Busy::Previewing, true);
    m_row = *selected;
    startPreview(Panel::Main);
}

void PreviewPlayback::playInCutter(int row)
{
    if (!m_display.cutterPanel || row < 0 || row >= m_host.rowCount())
        return;
    if (m_busy.converting())
        return;
    if (m_paused)
        togglePause();
    if (m_busy.previewing())
        return;
    m_busy.set(Busy::Previewing, true);
    m_row = row;
    startPreview(Panel::Cutter);
}

void PreviewPlayback::startPreview(Panel target)
{
    m_clock = PreviewClock{};
    m_reported = 0.0;
    m_writesStatus = target == Panel::Main;
    QWidget *panel = target == Panel::Main ? m_display.panel : m_display.cutterPanel;
    QString problem = m_engine.windowSystemProblem();
    if (problem.isEmpty()) {
        // The player draws into the panel's own X window, made at the first
        // preview. Its siblings stay drawn by Qt: by default they would all
        // become X windows too, which costs the window's first show and paint.
        QCoreApplication::setAttribute(Qt::AA_DontCreateNativeWidgetSiblings);
        panel->setAttribute(Qt::WA_NativeWindow);
        panel->show();
        if (!m_engine.InitPreviewWindow(panel->winId(), panel->width(), panel->height()))
            problem = m_engine.errorText();
    }
    if (!problem.isEmpty()) {
        // Back to idle, so that neither the preview nor a conversion is blocked.
        stopPreview();
        m_host.reportError(problem);
        return;
    }
    m_engine.SetEventFuntion({[this](double seconds) {
                                  m_reported = seconds;
                                  takeStartOffset(m_clock, seconds);
                              },
                              [this](const PreviewEnd &end) { playbackEnded(end); }});
    m_engine.Seek(0);
    setRowStatus(JobState::Playing);
    m_source = m_host.source(m_row);
    m_engine.Play(m_source);
    m_positionTimer.start();
    m_refreshTimer.start();
}

void PreviewPlayback::playbackEnded(const PreviewEnd &end)
{
    if (!m_busy.previewing())
        return;
    stopPreview();
    if (end.failed) {
        const QString what = m_source.path.isEmpty() ? QStringLiteral("this DVD row") : m_source.path;
        m_host.reportError(QStringLiteral("The preview cannot play %1: %2. Check that it still exists and can be read.")
                               .arg(what, end.reason));
    }
}

void PreviewPlayback::setCutterDisplay(QWidget *panel, const PositionDisplay &objects)
{
    m_display.cutterPanel = panel;
    m_display.cutter = objects;
}

void PreviewPlayback::stopPreview()
{
    if (m_busy.previewing()) {
        m_busy.set(Busy::Previewing, false);
        // The player's Destroy waits for its threads, so no pause is needed between the two.
        m_engine.Stop();
        m_engine.DestroyPreviewWindow();
    }
    if (m_statusShown)
        setRowStatus(JobState::Stopped);
    m_display.panel->hide();
    if (m_display.cutterPanel)
        m_display.cutterPanel->hide();
    m_positionTimer.stop();
    m_refreshTimer.stop();
    m_endTimer.stop();
    writeSkinSliderPosition(m_display.main.slider, 0);
    m_display.main.fill.show(0);
    m_display.cutter.fill.show(0);
    writeSkinText(m_display.main.timeText, kZeroTime);
    // A new preview starts unpaused.
    m_paused = false;
}

void PreviewPlayback::togglePause()
{
    if (!m_busy.previewing())
        return;
    m_paused = !m_paused;
    m_engine.Pause();
    if (m_paused) {
        m_positionTimer.stop();
        setRowStatus(JobState::Paused);
    } else {
        m_positionTimer.start();
        setRowStatus(JobState::Playing);
    }
}

void PreviewPlayback::stepBack()
{
    step(-1);
}

void PreviewPlayback::stepForward()
{
    step(+1);
}

void PreviewPlayback::step(int by)
{
    m_host.clearSelection();
    const int target = m_row + by;
    if (target < 0 || target >= m_host.rowCount())
        return;
    stopPreview();
    m_row = target;
    m_host.selectRow(target);
    playSelectedRow();
}

void PreviewPlayback::seekTo(qint32 seconds)
{
    if (!m_busy.previewing())
        return;
    m_positionTimer.stop();
    m_engine.Seek(seconds);
    m_clock.seekTarget = seconds;
    // Shown at once, also while paused, so a mark set next takes it.
    showPosition(seconds, rowLength());
    if (!m_paused)
        m_positionTimer.start();
}

void PreviewPlayback::setPreviewRow(int row)
{
    if (!m_busy.previewing())
        m_row = row;
}

void PreviewPlayback::setRowStatus(JobState state)
{
    if (!m_writesStatus)
        return;
    m_host.setRowStatus(m_row, state);
    m_statusShown = state != JobState::Stopped;
}

qint32 PreviewPlayback::rowLength() const
{
    if (m_row < 0 || m_row >= m_host.rowCount())
        return 0;
    return m_host.length(m_row);
}

std::optional<double> PreviewPlayback::position() const
{
    if (!m_busy.previewing())
        return std::nullopt;
    return m_engine.position().value_or(m_reported) - m_clock.startOffset;
}

PositionDisplay &PreviewPlayback::displayOf(PositionSlider slider)
{
    return slider == PositionSlider::Play ? m_display.main : m_display.cutter;
}

void PreviewPlayback::play_timeTimer()
{
    const qint32 length = rowLength();
    const PreviewTick tick = previewTick(m_clock, m_reported, length);
    if (tick.endNear)
        m_endTimer.start();
    if (tick.stalled) {
        stopPreview();
        return;
    }
    if (tick.shownSecond)
        showPosition(m_reported - m_clock.startOffset, length);
}

// Between the ticks, while the position is followed (not paused, not
// dragged), the display shows where the player is.
void PreviewPlayback::refreshPosition()
{
    if (!m_positionTimer.isActive() || m_sliderDrag || m_clock.awaitingStart)
        return;
    const double elapsed = m_reported - m_clock.startOffset;
    if (wholeSeconds(elapsed) >= m_clock.seekTarget)
        showPosition(elapsed, rowLength());
}

// The main window shows whole seconds, the cutter's time text hundredths:
// its marks take them.
void PreviewPlayback::showPosition(double seconds, qint32 length)
{
    const bool inCutter = m_busy.cutterOpen();
    PositionDisplay &display = inCutter ? m_display.cutter : m_display.main;
    const Hundredths hundredths = markAt(seconds, false);
    writeSkinText(display.timeText,
                  inCutter ? hundredthsToTimeCode(hundredths) : secondsToTimeCode(wholeSeconds(seconds)));
    if (!m_sliderDrag) {
        const qint32 value = positionBarValue(wholeSeconds(seconds), length);
        writeSkinSliderPosition(display.slider, value);
        display.fill.show(value);
    }
}

void PreviewPlayback::Timer1Timer()
{
    m_endTimer.stop();
    stopPreview();
}

void PreviewPlayback::sliderPress(PositionSlider)
{
    if (m_busy.converting())
        return;
    m_sliderDrag = true;
    // The display stops following the player while the user drags.
    if (m_busy.previewing())
        m_positionTimer.stop();
}

void PreviewPlayback::sliderTrack(PositionSlider slider)
{
    if (!m_sliderDrag || m_host.rowCount() == 0)
        return;
    PositionDisplay &display = displayOf(slider);
    const qint32 value = sliderPosition(display.slider);
    const qint32 target = sliderSecond(value, rowLength());
    writeSkinText(display.timeText, slider == PositionSlider::Cut ? hundredthsToTimeCode(Hundredths(target) * 100)
                                                                  : secondsToTimeCode(target));
    display.fill.show(value);
    if (m_busy.previewing())
        m_engine.Seek(target);
}

void PreviewPlayback::sliderRelease(PositionSlider slider)
{
    if (m_busy.previewing() && !m_busy.converting()) {
        PositionDisplay &display = displayOf(slider);
        const qint32 value = sliderPosition(display.slider);
        const qint32 target = sliderSecond(value, rowLength()) + m_clock.startOffset;
        m_engine.Seek(target);
        m_clock.seekTarget = target;
        // A paused player reports no movement: its timer would take the
        // standstill for a stall and end the preview.
        if (!m_paused)
            m_positionTimer.start();
        display.fill.show(value);
    }
    m_sliderDrag = false;
}
