#pragma once
// The DVD listing of the job list: the listed IFO files, the listing mode
// and each mode's check marks. Its commands return the rows the list is to
// show; the rows (with their records and track choices) then live in the
// job list, one record per row.

#include "dvd/dvd_rows.h"
#include "dvd/track_lists.h"

#include <QJsonObject>
#include <optional>
#include <span>
#include <vector>

class DvdListing {
public:
    ListingMode mode() const { return m_mode; }
    const QVector<TIFOSelint> &files() const { return m_files; }

    struct AddDvdResult {
        bool ifoFound = false; // false: the folder holds no IFO file (message 33)
        std::vector<DvdRow> rows;
    };
    // Add DVD with a chosen folder: forgets the listed files and both modes'
    // check marks, then lists every IFO file the folder search finds. The
    // rows replace the list's.
    AddDvdResult addDvd(const QString &folder, const ProfileChoices &choices);

    // Add IFO with chosen files: forgets as Add DVD does, then lists every
    // chosen file. No rows at all calls for message 34.
    std::vector<DvdRow> addIfo(const QStringList &ifoPaths, const ProfileChoices &choices);

    // The "chapter" command: switches the listing mode. With files listed,
    // the rows of all of them in the new mode, with fresh track choices, to
    // replace the list's rows; nullopt when no file is listed, and the list
    // keeps its rows.
    std::optional<std::vector<DvdRow>> toggleMode(const ProfileChoices &choices);

    // The current mode's check marks for a list of `rowCount` rows: those
    // last recorded, rows beyond them checked. They are recorded as given.
    std::vector<bool> checkMarks(int rowCount);
    // Records the list's check marks for the current mode (row click,
    // Select All, Unselect ALL).
    void recordCheckMarks(std::vector<bool> marks);
    // Remove: the recorded marks of the removed rows (indexes in the current
    // list) go with their rows.
    void removeRows(std::span<const int> rows);

    // The listing as it is stored with the job list (the mode, the listed
    // files with their tracks, each mode's marks), and its restore at the
    // next start; a stored listing that cannot be read leaves none listed.
    QJsonObject saved() const;
    void restore(const QJsonObject &saved);

private:
    void forgetAll();
    std::vector<DvdRow> listFiles(const QStringList &ifoPaths, const ProfileChoices &choices);
    std::optional<std::vector<bool>> &currentMarks();

    ListingMode m_mode = ListingMode::Titles;
    QVector<TIFOSelint> m_files; // `TIFOAS`
    std::optional<std::vector<bool>> m_titleMarks;
    std::optional<std::vector<bool>> m_chapterMarks;
};
