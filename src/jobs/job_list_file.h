#pragma once
// The job list file: every row with its records, check mark and state, and
// the DVD listing, as readable versioned JSON with one row a line; and the
// rules of a row as it is stored and as it comes back at the next start.

#include "jobs/job_model.h"

#include <QByteArray>
#include <QByteArrayList>
#include <QJsonObject>
#include <QStringList>
#include <optional>
#include <vector>

inline constexpr int kJobListVersion = 1;

struct StoredJobList {
    std::vector<ListedRow> rows;
    std::vector<bool> checks; // one per row
    QJsonObject listing;      // the DVD listing as the DVD side writes it; empty in other editions
    QJsonObject conversion;   // what a list handed to another program is converted with; empty in the kept list
    QStringList dropped;      // the rows left out as damaged, each named for the user ("row 3, clip.mp4")
};

// $XDG_STATE_HOME/veltrix/<edition base name>.jobs
QString jobListPath(const QString &editionBaseName);

// One row of the file: a line of compact JSON.
QByteArray jobListRowText(const ListedRow &row, bool checked);
// The file from its rows' texts, in row order, and the listing.
QByteArray jobListText(const QByteArrayList &rowTexts, const QJsonObject &listing, const QJsonObject &conversion = {});
// The list the text holds; nullopt, with why in `problem`, when it is not a
// job list of a version this program reads. A damaged row is left out
// alone and named in `dropped`.
std::optional<StoredJobList> parseJobList(const QByteArray &text, QString *problem);

// The file its run reads: the source file, or a DVD row's IFO file.
QString sourceOf(const Job &job);
// The job as it is stored: a row converting, paused or previewed is stored
// ready to convert again, without its progress.
Job storedJob(const Job &job);
// The job as it comes back: stored, and "Failed" with the reason when its
// source is gone.
Job restoredJob(const Job &job, bool sourceExists);
