#pragma once
// The preview player over libmpv. libmpv is loaded by the first
// InitPreviewWindow, never at program start. Each preview gets its own mpv
// player, embedded in the panel's native X window (XWayland's in a Wayland
// session: the program's windows run there) with a fixed video output
// (one output, never a list to try: trying others broke the X connection).
// Events of mpv's threads are handed to the thread that created the engine
// and delivered there.

#include "platform/preview/mpv_dvd_protocol.h"
#include "platform/preview/preview_engine.h"

#include <QByteArray>
#include <QObject>
#include <atomic>
#include <cstdint>
#include <initializer_list>
#include <utility>
#include <vector>

struct mpv_handle;
struct mpv_event;
struct mpv_event_end_file;
struct MpvLibrary;

struct MpvPreviewSettings {
    bool nullOutputs = false; // vo=null and ao=null: no picture, no sound device (headless runs and tests)
    bool untimed = false;     // decode as fast as possible, to reach the end quickly (tests)
};

// Null outputs when the environment holds VELTRIX_PREVIEW_OUTPUT=null
// (running the program without a display); otherwise the window output.
MpvPreviewSettings mpvPreviewSettingsFromEnvironment();

// The mpv options of one preview into the native window `window`, in the
// order they are set.
std::vector<std::pair<QByteArray, QByteArray>> mpvPreviewOptions(const MpvPreviewSettings &settings, quintptr window);

class MpvPreviewEngine : public QObject, public PreviewEngine {
    Q_OBJECT
public:
    explicit MpvPreviewEngine(MpvPreviewSettings settings = mpvPreviewSettingsFromEnvironment(),
                              QObject *parent = nullptr);
    ~MpvPreviewEngine() override; // destroys a player that is still set up

    bool InitPreviewWindow(quintptr window, qint32 width, qint32 height) override;
    QString windowSystemProblem() const override;
    QString errorText() const override { return m_error; }
    void SetEventFuntion(PreviewEvents events) override { m_events = std::move(events); }
    void Seek(qint32 seconds) override;
    void Play(const PreviewSource &source) override;
    std::optional<double> position() const override;
    void Pause() override;
    void Stop() override;
    void DestroyPreviewWindow() override;

    // One of mpv's properties as text ("" without a player or file), to
    // see what the player does (which tracks it plays, for instance).
    QByteArray playerProperty(const char *name) const;

private:
    enum class Phase { Idle, Loading, Loaded };

    static void wakeUp(void *engine); // on an mpv thread
    void drainEvents();
    void handleEvent(const mpv_event &event);
    // The reply to the last Play's command: the playlist entry it plays.
    void playReplied(const mpv_event &reply);
    void fileEnded(const mpv_event_end_file &end);
    void endPlayback(const PreviewEnd &end);
    int command(std::initializer_list<const char *> arguments, std::uint64_t replyId = 0);
    bool fail(mpv_handle *handle, const QString &error);
    void selectDvdTracks();

    MpvPreviewSettings m_settings;
    const MpvLibrary *m_mpv = nullptr;
    mpv_handle *m_handle = nullptr;
    quint64 m_session = 0; // changes with every set-up and release of a player
    std::atomic<bool> m_drainPosted{false};
    PreviewEvents m_events;
    QString m_error;

    Phase m_phase = Phase::Idle;
    qint32 m_startSeconds = 0;           // a Seek before Play
    std::optional<qint32> m_pendingSeek; // a Seek while the source loads
    std::optional<qint32> m_seekingTo;   // a Seek whose frame is not shown yet
    std::uint64_t m_playReply = 0;       // reply id of the last Play's loadfile; 0 after Stop
    std::uint64_t m_nextReply = 1;
    std::int64_t m_entry = -1; // playlist entry of the last Play
    std::int64_t m_startingEntry = -1;

    MpvDvdProtocol m_dvd;
    std::optional<DvdPreviewSource> m_dvdTracks; // the DVD row playing, whose tracks are chosen
};
