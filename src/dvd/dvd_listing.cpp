#include "dvd/dvd_listing.h"

#include "dvd/ifo_search.h"
#include "jobs/json_fields.h"

#include <algorithm>
#include <array>

// The names of the stored listing, found by json_fields through
// argument-dependent lookup.

static const auto &namesOf(ListingMode)
{
    static constexpr std::array kNames{std::pair{ListingMode::Titles, "titles"},
                                       std::pair{ListingMode::Chapters, "chapters"}};
    return kNames;
}

template <class F> static void fields(TIFOSelint &file, F &&field)
{
    field("ifoPath", file.ifoPath);
    field("firstRow", file.firstRow);
    field("endRow", file.endRow);
    field("audioCount", file.audioCount);
    field("audio", file.audioDescriptions);
    field("subtitleCount", file.subtitleCount);
    field("subtitles", file.subtitleDescriptions);
}

namespace {

struct StoredListing {
    ListingMode mode = ListingMode::Titles;
    QVector<TIFOSelint> files;
    std::optional<std::vector<bool>> titleMarks;
    std::optional<std::vector<bool>> chapterMarks;
    bool operator==(const StoredListing &) const = default;
};

template <class F> void fields(StoredListing &listing, F &&field)
{
    field("mode", listing.mode);
    field("files", listing.files);
    field("titleMarks", listing.titleMarks);
    field("chapterMarks", listing.chapterMarks);
}

} // namespace

void DvdListing::forgetAll()
{
    m_files.clear();
    m_titleMarks.reset();
    m_chapterMarks.reset();
}

std::vector<DvdRow> DvdListing::listFiles(const QStringList &ifoPaths, const ProfileChoices &choices)
{
    m_files.clear();
    std::vector<DvdRow> rows;
    for (const QString &path : ifoPaths) {
        const int firstRow = static_cast<int>(rows.size());
        const std::optional<IfoContents> ifo = readIfoContents(path);
        if (ifo) {
            std::vector<DvdRow> added = listIfoRows(*ifo, path, m_mode, firstRow, choices);
            rows.insert(rows.end(), std::make_move_iterator(added.begin()), std::make_move_iterator(added.end()));
        }
        // An unreadable file stays listed: toggling the mode tries it again.
        m_files.append(selintOf(path, ifo.value_or(IfoContents{}), firstRow, static_cast<int>(rows.size())));
    }
    return rows;
}

DvdListing::AddDvdResult DvdListing::addDvd(const QString &folder, const ProfileChoices &choices)
{
    forgetAll();
    const QStringList found = findIfoFiles(folder);
    return {!found.isEmpty(), listFiles(found, choices)};
}

std::vector<DvdRow> DvdListing::addIfo(const QStringList &ifoPaths, const ProfileChoices &choices)
{
    forgetAll();
    return listFiles(ifoPaths, choices);
}

std::optional<std::vector<DvdRow>> DvdListing::toggleMode(const ProfileChoices &choices)
{
    m_mode = m_mode == ListingMode::Titles ? ListingMode::Chapters : ListingMode::Titles;
    if (m_files.isEmpty())
        return std::nullopt;
    QStringList paths;
    for (const TIFOSelint &file : std::as_const(m_files))
        paths.append(file.ifoPath);
    return listFiles(paths, choices);
}

std::optional<std::vector<bool>> &DvdListing::currentMarks()
{
    return m_mode == ListingMode::Titles ? m_titleMarks : m_chapterMarks;
}

std::vector<bool> DvdListing::checkMarks(int rowCount)
{
    std::optional<std::vector<bool>> &marks = currentMarks();
    if (!marks)
        marks.emplace();
    if (marks->size() < static_cast<std::size_t>(rowCount))
        marks->resize(static_cast<std::size_t>(rowCount), true);
    return std::vector<bool>(marks->begin(), marks->begin() + rowCount);
}

void DvdListing::recordCheckMarks(std::vector<bool> marks)
{
    currentMarks() = std::move(marks);
}

void DvdListing::removeRows(std::span<const int> rows)
{
    std::optional<std::vector<bool>> &marks = currentMarks();
    if (!marks)
        return;
    std::vector<int> sorted(rows.begin(), rows.end());
    std::sort(sorted.begin(), sorted.end(), std::greater<>());
    sorted.erase(std::unique(sorted.begin(), sorted.end()), sorted.end());
    for (int row : sorted) {
        if (row >= 0 && static_cast<std::size_t>(row) < marks->size())
            marks->erase(marks->begin() + row);
    }
}

QJsonObject DvdListing::saved() const
{
    return json_fields::toJson(StoredListing{m_mode, m_files, m_titleMarks, m_chapterMarks}).toObject();
}

void DvdListing::restore(const QJsonObject &saved)
{
    StoredListing listing;
    if (!json_fields::fromJson(saved, listing))
        listing = {};
    m_mode = listing.mode;
    m_files = listing.files;
    m_titleMarks = listing.titleMarks;
    m_chapterMarks = listing.chapterMarks;
}
