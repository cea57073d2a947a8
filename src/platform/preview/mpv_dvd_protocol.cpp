#include "platform/preview/mpv_dvd_protocol.h"

#include "platform/preview/dvd_sector_stream.h"
#include "platform/preview/mpv_library.h"

#include <memory>

namespace {

constexpr const char *kProtocol = "veltrixdvd";

DvdSectorStream *streamOf(void *cookie)
{
    return static_cast<DvdSectorStream *>(cookie);
}

int64_t readStream(void *cookie, char *buffer, uint64_t bytes)
{
    return streamOf(cookie)->read(buffer, qint64(qMin<uint64_t>(bytes, 1u << 30)));
}

int64_t seekStream(void *cookie, int64_t offset)
{
    return streamOf(cookie)->seek(offset) ? offset : int64_t(MPV_ERROR_GENERIC);
}

int64_t streamSize(void *cookie)
{
    return streamOf(cookie)->size();
}

void closeStream(void *cookie)
{
    delete streamOf(cookie);
}

} // namespace

bool MpvDvdProtocol::registerWith(const MpvLibrary &mpv, mpv_handle *handle)
{
    return mpv.stream_cb_add_ro(handle, kProtocol, this, &open) >= 0;
}

void MpvDvdProtocol::setSource(const DvdPreviewSource &source)
{
    const std::lock_guard lock(m_mutex);
    m_source = source;
    m_error.clear();
}

QString MpvDvdProtocol::takeError()
{
    const std::lock_guard lock(m_mutex);
    return std::exchange(m_error, QString());
}

int MpvDvdProtocol::open(void *protocol, char *, mpv_stream_cb_info *info)
{
    auto *self = static_cast<MpvDvdProtocol *>(protocol);
    std::optional<DvdPreviewSource> source;
    {
        const std::lock_guard lock(self->m_mutex);
        source = self->m_source;
    }
    if (!source)
        return MPV_ERROR_LOADING_FAILED;
    auto stream = std::make_unique<DvdSectorStream>(*source);
    if (!stream->isOpen()) {
        const std::lock_guard lock(self->m_mutex);
        self->m_error = stream->errorText();
        return MPV_ERROR_LOADING_FAILED;
    }
    info->cookie = stream.release();
    info->read_fn = readStream;
    info->seek_fn = seekStream;
    info->size_fn = streamSize;
    info->close_fn = closeStream;
    return 0;
}

qint64 mpvSourceIdOfDvdStream(qint32 streamId)
{
    return streamId >= 0xC0 && streamId <= 0xDF ? 0x100 + streamId : streamId;
}
