#include "app/dvd_commands.h"

#include "dvd/ifo_search.h"
#include "dvd/optical_drive.h"
#include "dvd/track_lists.h"
#include "jobs/job_model.h"
#include "profiles/active_profile.h"
#include "ui_text/command_guard.h"
#include "ui_text/message_table.h"
#include "ui_text/prompts.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFileInfo>
#include <QSignalBlocker>

namespace {

constexpr int kPopupMargin = 16;

} // namespace

DvdCommands::DvdCommands(JobModel &jobs, const ActiveProfile &profile, QComboBox *cb_audio, QComboBox *cb_subtitle,
                         Prompts &prompts, MessageTable &messages, QObject *parent)
    : QObject(parent),
      m_jobs(jobs),
      m_profile(profile),
      m_audio(cb_audio),
      m_subtitle(cb_subtitle),
      m_prompts(prompts),
      m_messages(messages)
{
    connect(m_audio, &QComboBox::currentIndexChanged, this, &DvdCommands::cb_audioChange);
    connect(m_subtitle, &QComboBox::currentIndexChanged, this, &DvdCommands::cb_subtitleChange);
    connect(&m_jobs, &JobModel::jobsRemoved, this, [this](const QList<int> &rows) {
        m_listing.removeRows(std::span<const int>(rows.constData(), rows.size()));
    });
}

// A drive that is still spinning up holds the end for as long.
DvdCommands::~DvdCommands()
{
    if (m_driveWait)
        m_driveWait->wait();
}

void DvdCommands::addDvd()
{
    const std::optional<QString> caption = m_messages.text(Message::DvdFolderCaption);
    if (!caption)
        return;
    const QString folder = m_prompts.chooseFolder(*caption, m_lastFolder);
    if (folder.isEmpty())
        return;
    m_lastFolder = folder;
    listDvdFolder(folder);
}

void DvdCommands::listDvdFolder(const QString &folder)
{
    m_jobs.replaceRows({}, {});
    if (!liesOnOpticalDrive(folder)) {
        listFolderNow(folder);
        return;
    }
    m_waitingFolder = folder;
    if (m_driveWait)
        return;
    m_driveWait.reset(QThread::create([folder] { waitForDrive(folder); }));
    connect(m_driveWait.get(), &QThread::finished, this, [this] {
        std::unique_ptr<QThread>(std::move(m_driveWait))->wait(); // it has returned: this ends at once
        runGuarded(m_prompts, [this] { listFolderNow(std::exchange(m_waitingFolder, {})); });
    });
    m_driveWait->start();
}

void DvdCommands::listFolderNow(const QString &folder)
{
    const DvdListing::AddDvdResult listed = m_listing.addDvd(folder, m_profile.choices());
    if (!listed.ifoFound)
        m_messages.information(Message::NoIfoInFolder);
    else if (listed.rows.empty())
        // IFO files that give no title would otherwise leave an empty list unexplained.
        m_messages.information(Message::NoTitlesInIfo);
    else
        showRows(listed.rows);
}

bool DvdCommands::openPaths(const QStringList &paths)
{
    QStringList ifoFiles;
    QString folder;
    for (const QString &path : paths) {
        const QFileInfo info(path);
        if (info.isDir() && folder.isEmpty())
            folder = info.absoluteFilePath();
        else if (info.suffix().compare(QLatin1String("ifo"), Qt::CaseInsensitive) == 0)
            ifoFiles.append(info.absoluteFilePath());
    }
    if (ifoFiles.isEmpty() && folder.isEmpty())
        return false;
    runGuarded(m_prompts, [&] {
        if (!ifoFiles.isEmpty())
            listIfoFiles(ifoFiles);
        else
            listDvdFolder(folder);
    });
    return true;
}

void DvdCommands::addIfo()
{
    const QStringList files = m_prompts.openFiles(ifoFilesFilter(), QString());
    if (!files.isEmpty())
        listIfoFiles(files);
}

void DvdCommands::listIfoFiles(const QStringList &ifoPaths)
{
    const std::vector<DvdRow> rows = m_listing.addIfo(ifoPaths, m_profile.choices());
    showRows(rows);
    if (rows.empty())
        m_messages.information(Message::NoTitlesInIfo);
}

void DvdCommands::toggleListing()
{
    // The marks as the user left them belong to the mode being left.
    if (m_jobs.rowCount() > 0)
        m_listing.recordCheckMarks(m_jobs.checkMarks());
    // With no IFO file listed only the mode changes: the rows stay.
    if (const std::optional<std::vector<DvdRow>> rows = m_listing.toggleMode(m_profile.choices()))
        showRows(*rows);
    emit listingChanged();
}

void DvdCommands::showRows(const std::vector<DvdRow> &rows)
{
    std::vector<ListedRow> listed;
    std::vector<TConvertInfo> converts;
    for (const DvdRow &row : rows) {
        listed.push_back({row.caption, jobOf(row)});
        converts.push_back(row.convert);
    }
    m_jobs.replaceRows(listed, m_listing.checkMarks(static_cast<int>(rows.size())));
    if (rows.empty())
        return;
    m_jobs.selectRow(initialRow(converts));
}

void DvdCommands::rowClicked()
{
    const std::optional<int> row = m_jobs.selectedRow();
    if (!row)
        return;
    recordCheckMarks();
    fillTrackLists(*row);
}

void DvdCommands::recordCheckMarks()
{
    m_listing.recordCheckMarks(m_jobs.checkMarks());
}

TrackLists DvdCommands::trackListsOf(const Job &job) const
{
    return trackListsFor(m_listing.files(), job.convert);
}

void DvdCommands::fillTrackLists(int row)
{
    const Job &job = m_jobs.job(row);
    const TrackLists lists = trackListsOf(job);
    const QSignalBlocker quietAudio(m_audio);
    const QSignalBlocker quietSubtitle(m_subtitle);
    m_audio->clear();
    m_audio->addItems(lists.audio);
    m_audio->setCurrentIndex(lists.audio.isEmpty() ? -1 : job.tracks.audio);
    m_subtitle->clear();
    m_subtitle->addItems(lists.subtitle);
    m_subtitle->setCurrentIndex(lists.subtitle.isEmpty() ? -1 : job.tracks.subtitle);
    // The narrow lists open wide enough to read every track whole.
    for (QComboBox *list : {m_audio, m_subtitle})
        list->view()->setMinimumWidth(list->view()->sizeHintForColumn(0) + kPopupMargin);
}

void DvdCommands::cb_audioChange(int index)
{
    chooseTrack(m_audio, index, chooseAudioTrack);
}

void DvdCommands::cb_subtitleChange(int index)
{
    chooseTrack(m_subtitle, index, chooseSubtitleTrack);
}

void DvdCommands::chooseTrack(const QComboBox *tracks, int index, TrackChooser choose)
{
    const std::optional<int> row = m_jobs.selectedRow();
    if (!row || index < 0)
        return;
    TConvertInfo convert = m_jobs.job(*row).convert;
    TrackChoice choice = m_jobs.job(*row).tracks;
    choose(convert, choice, index, tracks->itemText(index));
    m_jobs.setTracks(*row, convert, choice);
}
