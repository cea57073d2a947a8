#include "jobs/file_adder.h"

#include "engine/busy_state.h"
#include "engine/intputrec.h"
#include "jobs/job_from_probe.h"
#include "jobs/job_model.h"
#include "jobs/jobs_at_once.h"
#include "jobs/media_filters.h"
#include "ui_text/prompts.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QTimer>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {
// How often rows appear while files are added, after the first.
constexpr int kShowRowsEveryMs = 1000;
} // namespace

// The rows an add has probed, handed to the list several at a time, about
// once a second: each insertion costs the list a new layout of all its rows
// and a repaint. The first rows come at once.
class RowFeed {
public:
    explicit RowFeed(JobModel &jobs) : m_jobs(jobs)
    {
        m_due.setSingleShot(true);
        QObject::connect(&m_due, &QTimer::timeout, [this] { show(); });
    }
    void add(const ListedRow &row) { m_rows.push_back(row); }
    // Hands the rows held so far to the list.
    void show()
    {
        if (m_rows.empty())
            return;
        m_due.stop();
        m_jobs.append(std::exchange(m_rows, {}));
        m_sinceShown.start();
    }
    // Shows the rows when `now` or a second has passed since the last
    // ones; else once it has.
    void showWhenDue(bool now)
    {
        if (now || !m_sinceShown.isValid() || m_sinceShown.elapsed() >= kShowRowsEveryMs)
            show();
        else if (!m_rows.empty() && !m_due.isActive())
            m_due.start(kShowRowsEveryMs - static_cast<int>(m_sinceShown.elapsed()));
    }

private:
    JobModel &m_jobs;
    std::vector<ListedRow> m_rows;
    QTimer m_due;
    QElapsedTimer m_sinceShown;
};

std::optional<QString> sourceRefusal(const QString &path)
{
    const QString name = QFileInfo(path).fileName();
    // The name's bytes are lost in the replacement mark: no program could open the file by it.
    if (path.contains(QChar::ReplacementCharacter))
        return QStringLiteral("%1 cannot be added: its name is not valid UTF-8 text (shown with %2 where it is "
                              "not), so the file cannot be opened by it. Rename the file, then add it again.")
            .arg(name, QChar(QChar::ReplacementCharacter));
    // Opened as the encoder would open it; a FIFO does not hold the add.
    const int file = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    const int error = errno;
    if (file >= 0) {
        ::close(file);
        return std::nullopt;
    }
    if (error == ENOENT) // the probe names a file that is gone
        return std::nullopt;
    return QStringLiteral("%1 cannot be added: %2. Allow your user to read the file (or copy it to a folder of "
                          "your own), then add it again.")
        .arg(path, QString::fromLocal8Bit(std::strerror(error)));
}

QString addingProgressText(int done, int total)
{
    const QLocale english(QLocale::English);
    return QStringLiteral("Adding %1 of %2...").arg(english.toString(done), english.toString(total));
}

FileAdder::FileAdder(JobModel &jobs, Prompts &prompts, const EncoderLocation &encoder, BusyState &busy, QObject *parent)
    : QObject(parent),
      m_jobs(jobs),
      m_prompts(prompts),
      m_encoder(encoder),
      m_busy(busy)
{
    m_progressDue.setSingleShot(true);
    connect(&m_progressDue, &QTimer::timeout, this, &FileAdder::openProgress);
}

FileAdder::~FileAdder() = default;

void FileAdder::addFiles()
{
    const QStringList files = m_prompts.openFiles(addFilesFilter(m_kinds), m_lastFolder);
    if (!files.isEmpty())
        m_lastFolder = QFileInfo(files.first()).absolutePath();
    addAll(files);
}

void FileAdder::addFolder()
{
    const QString folder = m_prompts.chooseFolder(QStringLiteral("File Directory"), m_lastFolder);
    if (folder.isEmpty())
        return;
    m_lastFolder = folder;
    addAll(filesOf({folder}));
}

void FileAdder::addPaths(const QStringList &paths)
{
    addAll(filesOf(paths));
}

// Whether to search the folder's subfolders too: asked where they hold
// files to add.
FolderDepth FileAdder::depthOf(const QString &folder)
{
    if (!hasMediaBelow(folder, m_kinds))
        return FolderDepth::Flat;
    return m_prompts.choose(QStringLiteral("The folder %1 has subfolders with media files. Add the files of its "
                                           "subfolders too?")
                                .arg(QDir::toNativeSeparators(folder)),
                            QStringLiteral("Add Subfolders Too"), QStringLiteral("Only This Folder"))
               ? FolderDepth::WithSubfolders
               : FolderDepth::Flat;
}

QStringList FileAdder::filesOf(const QStringList &paths)
{
    QStringList files;
    QStringList emptyFolders;
    for (const QString &path : paths) {
        if (!QFileInfo(path).isDir()) {
            files << path;
            continue;
        }
        const QStringList found = folderMediaFiles(path, m_kinds, depthOf(path));
        for (const QString &file : found)
            m_roots.insert(file, QDir(path).absolutePath());
        if (found.isEmpty())
            emptyFolders << QDir::toNativeSeparators(path);
        files += found;
    }
    if (!emptyFolders.isEmpty())
        m_prompts.information(QStringLiteral("No media files to add in:\n%1\n\nA folder adds the %2 inside it "
                                             "and, if you choose, in its subfolders. Choose the folder that holds "
                                             "the files, or add them with Add File.")
                                  .arg(emptyFolders.join(u'\n'), folderMediaText(m_kinds)));
    return files;
}

bool FileAdder::isProbing() const
{
    return std::any_of(m_probes.begin(), m_probes.end(), [](const auto &probe) { return probe->isBusy(); });
}

void FileAdder::startProbes(const QStringList &paths)
{
    m_paths = paths;
    m_probed.assign(paths.size(), {});
    for (qsizetype file = 0; file < paths.size(); ++file)
        if (std::optional<QString> refusal = sourceRefusal(paths[file]))
            m_probed[file] = {.done = true, .refusal = std::move(refusal)};
    m_nextToStart = 0;
    m_cancelled = false;
    const int probes = std::min<int>(processorCores(), static_cast<int>(paths.size()));
    while (static_cast<int>(m_probes.size()) < probes) {
        const int index = static_cast<int>(m_probes.size());
        MediaProbe *probe = m_probes.emplace_back(std::make_unique<MediaProbe>()).get();
        connect(probe, &MediaProbe::finished, this, [this, index] { probeEnded(index); });
    }
    m_probing.assign(m_probes.size(), -1);
    for (int index = 0; index < probes; ++index)
        startNext(index);
}

void FileAdder::addAll(const QStringList &paths)
{
    if (paths.isEmpty()) {
        if (m_jobs.rowCount() > 0 && !m_jobs.selectedRow())
            m_jobs.selectRow(0);
        return;
    }
    m_busy.set(Busy::Adding, true);
    startProbes(paths);
    m_added = 0;
    m_rows = std::make_unique<RowFeed>(m_jobs);
    m_progressDue.start(m_progressDelayMs);
    advance();
}

void FileAdder::advance()
{
    // A message box or the progress window of this add takes events within
    // the pass under way, which takes up what they let end.
    if (m_advancing || m_paths.isEmpty())
        return;
    m_advancing = true;
    const int total = static_cast<int>(m_paths.size());
    bool over = false;
    for (;;) {
        takeProbedFiles();
        over = m_added == total || m_cancelled;
        m_rows->showWhenDue(over);
        if (over || !m_progress)
            break;
        m_progress->setProgress(addingProgressText(m_added, total), m_added, total);
        if (!m_probed[m_added].done && !m_cancelled)
            break;
    }
    m_advancing = false;
    if (over)
        finish();
}

void FileAdder::takeProbedFiles()
{
    for (; m_added < m_paths.size() && m_probed[m_added].done && !m_cancelled; ++m_added) {
        if (const std::optional<ListedRow> row = rowOf(m_paths[m_added], m_probed[m_added])) {
            m_rows->add(*row);
            continue;
        }
        m_rows->show(); // the rows before it come first
        const QString name = QFileInfo(m_paths[m_added]).fileName();
        if (const std::optional<QString> refusal = m_probed[m_added].refusal)
            m_prompts.warning(*refusal);
        else
            m_prompts.information(name + QStringLiteral(" is not support!"));
    }
}

void FileAdder::openProgress()
{
    if (m_paths.isEmpty() || m_progress)
        return;
    m_progress = m_prompts.progress([this] { cancel(); });
    advance();
}

void FileAdder::finish()
{
    m_rows->show();
    m_rows.reset();
    m_roots.clear();
    m_progressDue.stop();
    m_progress.reset();
    stopProbes();
    m_paths.clear();
    m_probed.clear();
    if (m_jobs.rowCount() > 0 && !m_jobs.selectedRow())
        m_jobs.selectRow(0);
    settleBusy();
}

void FileAdder::settleBusy()
{
    if (m_paths.isEmpty() && !isProbing())
        m_busy.set(Busy::Adding, false);
}

void FileAdder::cancel()
{
    if (m_paths.isEmpty() || m_cancelled)
        return;
    m_cancelled = true;
    stopProbes();
    // Ended from the event loop: the Cancel may come from the progress window itself.
    QMetaObject::invokeMethod(this, &FileAdder::advance, Qt::QueuedConnection);
}

void FileAdder::probeFile(int index, int file)
{
    m_probing[index] = file;
    ++m_probed[file].attempts;
    m_probes[index]->start(m_encoder.encoderfile, m_encoder.workdir, m_paths[file]);
}

void FileAdder::startNext(int index)
{
    m_probing[index] = -1;
    while (m_nextToStart < m_paths.size() && m_probed[m_nextToStart].done)
        ++m_nextToStart;
    if (!m_cancelled && m_nextToStart < m_paths.size())
        probeFile(index, m_nextToStart++);
}

void FileAdder::probeEnded(int index)
{
    const int file = m_probing[index];
    if (file < 0 || m_probed.empty()) {
        settleBusy(); // a probe of an add that is over has ended
        return;
    }
    const MediaProbe &probe = *m_probes[index];
    Probed &probed = m_probed[file];
    // A file the probe did not describe gets a second attempt; one that
    // stalled (a FIFO, a hung mount) would only stall again.
    probed.source = jobRecordFromProbe(m_paths[file], probe.results());
    if (!probed.source && probed.attempts < 2 && probe.outcome().kind != RunOutcome::Kind::Stalled && !m_cancelled) {
        probeFile(index, file);
        return;
    }
    probed.exactDuration = probe.results().exactDuration;
    probed.tags = probe.results().tags;
    probed.done = true;
    startNext(index);
    advance();
}

std::optional<ListedRow> FileAdder::rowOf(const QString &path, const Probed &probed) const
{
    // The records are complete before the row exists, so no row is ever left without them.
    if (!probed.source)
        return std::nullopt;
    Job added;
    added.original = *probed.source;
    added.clip = wholeClipOf(*probed.source);
    added.exactDuration = probed.exactDuration;
    added.addedFrom = m_roots.value(path);
    added.tags = probed.tags;
    return ListedRow{jobNameOf(path), added};
}

void FileAdder::stopProbes()
{
    for (const std::unique_ptr<MediaProbe> &probe : m_probes)
        probe->stop();
}
