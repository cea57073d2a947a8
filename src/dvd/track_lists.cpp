#include "dvd/track_lists.h"

TIFOSelint selintOf(const QString &ifoPath, const IfoContents &ifo, int firstRow, int endRow)
{
    TIFOSelint s;
    s.firstRow = firstRow;
    s.endRow = endRow;
    s.audioCount = static_cast<qint32>(ifo.audioDescriptions.size());
    s.audioDescriptions = ifo.audioDescriptions;
    s.subtitleCount = static_cast<qint32>(ifo.subtitleDescriptions.size());
    s.subtitleDescriptions = ifo.subtitleDescriptions;
    s.ifoPath = ifoPath;
    return s;
}

TrackLists trackListsFor(const QVector<TIFOSelint> &files, const TConvertInfo &row)
{
    TrackLists lists;
    for (const TIFOSelint &file : files) {
        if (file.ifoPath != row.ifoPath)
            continue;
        lists.audio = file.audioDescriptions;
        lists.subtitle = QStringList{kNoSubtitle} + file.subtitleDescriptions;
    }
    return lists;
}

void chooseAudioTrack(TConvertInfo &row, TrackChoice &choice, int index, const QString &entryText)
{
    choice.audio = index;
    row.audioStreamId = streamIdOf(entryText);
}

void chooseSubtitleTrack(TConvertInfo &row, TrackChoice &choice, int index, const QString &entryText)
{
    choice.subtitle = index;
    row.subtitleStreamId = streamIdOf(entryText);
}
