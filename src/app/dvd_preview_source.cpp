#include "app/dvd_preview_source.h"

#include "dvd/dvd_title_start.h"

#include <QFile>
#include <QFileInfo>

namespace {

std::optional<DvdJobInput> wholeRowInput(const TConvertInfo &row, const TClipInfo &clip)
{
    const std::optional<IfoContents> ifo = readIfoContents(row.ifoPath);
    if (!ifo)
        return std::nullopt;
    TClipInfo wholeRow = clip;
    wholeRow.clipBegin = row.clipBegin;
    wholeRow.clipEnd = row.clipEnd;
    return dvdJobInputOf(row, wholeRow, *ifo).input;
}

} // namespace

DvdPreviewSource dvdPreviewSourceOf(const TConvertInfo &row, const TClipInfo &clip)
{
    DvdPreviewSource source;
    source.dvdFolder = dvdRootOf(row.ifoPath);
    source.titleSet = ifolib::titleSetOfIfoName(QFileInfo(row.ifoPath).fileName().toStdString());
    const std::optional<DvdJobInput> input = wholeRowInput(row, clip);
    if (!input)
        return source;
    source.dvdFolder = QFile::decodeName(QByteArray::fromStdString(input->root));
    for (const SectorRange &cell : input->cells)
        source.sectors.push_back({static_cast<qint32>(cell.first), static_cast<qint32>(cell.last)});
    source.audioStreamId = input->audioStream ? input->audioStream : -1;
    source.subtitleStreamId = input->subtitleStream ? input->subtitleStream : -1;
    return source;
}

QString dvdSnapshotInputOf(const TConvertInfo &row, const TClipInfo &clip, int seconds)
{
    std::optional<DvdJobInput> input = wholeRowInput(row, clip);
    if (!input)
        return {};
    // A still image has no sound: a mapped audio track would ask the image
    // writer for an audio encoder it does not have.
    input->audioStream = 0;
    if (seconds > 0)
        input->begin = seconds;
    return QString::fromStdString(formatDvdJobInput(*input));
}
