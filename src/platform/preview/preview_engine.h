#pragma once
// The preview player: plays one source into a panel of a window and reports
// the playback position. The playback control drives it through this
// interface; MpvPreviewEngine is the real player, tests use a fake.
//
// Calling order for one preview: InitPreviewWindow, SetEventFuntion, Seek
// (where playback starts), Play, any number of Seek and Pause calls, then Stop
// and DestroyPreviewWindow. Every call returns at once; every event arrives on
// the thread that called InitPreviewWindow (the main thread).

#include <QString>
#include <QtGlobal>
#include <functional>
#include <optional>
#include <vector>

// A stretch of a DVD title set's title VOBs, in 2048-byte sectors counted from
// the start of those VOBs; both ends included.
struct DvdSectorRange {
    qint32 first = 0;
    qint32 last = 0;
    bool operator==(const DvdSectorRange &) const = default;
};

// What a DVD title or chapter row plays: its sectors, read in order as one
// stream, and the tracks the user chose for it.
struct DvdPreviewSource {
    QString dvdFolder; // the folder holding VIDEO_TS, or VIDEO_TS itself
    qint32 titleSet = 1;
    std::vector<DvdSectorRange> sectors;
    qint32 audioStreamId = -1; // DVD stream id (0x80 + n AC-3, 0xC0 + n MPEG, 0xA0 + n LPCM); -1: the player's choice
    qint32 subtitleStreamId = -1; // 0x20 + n; -1: no subtitle
    bool operator==(const DvdPreviewSource &) const = default;
};

// What one preview plays: a media file, or the sectors of a DVD row.
struct PreviewSource {
    QString path;                        // the media file; empty for a DVD row
    std::optional<DvdPreviewSource> dvd; // set for a DVD row
    bool operator==(const PreviewSource &) const = default;
};

// How the source of the last Play ended by itself.
struct PreviewEnd {
    bool failed = false; // it could not be played (missing file, unknown format, unreadable sectors)
    QString reason;      // the player's words for the failure; empty at the end of the media
};

struct PreviewEvents {
    // The position in seconds on the player's time scale, many times a second
    // while a source plays.
    std::function<void(double seconds)> position;
    // The source of the last Play reached its end or failed; never after Stop.
    std::function<void(const PreviewEnd &end)> ended;
};

class PreviewEngine {
public:
    virtual ~PreviewEngine() = default;

    // Shows the video inside the native window `window` (an X window id) of
    // the given size from now on. False when the player cannot be set up;
    // errorText() then says why and what to do.
    virtual bool InitPreviewWindow(quintptr window, qint32 width, qint32 height) = 0;
    // Empty when the player can show its picture in this program's windows;
    // otherwise why not and what to do. Asked before InitPreviewWindow, so
    // that no panel becomes a native window for nothing.
    virtual QString windowSystemProblem() const = 0;
    virtual QString errorText() const = 0;
    // Replaces the receivers of positions and of the end of playback.
    virtual void SetEventFuntion(PreviewEvents events) = 0;
    // Playback continues from `seconds`; before Play it sets where playback starts.
    virtual void Seek(qint32 seconds) = 0;
    // Starts playing the source (playing, not paused) and returns at once.
    virtual void Play(const PreviewSource &source) = 0;
    // The position of the frame on screen now, on the time scale of the
    // position events; nullopt while no source plays.
    virtual std::optional<double> position() const = 0;
    // Each call toggles between paused and playing.
    virtual void Pause() = 0;
    // Ends playback; no end event follows.
    virtual void Stop() = 0;
    // Releases what InitPreviewWindow set up, the player's threads included.
    // A second call does nothing.
    virtual void DestroyPreviewWindow() = 0;
};
