#include "platform/preview/mpv_preview_engine.h"

#include "platform/preview/mpv_library.h"

#include <QGuiApplication>
#include <QMetaObject>
#include <clocale>
#include <cstring>
#include <malloc.h>

namespace {

constexpr std::uint64_t kPositionObserver = 1;
constexpr std::uint64_t kTrackCountObserver = 2;

// Options of every preview: no key or mouse handling of mpv's own (it would
// swallow the panel's clicks), no scripts, no on-screen controller, and a
// silent audio output where the machine has no sound device.
const std::pair<const char *, const char *> kCommonOptions[] = {
    {"idle", "yes"},
    {"input-default-bindings", "no"},
    {"input-vo-keyboard", "no"},
    {"input-cursor", "no"},
    {"audio-fallback-to-null", "yes"},
    {"osc", "no"},
    {"ytdl", "no"},
    {"load-scripts", "no"},
    {"load-stats-overlay", "no"},
    {"load-osd-console", "no"},
    {"load-auto-profiles", "no"},
};

// Every preview starts a new set of mpv threads. With glibc's default of up
// to eight malloc arenas per core each set may take arenas of its own, and
// memory freed in them stays with the process: measured, each preview kept
// 15-30 MB more. Two arenas and a trim after each preview keep the resident
// size of the second and later previews at that of the first.
void limitMallocArenas()
{
    static const bool limited = mallopt(M_ARENA_MAX, 2) == 1;
    Q_UNUSED(limited);
}

QString mpvError(const MpvLibrary *mpv, int code)
{
    return QString::fromUtf8(mpv->error_string(code));
}

// Empty when the player's picture can be embedded in the windows of the Qt
// platform `platform` (an X window: "xcb"); otherwise what to tell the user.
QString mpvWindowSystemProblem(const QString &platform, bool xDisplayReachable)
{
    if (platform == QLatin1String("xcb"))
        return {};
    const QString remedy =
        xDisplayReachable
            ? QStringLiteral("Start the program without choosing the %1 platform (QT_QPA_PLATFORM or -platform): "
                             "it then runs through XWayland.")
                  .arg(platform)
            : QStringLiteral("Install XWayland (the package xwayland) or log in to an X11 session, then start the "
                             "program again.");
    return QStringLiteral("The preview needs X11 or XWayland to show its picture, but this window runs on Qt's %1 "
                          "platform. ")
               .arg(platform)
           + remedy;
}

} // namespace

MpvPreviewSettings mpvPreviewSettingsFromEnvironment()
{
    MpvPreviewSettings settings;
    settings.nullOutputs = qgetenv("VELTRIX_PREVIEW_OUTPUT") == "null";
    return settings;
}

std::vector<std::pair<QByteArray, QByteArray>> mpvPreviewOptions(const MpvPreviewSettings &settings, quintptr window)
{
    std::vector<std::pair<QByteArray, QByteArray>> options;
    for (const auto &[name, value] : kCommonOptions)
        options.emplace_back(name, value);
    if (settings.nullOutputs) {
        options.emplace_back("vo", "null");
        options.emplace_back("ao", "null");
    } else {
        options.emplace_back("wid", QByteArray::number(quint64(window)));
        options.emplace_back("vo", "gpu");
        options.emplace_back("gpu-context", "x11egl");
        options.emplace_back("hwdec", "no");
    }
    if (settings.untimed) {
        options.emplace_back("untimed", "yes");
        if (settings.nullOutputs)
            options.emplace_back("ao-null-untimed", "yes");
    }
    return options;
}

MpvPreviewEngine::MpvPreviewEngine(MpvPreviewSettings settings, QObject *parent) : QObject(parent), m_settings(settings)
{}

MpvPreviewEngine::~MpvPreviewEngine()
{
    DestroyPreviewWindow();
}

QString MpvPreviewEngine::windowSystemProblem() const
{
    if (m_settings.nullOutputs)
        return {};
    return mpvWindowSystemProblem(QGuiApplication::platformName(), !qEnvironmentVariableIsEmpty("DISPLAY"));
}

bool MpvPreviewEngine::fail(mpv_handle *handle, const QString &error)
{
    if (handle)
        m_mpv->terminate_destroy(handle);
    m_error = error;
    return false;
}

bool MpvPreviewEngine::InitPreviewWindow(quintptr window, qint32, qint32)
{
    // mpv follows the size of the window it is embedded in by itself.
    DestroyPreviewWindow();
    m_error.clear();
    m_mpv = mpvLibrary(&m_error);
    if (!m_mpv)
        return false;
    // The application object sets the user's locale; mpv refuses to start
    // unless numbers are read and written the C way.
    std::setlocale(LC_NUMERIC, "C");
    limitMallocArenas();
    mpv_handle *handle = m_mpv->create();
    if (!handle)
        return fail(nullptr, QStringLiteral("The preview player could not be created (out of memory?). "
                                            "Close other programs and try again."));
    for (const auto &[name, value] : mpvPreviewOptions(m_settings, window)) {
        const int result = m_mpv->set_option_string(handle, name.constData(), value.constData());
        if (result < 0)
            return fail(handle,
                        QStringLiteral("The preview player refused its option %1=%2 (%3). "
                                       "Install libmpv2 from Debian 12 and try again.")
                            .arg(QString::fromLatin1(name), QString::fromLatin1(value), mpvError(m_mpv, result)));
    }
    if (const int result = m_mpv->initialize(handle); result < 0)
        return fail(handle, QStringLiteral("The preview player could not start (%1). Install libmpv2 from Debian 12 "
                                           "and try again.")
                                .arg(mpvError(m_mpv, result)));
    if (!m_dvd.registerWith(*m_mpv, handle))
        return fail(handle, QStringLiteral("The preview player cannot read DVDs. Install libmpv2 from Debian 12 "
                                           "and try again."));
    m_mpv->observe_property(handle, kPositionObserver, "time-pos", MPV_FORMAT_DOUBLE);
    // Tracks of a DVD row may show up after the start (a late subtitle).
    m_mpv->observe_property(handle, kTrackCountObserver, "track-list/count", MPV_FORMAT_INT64);
    m_handle = handle;
    ++m_session;
    m_phase = Phase::Idle;
    m_startSeconds = 0;
    m_pendingSeek.reset();
    m_playReply = 0;
    m_entry = m_startingEntry = -1;
    m_mpv->set_wakeup_callback(handle, &MpvPreviewEngine::wakeUp, this);
    return true;
}

void MpvPreviewEngine::wakeUp(void *engine)
{
    // mpv allows nothing here but a notification: the events are fetched on
    // the engine's own thread, one queued drain at a time.
    auto *self = static_cast<MpvPreviewEngine *>(engine);
    if (!self->m_drainPosted.exchange(true))
        QMetaObject::invokeMethod(self, &MpvPreviewEngine::drainEvents, Qt::QueuedConnection);
}

void MpvPreviewEngine::drainEvents()
{
    // Cleared first: a wakeup during the drain posts another one.
    m_drainPosted = false;
    const quint64 session = m_session;
    while (m_handle && m_session == session) {
        const mpv_event *event = m_mpv->wait_event(m_handle, 0);
        if (event->event_id == MPV_EVENT_NONE)
            break;
        // A receiver may release the player; the loop then ends.
        handleEvent(*event);
    }
}

void MpvPreviewEngine::handleEvent(const mpv_event &event)
{
    switch (event.event_id) {
    case MPV_EVENT_PROPERTY_CHANGE: {
        const auto *property = static_cast<const mpv_event_property *>(event.data);
        if (event.reply_userdata == kPositionObserver && property->format == MPV_FORMAT_DOUBLE && m_events.position)
            m_events.position(*static_cast<const double *>(property->data));
        else if (event.reply_userdata == kTrackCountObserver && m_phase == Phase::Loaded)
            selectDvdTracks();
        break;
    }
    case MPV_EVENT_COMMAND_REPLY:
        if (m_playReply != 0 && event.reply_userdata == m_playReply)
            playReplied(event);
        break;
    case MPV_EVENT_PLAYBACK_RESTART:
        m_seekingTo.reset();
        break;
    case MPV_EVENT_START_FILE:
        m_startingEntry = static_cast<const mpv_event_start_file *>(event.data)->playlist_entry_id;
        break;
    case MPV_EVENT_FILE_LOADED:
        if (m_phase != Phase::Loading || m_startingEntry != m_entry)
            break;
        m_phase = Phase::Loaded;
        selectDvdTracks();
        if (m_pendingSeek) {
            Seek(*m_pendingSeek);
            m_pendingSeek.reset();
        }
        break;
    case MPV_EVENT_END_FILE:
        fileEnded(*static_cast<const mpv_event_end_file *>(event.data));
        break;
    default:
        break;
    }
}

void MpvPreviewEngine::playReplied(const mpv_event &reply)
{
    m_playReply = 0;
    if (reply.error < 0) {
        endPlayback({true, mpvError(m_mpv, reply.error)});
        return;
    }
    const mpv_node &result = static_cast<const mpv_event_command *>(reply.data)->result;
    if (result.format != MPV_FORMAT_NODE_MAP)
        return;
    for (int i = 0; i < result.u.list->num; ++i)
        if (std::strcmp(result.u.list->keys[i], "playlist_entry_id") == 0)
            m_entry = result.u.list->values[i].u.int64;
}

void MpvPreviewEngine::fileEnded(const mpv_event_end_file &end)
{
    // Only the end of the file of the last Play counts: a replaced or
    // stopped file reports its end too.
    if (m_phase == Phase::Idle || end.playlist_entry_id != m_entry)
        return;
    if (end.reason == MPV_END_FILE_REASON_EOF)
        endPlayback({false, {}});
    else if (end.reason == MPV_END_FILE_REASON_ERROR) {
        // A DVD row that could not be opened says why in its own words.
        const QString dvdError = m_dvd.takeError();
        endPlayback({true, dvdError.isEmpty() ? mpvError(m_mpv, end.error) : dvdError});
    }
}

void MpvPreviewEngine::endPlayback(const PreviewEnd &end)
{
    m_phase = Phase::Idle;
    m_seekingTo.reset();
    m_entry = -1;
    m_pendingSeek.reset();
    if (m_events.ended)
        m_events.ended(end);
}

int MpvPreviewEngine::command(std::initializer_list<const char *> arguments, std::uint64_t replyId)
{
    std::vector<const char *> argv(arguments);
    argv.push_back(nullptr);
    return m_mpv->command_async(m_handle, replyId, argv.data());
}

void MpvPreviewEngine::Seek(qint32 seconds)
{
    if (!m_handle)
        return;
    switch (m_phase) {
    case Phase::Idle:
        m_startSeconds = seconds;
        break;
    case Phase::Loading:
        m_pendingSeek = seconds;
        m_seekingTo = seconds;
        break;
    case Phase::Loaded:
        command({"seek", QByteArray::number(seconds).constData(), "absolute"});
        m_seekingTo = seconds;
        break;
    }
}

void MpvPreviewEngine::Play(const PreviewSource &source)
{
    if (!m_handle)
        return;
    m_mpv->set_property_string(m_handle, "pause", "no");
    m_phase = Phase::Loading;
    m_entry = -1;
    m_pendingSeek.reset();
    m_playReply = m_nextReply++;
    const QByteArray start = "start=" + QByteArray::number(m_startSeconds);
    m_seekingTo = m_startSeconds;
    m_startSeconds = 0;
    m_dvdTracks = source.dvd;
    if (source.dvd)
        m_dvd.setSource(*source.dvd);
    const QByteArray path = source.dvd ? QByteArray(MpvDvdProtocol::kUrl) : source.path.toUtf8();
    const int queued = command({"loadfile", path.constData(), "replace", start.constData()}, m_playReply);
    if (queued < 0) {
        // Reported like any other failure, after Play has returned.
        m_playReply = 0;
        const PreviewEnd end{true, mpvError(m_mpv, queued)};
        const quint64 session = m_session;
        QMetaObject::invokeMethod(
            this,
            [this, end, session] {
                if (m_session == session)
                    endPlayback(end);
            },
            Qt::QueuedConnection);
    }
}

// Asked of the player at the call, not the last position event: a mark
// takes the frame on screen. Until the file or a seek has shown its frame,
// that is where it starts, which the display already shows.
std::optional<double> MpvPreviewEngine::position() const
{
    if (m_phase == Phase::Idle)
        return std::nullopt;
    if (m_seekingTo)
        return *m_seekingTo;
    bool ok = false;
    const double seconds = playerProperty("time-pos").toDouble(&ok);
    return ok ? std::optional<double>(seconds) : std::nullopt;
}

QByteArray MpvPreviewEngine::playerProperty(const char *name) const
{
    if (!m_handle)
        return {};
    char *value = m_mpv->get_property_string(m_handle, name);
    const QByteArray text(value);
    m_mpv->free(value);
    return text;
}

void MpvPreviewEngine::selectDvdTracks()
{
    if (!m_dvdTracks)
        return;
    if (m_dvdTracks->subtitleStreamId < 0)
        m_mpv->set_property_string(m_handle, "sid", "no");
    const qint64 audio = m_dvdTracks->audioStreamId < 0 ? -1 : mpvSourceIdOfDvdStream(m_dvdTracks->audioStreamId);
    const qint64 subtitle =
        m_dvdTracks->subtitleStreamId < 0 ? -1 : mpvSourceIdOfDvdStream(m_dvdTracks->subtitleStreamId);
    const int count = playerProperty("track-list/count").toInt();
    for (int i = 0; i < count; ++i) {
        const QByteArray track = "track-list/" + QByteArray::number(i) + "/";
        const QByteArray type = playerProperty(track + "type");
        const qint64 sourceId = playerProperty(track + "src-id").toLongLong();
        const QByteArray id = playerProperty(track + "id");
        if (type == "audio" && sourceId == audio)
            m_mpv->set_property_string(m_handle, "aid", id.constData());
        else if (type == "sub" && sourceId == subtitle)
            m_mpv->set_property_string(m_handle, "sid", id.constData());
    }
}

void MpvPreviewEngine::Pause()
{
    if (m_handle)
        command({"cycle", "pause"});
}

void MpvPreviewEngine::Stop()
{
    if (!m_handle)
        return;
    m_phase = Phase::Idle;
    m_playReply = 0;
    m_entry = -1;
    m_pendingSeek.reset();
    command({"stop"});
}

void MpvPreviewEngine::DestroyPreviewWindow()
{
    if (!m_handle)
        return;
    mpv_handle *handle = m_handle;
    m_handle = nullptr;
    ++m_session;
    m_phase = Phase::Idle;
    // No wakeup runs once this returns; the destroy joins every mpv thread.
    m_mpv->set_wakeup_callback(handle, nullptr, nullptr);
    m_mpv->terminate_destroy(handle);
    // Gives the freed decoder and picture buffers back to the system.
    malloc_trim(0);
}
