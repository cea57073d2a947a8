#pragma once
// The DVD commands of the main window: Add DVD, Add IFO, the titles/chapters
// toggle, the DVD part of the row click (check marks per listing mode, the
// track lists `cb_audio` and `cb_subtitle`) and the track choices. The
// listed IFO files and the listing mode live in the DvdListing here; every
// row's records and track choice live in its Job in the job list.

#include "dvd/dvd_listing.h"

#include <QObject>
#include <QThread>
#include <memory>

class ActiveProfile;
class JobModel;
class MessageTable;
class Prompts;
class QComboBox;

class DvdCommands : public QObject {
    Q_OBJECT
public:
    DvdCommands(JobModel &jobs, const ActiveProfile &profile, QComboBox *cb_audio, QComboBox *cb_subtitle,
                Prompts &prompts, MessageTable &messages, QObject *parent = nullptr);
    ~DvdCommands() override;

    bool listingTitles() const { return m_listing.mode() == ListingMode::Titles; }

    // Add DVD: the folder chooser under message 32, then the listing.
    void addDvd();
    // Add IFO: the file dialog for ".ifo" files, then the listing.
    void addIfo();
    // What Add DVD does with a chosen folder, and Add IFO with chosen files
    // (also for the paths the program was started with). A folder on an
    // optical drive is listed once the drive has spun up, which a thread of
    // its own waits for; a second folder chosen meanwhile is listed instead.
    void listDvdFolder(const QString &folder);
    void listIfoFiles(const QStringList &ifoPaths);
    // Lists the paths the program was started with: ".ifo" files as Add IFO
    // lists them, else the first folder as Add DVD lists it; an error is
    // reported. False (nothing done) when the paths name neither.
    bool openPaths(const QStringList &paths);
    // The "chapter" command: titles <-> chapters.
    void toggleListing();

    // The listing as stored with the job list, and its restore at start.
    QJsonObject savedListing() const { return m_listing.saved(); }
    void restoreListing(const QJsonObject &saved) { m_listing.restore(saved); }

    // The DVD part of the row click: the list's check marks are recorded for
    // the current mode and the track lists show the selected row's tracks.
    void rowClicked();
    // Select All / Unselect ALL: the new marks are the current mode's.
    void recordCheckMarks();

    void cb_audioChange(int index);
    void cb_subtitleChange(int index);

    // The tracks the title of a row offers; empty lists for a file row.
    TrackLists trackListsOf(const Job &job) const;

signals:
    // The listing mode changed, perhaps without a change of rows.
    void listingChanged();

private:
    // Replaces the list's rows by a listing, with the current mode's marks,
    // and selects its initial row.
    void showRows(const std::vector<DvdRow> &rows);
    // Lists the folder's titles, or tells why there are none.
    void listFolderNow(const QString &folder);
    void fillTrackLists(int row);
    // Stores the entry `index` of `tracks` as the selected row's choice.
    using TrackChooser = void (*)(TConvertInfo &, TrackChoice &, int, const QString &);
    void chooseTrack(const QComboBox *tracks, int index, TrackChooser choose);

    JobModel &m_jobs;
    const ActiveProfile &m_profile;
    QComboBox *m_audio;
    QComboBox *m_subtitle;
    Prompts &m_prompts;
    MessageTable &m_messages;
    DvdListing m_listing;
    std::unique_ptr<QThread> m_driveWait; // while an optical drive spins up
    QString m_lastFolder;                 // where Add DVD's chooser opens next
    QString m_waitingFolder;              // the folder listed once it has
};
