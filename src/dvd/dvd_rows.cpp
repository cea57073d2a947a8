#include "dvd/dvd_rows.h"

#include "engine/timecode.h"
#include "jobs/estimate.h"

namespace {

constexpr qint64 kMinimumSectors = 1000;

QString outputSizeOf(const Toriginalinfo &original, int seconds, const ProfileChoices &choices)
{
    return estimateText(estimateKbits(original, choices).value_or(0), seconds, choices);
}

// The parts every row of one IFO file shares.
struct RowBase {
    const QString &ifoPath;
    QString audioStreamId;
    QString picture;
    const ProfileChoices &choices;

    DvdRow row(JobKind kind, const QString &caption, quint32 firstSector, quint32 lastSector, int seconds,
               int clipBegin) const
    {
        DvdRow r;
        r.kind = kind;
        r.caption = caption;
        r.original.pictureSize = picture;
        r.original.duration = secondsToTimeCode(seconds);
        r.convert.audioStreamId = audioStreamId;
        r.convert.subtitleStreamId = QStringLiteral("0");
        r.convert.firstSector = static_cast<qint32>(firstSector);
        r.convert.lastSector = static_cast<qint32>(lastSector);
        r.convert.ifoPath = ifoPath;
        r.convert.duration = seconds;
        r.convert.clipBegin = clipBegin;
        r.convert.clipEnd = clipBegin + seconds;
        r.clip.firstSector = r.convert.firstSector;
        r.clip.clipBegin = r.convert.clipBegin;
        r.clip.clipEnd = r.convert.clipEnd;
        r.clip.titleRow = kind == JobKind::DvdTitle ? 1 : 0;
        r.outputSize = outputSizeOf(r.original, seconds, choices);
        return r;
    }
};

bool spansEnough(quint32 firstSector, quint32 lastSector)
{
    return static_cast<qint64>(lastSector) - static_cast<qint64>(firstSector) >= kMinimumSectors;
}

void appendChapterRows(std::vector<DvdRow> &rows, const IfoTitle &title, const RowBase &base)
{
    int begin = 0; // skipped cells count towards the next chapter's begin
    for (std::size_t j = 0; j < title.cells.size(); ++j) {
        const ifolib::CellRecord &cell = title.cells[j];
        const int seconds = secondsOf(cell);
        if (seconds > 0 && spansEnough(cell.firstSector, cell.lastSector)) {
            rows.push_back(base.row(JobKind::DvdChapter,
                                    QStringLiteral("  Chapter_") + twoDigitNumber(static_cast<int>(j) + 1),
                                    cell.firstSector, cell.lastSector, seconds, begin));
        }
        begin += seconds;
    }
}

} // namespace

Job jobOf(const DvdRow &row)
{
    Job job;
    job.kind = row.kind;
    job.original = row.original;
    job.clip = row.clip;
    job.convert = row.convert;
    job.tracks = row.tracks;
    job.status = {JobState::Ready};
    return job;
}

QStringList DvdRow::subItems() const
{
    return {original.pictureSize, original.duration, outputSize, kStatusReady};
}

QString streamIdOf(const QString &description)
{
    const qsizetype close = description.indexOf(u')');
    if (close < 0)
        return QStringLiteral("0");
    const qsizetype from = std::max<qsizetype>(0, close - 4);
    return description.mid(from, close - from);
}

QString pictureDescriptionOf(const QString &videoDescription)
{
    const qsizetype first = videoDescription.indexOf(u' ');
    if (first < 0)
        return {};
    const QString rest = videoDescription.mid(first + 1);
    const qsizetype second = rest.indexOf(u' ');
    return second < 0 ? QString() : rest.left(second);
}

QString twoDigitNumber(int number)
{
    return number > 9 ? QString::number(number) : QStringLiteral("0") + QString::number(number);
}

std::vector<DvdRow> listIfoRows(const IfoContents &ifo, const QString &ifoPath, ListingMode mode, int rowCount,
                                const ProfileChoices &choices)
{
    const RowBase base{
        ifoPath, ifo.audioDescriptions.isEmpty() ? QStringLiteral("0") : streamIdOf(ifo.audioDescriptions.first()),
        pictureDescriptionOf(ifo.videoDescription), choices};
    std::vector<DvdRow> rows;
    for (const IfoTitle &title : ifo.titles) {
        const int seconds = secondsOf(title.time);
        if (seconds <= 0 || title.cells.empty()
            || !spansEnough(title.cells.front().firstSector, title.cells.back().lastSector))
            continue;
        const int number = rowCount + static_cast<int>(rows.size()) + 1;
        rows.push_back(base.row(JobKind::DvdTitle, QStringLiteral("Title_") + twoDigitNumber(number),
                                title.cells.front().firstSector, title.cells.back().lastSector, seconds, 0));
        if (mode == ListingMode::Chapters)
            appendChapterRows(rows, title, base);
    }
    return rows;
}

int initialRow(std::span<const TConvertInfo> rows)
{
    int best = 0;
    qint64 widest = 0;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const qint64 span = static_cast<qint64>(rows[i].lastSector) - rows[i].firstSector;
        if (span > widest) {
            widest = span;
            best = static_cast<int>(i);
        }
    }
    return best;
}
