#include "dvd/ifo_contents.h"

using namespace ifolib;

namespace {

// Closes the handle however the reading ends.
class Handle {
public:
    explicit Handle(const QString &path) : m_id(ifoOpen(path.toUtf8().constData(), 0)) {}
    ~Handle() { ifoClose(m_id); }
    Handle(const Handle &) = delete;
    Handle &operator=(const Handle &) = delete;
    std::int32_t id() const { return m_id; }

private:
    std::int32_t m_id;
};

} // namespace

std::optional<IfoContents> readIfoContents(const QString &ifoPath)
{
    const Handle ifo(ifoPath);
    if (ifo.id() == 0)
        return std::nullopt;
    IfoContents contents;
    const int titleCount = ifoGetNumPGCI(ifo.id());
    for (int i = 0, n = ifoGetNumAudio(ifo.id()); i < n; ++i)
        contents.audioDescriptions.append(QString::fromUtf8(ifoGetAudioDesc(ifo.id(), i)));
    for (int i = 0, n = ifoGetNumSubPic(ifo.id()); i < n; ++i)
        contents.subtitleDescriptions.append(QString::fromUtf8(ifoGetSubPicDesc(ifo.id(), i)));
    for (int t = 0; t < titleCount; ++t) {
        IfoTitle title;
        const int cellCount = ifoGetPGCIInfo(ifo.id(), t, &title.time);
        title.cells.resize(static_cast<std::size_t>(std::max(cellCount, 0)));
        title.cells.resize(static_cast<std::size_t>(ifoGetPGCICells(ifo.id(), t, title.cells.data(), cellCount)));
        ifoGetPGCIPalette(ifo.id(), t, title.palette.data());
        contents.titles.push_back(std::move(title));
    }
    contents.videoDescription = QString::fromUtf8(ifoGetVideoDesc(ifo.id()));
    return contents;
}

int secondsOf(const TitleTime &time)
{
    return time.hours * 3600 + time.minutes * 60 + time.seconds;
}

int secondsOf(const CellRecord &cell)
{
    return cell.hours * 3600 + cell.minutes * 60 + cell.seconds;
}
