#include "dvd/dvd_title_start.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <cmath>

QString dvdRootOf(const QString &ifoPath)
{
    const QFileInfo ifo(ifoPath);
    const QDir folder = ifo.absoluteDir();
    if (folder.dirName().compare(QLatin1String("video_ts"), Qt::CaseInsensitive) == 0 && !folder.isRoot())
        return QFileInfo(folder.absolutePath()).absolutePath();
    return folder.absolutePath();
}

quint32 rgbOfYCrCb(quint32 yCrCb)
{
    const double y = 1.164 * (static_cast<int>((yCrCb >> 16) & 0xff) - 16);
    const double cr = static_cast<int>((yCrCb >> 8) & 0xff) - 128;
    const double cb = static_cast<int>(yCrCb & 0xff) - 128;
    auto channel = [](double value) {
        return static_cast<quint32>(std::clamp(static_cast<int>(std::lround(value)), 0, 255));
    };
    return channel(y + 1.596 * cr) << 16 | channel(y - 0.813 * cr - 0.391 * cb) << 8 | channel(y + 2.018 * cb);
}

namespace {

// A stream id text of `TConvertInfo` ("0x80") as a number; 0 for "0" or
// anything else that is no hexadecimal id.
int streamIdNumber(const QString &streamId)
{
    if (!streamId.startsWith(QLatin1String("0x")))
        return 0;
    bool ok = false;
    const int id = streamId.mid(2).toInt(&ok, 16);
    return ok ? id : 0;
}

// The title a row was listed from, and the cells it plays.
struct RowCells {
    const IfoTitle *title = nullptr;
    std::vector<SectorRange> cells;
};

RowCells cellsOfRow(const TConvertInfo &convert, const TClipInfo &clip, const IfoContents &ifo)
{
    const auto first = static_cast<quint32>(convert.firstSector);
    const auto last = static_cast<quint32>(convert.lastSector);
    for (const IfoTitle &title : ifo.titles) {
        if (title.cells.empty())
            continue;
        if (clip.titleRow) {
            if (title.cells.front().firstSector != first || title.cells.back().lastSector != last)
                continue;
            RowCells found{&title, {}};
            for (const ifolib::CellRecord &cell : title.cells)
                found.cells.push_back({cell.firstSector, cell.lastSector});
            return found;
        }
        for (const ifolib::CellRecord &cell : title.cells) {
            if (cell.firstSector == first && cell.lastSector == last)
                return {&title, {{first, last}}};
        }
    }
    return {};
}

} // namespace

DvdJobInputResult dvdJobInputOf(const TConvertInfo &convert, const TClipInfo &clip, const IfoContents &ifo)
{
    const RowCells row = cellsOfRow(convert, clip, ifo);
    if (!row.title)
        return {std::nullopt, QStringLiteral("This title is no longer on the DVD (%1). Add the DVD again.")
                                  .arg(QDir::toNativeSeparators(convert.ifoPath))};
    const qint64 begin = std::max<qint64>(0, qint64(clip.clipBegin) - convert.clipBegin);
    const qint64 end = qint64(clip.clipEnd) - convert.clipBegin;
    const qint64 rowLength = qint64(convert.clipEnd) - convert.clipBegin;
    if (end <= begin)
        return {std::nullopt, QStringLiteral("The clip of this row ends before it begins. Set its begin and end "
                                             "again in the cutter.")};

    DvdJobInput input;
    input.root = QFile::encodeName(dvdRootOf(convert.ifoPath)).toStdString();
    input.titleSet = ifolib::titleSetOfIfoName(QFileInfo(convert.ifoPath).fileName().toStdString());
    input.cells = row.cells;
    input.audioStream = streamIdNumber(convert.audioStreamId);
    input.subtitleStream = streamIdNumber(convert.subtitleStreamId);
    if (input.subtitleStream) {
        std::array<std::uint32_t, 16> rgb{};
        std::transform(row.title->palette.begin(), row.title->palette.end(), rgb.begin(), rgbOfYCrCb);
        input.palette = rgb;
    }
    if (begin > 0)
        input.begin = static_cast<int>(begin);
    if (end < rowLength)
        input.end = static_cast<int>(end);
    return {input, {}};
}

DvdTitleJobResult dvdTitleJob(const Toriginalinfo &original, const TConvertInfo &convert, const TClipInfo &clip,
                              const ProfileChoices &choices)
{
    const std::optional<IfoContents> ifo = readIfoContents(convert.ifoPath);
    if (!ifo)
        return {std::nullopt, QStringLiteral("The DVD's file %1 cannot be read. Insert the DVD, or add it again.")
                                  .arg(QDir::toNativeSeparators(convert.ifoPath))};
    const DvdJobInputResult input = dvdJobInputOf(convert, clip, *ifo);
    if (!input.input)
        return {std::nullopt, input.error};
    // The clip travels in the DVD job input: the pieces have no start and no length.
    std::optional<intputrec> record = sourcePieces(original, choices);
    if (!record)
        return {std::nullopt, QStringLiteral("The chosen picture size or quality does not fit this title. Choose "
                                             "another size or quality in the settings.")};
    record->inputfile = QString::fromStdString(formatDvdJobInput(*input.input));
    return {DvdTitleJob{*record}, {}};
}
