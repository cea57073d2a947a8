#pragma once
// The clip cutter's commands: open its window on the job list, show a row's
// clip, play the row into the cutter's own panel, mark the clip's begin and
// end on the frame shown (to the hundredth), step 30 seconds (skin objects)
// or 5 seconds (arrow keys) back or forward, and on close give every job the
// length of its clip. The clip ranges live in the job records; the preview
// state is the playback's.

#include "engine/timecode.h"

#include <QObject>
#include <QString>
#include <optional>

class JobModel;
class PreviewPlayback;
class Prompts;
class SkinObject;
class Tfm_dvdcutter;

// The cutter's skin objects it reads and writes; absent ones are skipped.
struct CutterSkinObjects {
    SkinObject *cut_begin_time = nullptr;
    SkinObject *cut_end_time = nullptr;
    SkinObject *cut_play_time = nullptr;
    SkinObject *cut_play_bar = nullptr;
};

class ClipCutter : public QObject {
    Q_OBJECT
public:
    // `mainWindow` is where the cutter window is placed against.
    ClipCutter(Tfm_dvdcutter &window, QWidget &mainWindow, JobModel &jobs, PreviewPlayback &playback, Prompts &prompts,
               CutterSkinObjects objects, QObject *parent = nullptr);

    // Shows the window modally; the caller has checked that nothing is busy.
    void open();

    // The cutter window's commands. They act only while it is open.
    void play();
    void setBegin();
    void setEnd();
    // Space: play, or pause and continue while playing.
    void togglePlay();
    void stepBack();
    void stepForward();
    void nudgeBack();
    void nudgeForward();
    // Where a mark would be set now ("HH:MM:SS.cc"), for a snapshot of the
    // frame shown; nullopt when the cutter shows no row.
    std::optional<QString> markText() const;
    // "cutclose": the preview stops, then the window closes.
    void closeCutter();

private:
    void FormShow();
    void FormClose();
    void lvClick();
    // The preview row, when the cutter is open on a row that exists.
    std::optional<int> markedRow() const;
    qint32 shownSecond() const;
    Hundredths markHere() const;
    enum class ClipEdge { Begin, End };
    void mark(ClipEdge edge);
    void nudge(qint32 seconds);

    Tfm_dvdcutter &m_window;
    QWidget &m_mainWindow;
    JobModel &m_jobs;
    PreviewPlayback &m_playback;
    Prompts &m_prompts;
    CutterSkinObjects m_objects;
};
