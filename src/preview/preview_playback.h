#pragma once
// Playback control of the preview: play the selected job list row into the
// panel, pause, stop, step to the previous or next row, seek with the
// position sliders, and follow the player's position on the time display,
// the slider and the fill bar of the main window (or of the clip cutter while
// it is open). The end of the media stops the preview.
//
// Owns the preview state (preview row, paused, slider drag, cutter open, the
// position clock) and its timers: `play_time` (1000 ms: the position clock,
// the end and stall tests), a display refresh ten times a second, and
// `Timer1` (10 ms, deferred stop); and the previewing flag that the command
// availability rule reads.

#include "engine/busy_state.h"
#include "platform/skin/position_bar.h"
#include "preview/preview_host.h"
#include "preview/preview_position.h"

#include <QObject>
#include <QTimer>
#include <optional>

class QWidget;
class SkinObject;

// The skin objects one window shows the preview position on; absent objects
// are skipped.
struct PositionDisplay {
    SkinObject *timeText = nullptr; // "play_time" / "cut_play_time"
    SkinObject *slider = nullptr;   // "play_bar" / "cut_play_bar"
    PositionBar fill;               // "playpos" / "cutplaypos"
};

struct PreviewDisplay {
    QWidget *panel = nullptr;       // the main window's pl_play: the video plays in its native window
    QWidget *cutterPanel = nullptr; // the clip cutter's pl_play; nullptr without a cutter
    PositionDisplay main;           // the main window's objects
    PositionDisplay cutter;         // the clip cutter's objects
};

// The two position sliders: "play_bar" (main window), "cut_play_bar" (cutter).
enum class PositionSlider { Play, Cut };
std::optional<PositionSlider> positionSliderNamed(const QString &objectName);

class PreviewPlayback : public QObject {
    Q_OBJECT
public:
    // A panel becomes a native window when it first plays. All references
    // must outlive this object.
    // It sets the previewing and cutter-open flags of `busy`.
    PreviewPlayback(PreviewEngine &engine, PreviewHost &host, PreviewDisplay display, BusyState &busy,
                    QObject *parent = nullptr);
    // Ends a running preview's player; touches neither the host nor the display.
    ~PreviewPlayback() override;

    // Play (bt_play): plays the selected row; resumes a paused preview.
    // Refused with message 26 while converting.
    void playSelectedRow();
    // The stop handling (bt_playstop, "stop", the end of the media, closing).
    void stopPreview();
    // Pause ("pause"): toggles between paused and playing while previewing.
    void togglePause();
    // Back (bt_back) and Forward (bt_next): stop, then play the previous or
    // next row. On the first or last row only the selection is cleared.
    void stepBack();
    void stepForward();
    // The clip cutter's Play ("play"): plays `row` into the cutter's panel,
    // or resumes a paused preview. Writes no Status cell. Refused with
    // message 26 while converting.
    void playInCutter(int row);
    // Continues playback from `seconds` (the cutter's 30-second steps) and
    // shows that position. Only while previewing.
    void seekTo(qint32 seconds);
    // The row click: the row the sliders and a later Play refer to. Ignored
    // while previewing.
    void setPreviewRow(int row);
    // While the cutter is open the position shows on its objects.
    void setCutterOpen(bool open) { m_busy.set(Busy::CutterOpen, open); }
    // The clip cutter's panel and objects, for a cutter window made after
    // this object; they replace those given at construction.
    void setCutterDisplay(QWidget *panel, const PositionDisplay &objects);

    // Mouse down, scroll track and mouse up on a position slider.
    void sliderPress(PositionSlider slider);
    void sliderTrack(PositionSlider slider);
    void sliderRelease(PositionSlider slider);

    // Timer handlers, public for the window's tests.
    void play_timeTimer();
    void Timer1Timer();

    bool previewing() const { return m_busy.previewing(); }
    // The position of the frame on screen, in seconds from the start of the
    // preview row's source, taken from the player at the call; nullopt when
    // no preview plays.
    std::optional<double> position() const;
    // Seconds the preview row's bar spans; 0 when unknown.
    qint32 rowLength() const;
    bool paused() const { return m_paused; }
    bool sliderDragging() const { return m_sliderDrag; }
    bool cutterOpen() const { return m_busy.cutterOpen(); }
    int previewRow() const { return m_row; }
    const PreviewSource &previewSource() const { return m_source; }
    const PreviewClock &clock() const { return m_clock; }
    const QTimer &positionTimer() const { return m_positionTimer; }
    const QTimer &endTimer() const { return m_endTimer; }

private:
    enum class Panel { Main, Cutter };
    void startPreview(Panel panel);
    void playbackEnded(const PreviewEnd &end);
    void step(int by);
    void refreshPosition();
    // Shows the elapsed time on the time text, slider and fill of the window
    // the preview plays in (slider and fill stay while dragged), on a bar
    // spanning `length` seconds.
    void showPosition(double seconds, qint32 length);
    PositionDisplay &displayOf(PositionSlider slider);
    void setRowStatus(JobState state);

    PreviewEngine &m_engine;
    PreviewHost &m_host;
    PreviewDisplay m_display;
    BusyState &m_busy;

    int m_row = 0;
    PreviewSource m_source;
    bool m_paused = false;
    bool m_sliderDrag = false;
    bool m_writesStatus = false; // the main window's preview shows its state in the row's Status cell
    bool m_statusShown = false;  // the preview row's Status cell shows "Play" or "Pause"
    double m_reported = 0.0;     // the player's last position
    PreviewClock m_clock;
    QTimer m_positionTimer; // `play_time`
    QTimer m_refreshTimer;
    QTimer m_endTimer; // `Timer1`
};
