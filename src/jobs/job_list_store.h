#pragma once
// Keeps the job list in its file across runs of the program: restores it at
// start, then writes it at every change of the rows, at most every
// jobListSaveInterval and only when what is stored changed. Each write
// replaces the file atomically, so an end at any moment leaves the last
// list or the one before it. Each row's text is kept and made again only
// when the row changed, so a running job's progress costs one row's text.

#include <QByteArrayList>
#include <QJsonObject>
#include <QObject>
#include <QTimer>
#include <functional>
#include <vector>

class JobModel;
class Prompts;

inline constexpr int kJobListSaveInterval = 300; // milliseconds

// The least time between two writes of a list of `rows`: kJobListSaveInterval,
// and a millisecond per ten rows for a long list, whose every write costs
// in proportion to its length (a second for 10,000 rows).
int jobListSaveInterval(int rows);

class JobListStore : public QObject {
    Q_OBJECT
public:
    JobListStore(JobModel &jobs, Prompts &prompts, QObject *parent = nullptr);

    // What is stored with the rows besides them (the DVD listing).
    void setListing(std::function<QJsonObject()> listing) { m_listing = std::move(listing); }
    // Restores the rows stored in `path` into the list, each source checked
    // to exist (nothing is probed again), and saves there from now on. A
    // file that cannot be read is kept as "<path>.bak" and reported; the
    // list stays empty. Gives the stored listing.
    QJsonObject open(const QString &path);
    // A change to save soon; also one the rows do not show (the listing mode).
    void scheduleSave();
    // Saves a change now: for the end of the program.
    void saveNow();

private:
    void rowsChanged(int first, int last);
    // Moves the unreadable file aside and tells the user; false when it
    // could not be moved, so it is left as it is.
    bool keepDamaged(const QString &path, const QString &problem);

    JobModel &m_jobs;
    Prompts &m_prompts;
    std::function<QJsonObject()> m_listing;
    QString m_path; // empty until open() allows saving
    QTimer m_timer;
    QByteArrayList m_rowTexts;   // one per row, as last made
    std::vector<bool> m_changed; // per row: its text is to be made again
    QJsonObject m_writtenListing;
    bool m_unsaved = false; // rows came, went or changed their text since the last write
    bool m_failureReported = false;
};
