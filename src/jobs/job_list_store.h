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
#include <QStringList>
#include <QTimer>
#include <functional>
#include <optional>
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
    // list stays empty. A damaged row is left out alone, named in a message,
    // and the whole file copied to "<path>.bak". Gives the stored listing.
    QJsonObject open(const QString &path);
    // A change to save soon; also one the rows do not show (the listing mode).
    void scheduleSave();
    // Saves a change now; a failure is told to the user once.
    void saveNow();
    // The last save, at the end of the program: nothing is saved after it
    // and nothing is restored by a later open(), so a list that was not
    // read is never written. Gives what failed instead of telling the user.
    std::optional<QString> close();

private:
    // Writes what changed; the failure, for the user.
    std::optional<QString> write();
    void rowsChanged(int first, int last);
    // Moves the unreadable file aside and tells the user; false when it
    // could not be moved, so it is left as it is.
    bool keepDamaged(const QString &path, const QString &problem);
    // Keeps a copy of a file some of whose rows were left out, and tells the user which.
    void tellDroppedRows(const QString &path, const QByteArray &text, const QStringList &dropped);

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
    bool m_closed = false;
};
