#pragma once
// Lets mpv play a DVD row: its sectors are read with libdvdread and handed to
// mpv as the stream behind the address kUrl, through mpv's stream callbacks.
// mpv opens the stream on one of its own threads.

#include "platform/preview/preview_engine.h"

#include <QString>
#include <mutex>
#include <optional>

struct mpv_handle;
struct mpv_stream_cb_info;
struct MpvLibrary;

class MpvDvdProtocol {
public:
    static constexpr const char *kUrl = "veltrixdvd://row";

    // Makes kUrl known to a new player; false when mpv refuses.
    bool registerWith(const MpvLibrary &mpv, mpv_handle *handle);
    // The row the next opening of kUrl reads.
    void setSource(const DvdPreviewSource &source);
    // Why the last opening failed ("" when it did not), cleared by the call.
    QString takeError();

private:
    static int open(void *protocol, char *uri, mpv_stream_cb_info *info);

    std::mutex m_mutex;
    std::optional<DvdPreviewSource> m_source;
    QString m_error;
};

// The id mpv gives (as "src-id") the track of a DVD stream id: MPEG audio
// 0xC0 + n is 0x1C0 + n in the program stream; AC-3, LPCM and subtitle ids
// are the same.
qint64 mpvSourceIdOfDvdStream(qint32 streamId);
