#pragma once
// The listing rules: the title and chapter rows one IFO file gives, each
// with the records it carries, as plain functions over plain values.

#include "dvd/ifo_contents.h"
#include "jobs/job.h"
#include "profiles/profile_choices.h"

#include <QString>
#include <QStringList>
#include <span>
#include <vector>

enum class ListingMode { Titles, Chapters };

// One title or chapter row and everything that belongs to it.
struct DvdRow {
    // A title, or a chapter of one.
    JobKind kind = JobKind::DvdTitle;
    QString caption;        // "Title_01", "  Chapter_03"
    Toriginalinfo original; // picture description (field 2), duration time code (field 3)
    TClipInfo clip;
    TConvertInfo convert;
    TrackChoice tracks;
    QString outputSize; // the "Output Size" column
    // The sub-items in column order: picture description, duration, output
    // size, "Ready".
    QStringList subItems() const;
    bool operator==(const DvdRow &) const = default;
};

inline const QString kStatusReady = QStringLiteral("Ready");

// The stream id in a track description: the four characters before its
// first ")", or "0" when it has none.
QString streamIdOf(const QString &trackDescription);

// The word between the first and second blank of the picture text: "720x576"
// of "MPEG-2 720x576 PAL 4:3"; empty when there is no second blank.
QString pictureDescriptionOf(const QString &videoDescription);

// At least two digits: 7 gives "07", 123 gives "123".
QString twoDigitNumber(int number);

// The rows an IFO file adds to a list that holds `rowCount` rows before it.
// Titles with no time or fewer than 1000 sectors are left out, and in
// chapters mode so are such cells; chapter numbers count cells, title
// numbers count list rows. The output size is estimated for `choices`.
// The job of a listed row, ready to convert.
Job jobOf(const DvdRow &row);

std::vector<DvdRow> listIfoRows(const IfoContents &ifo, const QString &ifoPath, ListingMode mode, int rowCount,
                                const ProfileChoices &choices);

// The row to select after a listing: the first with the largest sector
// span; 0 when no row spans any sectors (file rows span none).
int initialRow(std::span<const TConvertInfo> rows);
