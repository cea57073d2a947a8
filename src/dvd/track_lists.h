#pragma once
// The audio and subtitle tracks of each listed IFO file, and a row's choice
// among them.

#include "dvd/dvd_rows.h"

#include <QString>
#include <QStringList>
#include <QVector>

inline const QString kNoSubtitle = QStringLiteral("No Subtitle");

// One listed IFO file: the rows it gave and its tracks.
struct TIFOSelint {
    qint32 firstRow = 0; // rows the list held before the file was listed
    qint32 endRow = 0;   // rows the list held after it
    qint32 audioCount = 0;
    QStringList audioDescriptions;
    qint32 subtitleCount = 0;
    QStringList subtitleDescriptions;
    QString ifoPath;
    bool operator==(const TIFOSelint &) const = default;
};

TIFOSelint selintOf(const QString &ifoPath, const IfoContents &ifo, int firstRow, int endRow);

// The entries of `cb_audio` and `cb_subtitle` ("No Subtitle" first).
struct TrackLists {
    QStringList audio;
    QStringList subtitle;
    bool operator==(const TrackLists &) const = default;
};

// The lists for a row, from the file it was listed from: the row's own IFO
// path decides, not its position, so a row keeps its tracks when rows above
// it are removed. A row of no listed file (a file row) gets empty lists.
TrackLists trackListsFor(const QVector<TIFOSelint> &files, const TConvertInfo &row);

// A choice in `cb_audio` / `cb_subtitle`: the entry's index and text become
// the row's choice and stream id ("No Subtitle" gives "0").
void chooseAudioTrack(TConvertInfo &row, TrackChoice &choice, int index, const QString &entryText);
void chooseSubtitleTrack(TConvertInfo &row, TrackChoice &choice, int index, const QString &entryText);
