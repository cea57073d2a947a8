#include "app/dvd_preview_source.h"

#include "dvd/dvd_title_start.h"

#include <QFile>
#include <QFileInfo>

DvdPreviewSource dvdPreviewSourceOf(const TConvertInfo &row, const TClipInfo &clip)
{
    DvdPreviewSource source;
    source.dvdFolder = dvdRootOf(row.ifoPath);
    source.titleSet = ifolib::titleSetOfIfoName(QFileInfo(row.ifoPath).fileName().toStdString());
    const std::optional<IfoContents> ifo = readIfoContents(row.ifoPath);
    if (!ifo)
        return source;
    // The whole row: a cut changes what is converted, not what is previewed.
    TClipInfo wholeRow = clip;
    wholeRow.clipBegin = row.clipBegin;
    wholeRow.clipEnd = row.clipEnd;
    const DvdJobInputResult input = dvdJobInputOf(row, wholeRow, *ifo);
    if (!input.input)
        return source;
    source.dvdFolder = QFile::decodeName(QByteArray::fromStdString(input.input->root));
    for (const SectorRange &cell : input.input->cells)
        source.sectors.push_back({static_cast<qint32>(cell.first), static_cast<qint32>(cell.last)});
    source.audioStreamId = input.input->audioStream ? input.input->audioStream : -1;
    source.subtitleStreamId = input.input->subtitleStream ? input.input->subtitleStream : -1;
    return source;
}
