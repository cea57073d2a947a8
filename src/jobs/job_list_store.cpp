#include "jobs/job_list_store.h"

#include "jobs/job_list_file.h"
#include "jobs/job_model.h"
#include "platform/ini/atomic_file.h"
#include "ui_text/prompts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <optional>
#include <utility>

int jobListSaveInterval(int rows)
{
    return std::max(kJobListSaveInterval, rows / 10);
}

JobListStore::JobListStore(JobModel &jobs, Prompts &prompts, QObject *parent)
    : QObject(parent),
      m_jobs(jobs),
      m_prompts(prompts)
{
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &JobListStore::saveNow);
    connect(&jobs, &JobModel::dataChanged, this, [this](const QModelIndex &topLeft, const QModelIndex &bottomRight) {
        rowsChanged(topLeft.row(), bottomRight.row());
    });
    connect(&jobs, &JobModel::jobChanged, this, [this](int row) { rowsChanged(row, row); });
    connect(&jobs, &JobModel::rowsInserted, this, [this](const QModelIndex &, int first, int last) {
        for (int row = first; row <= last; ++row) {
            m_rowTexts.insert(row, {});
            m_changed.insert(m_changed.begin() + row, true);
        }
        m_unsaved = true;
        scheduleSave();
    });
    connect(&jobs, &JobModel::rowsRemoved, this, [this](const QModelIndex &, int first, int last) {
        m_rowTexts.remove(first, last - first + 1);
        m_changed.erase(m_changed.begin() + first, m_changed.begin() + last + 1);
        m_unsaved = true;
        scheduleSave();
    });
    connect(&jobs, &JobModel::modelReset, this, [this] {
        m_rowTexts = QByteArrayList(m_jobs.rowCount());
        m_changed.assign(m_jobs.rowCount(), true);
        m_unsaved = true;
        scheduleSave();
    });
}

void JobListStore::rowsChanged(int first, int last)
{
    for (int row = first; row <= last; ++row)
        m_changed[row] = true;
    scheduleSave();
}

QJsonObject JobListStore::open(const QString &path)
{
    if (m_closed)
        return {};
    const QFileInfo info(path);
    std::optional<StoredJobList> stored;
    if (info.exists()) {
        QString problem;
        QFile file(path);
        // Only a regular file is read: a FIFO would block the start.
        if (!info.isFile())
            problem = QStringLiteral("it is not a regular file");
        else if (!file.open(QIODevice::ReadOnly))
            problem = file.errorString();
        else {
            const QByteArray text = file.readAll();
            stored = parseJobList(text, &problem);
            if (stored && !stored->dropped.isEmpty())
                tellDroppedRows(path, text, stored->dropped);
        }
        if (!stored && !keepDamaged(path, problem))
            return {};
    }
    // The end may have come while the user was told of a damaged file.
    if (m_closed)
        return {};
    m_path = path;
    if (!stored)
        return {};
    for (ListedRow &row : stored->rows)
        row.job = restoredJob(row.job, QFileInfo::exists(sourceOf(row.job)));
    m_jobs.replaceRows(stored->rows, stored->checks);
    return stored->listing;
}

bool JobListStore::keepDamaged(const QString &path, const QString &problem)
{
    const QString copy = path + QStringLiteral(".bak");
    QFile::remove(copy);
    QFile file(path);
    if (file.rename(copy)) {
        m_prompts.warning(QStringLiteral("The job list saved when the program last ended, %1, could not be read: %2.\n"
                                         "It was kept as %3, and the program starts with an empty list.")
                              .arg(QDir::toNativeSeparators(path), problem, QDir::toNativeSeparators(copy)));
        return true;
    }
    m_prompts.warning(
        QStringLiteral("The job list saved when the program last ended, %1, could not be read: %2.\n"
                       "It could not be kept as %3 either (%4), so it is left as it is and the job "
                       "list of this session is not saved. Make the folder writable, then start the "
                       "program again.")
            .arg(QDir::toNativeSeparators(path), problem, QDir::toNativeSeparators(copy), file.errorString()));
    return false;
}

void JobListStore::tellDroppedRows(const QString &path, const QByteArray &text, const QStringList &dropped)
{
    const QString copy = path + QStringLiteral(".bak");
    QString error;
    const QString kept = writeFileAtomically(copy, text, &error)
                             ? QStringLiteral("The whole file was kept as %1.").arg(QDir::toNativeSeparators(copy))
                             : QStringLiteral("No copy of the whole file could be kept as %1 (%2).")
                                   .arg(QDir::toNativeSeparators(copy), error);
    m_prompts.warning(QStringLiteral("Some rows of the job list saved when the program last ended, %1, are damaged "
                                     "and were left out: %2.\nThe other rows are back. %3 Add the files of the "
                                     "rows left out again to convert them.")
                          .arg(QDir::toNativeSeparators(path), dropped.join(QStringLiteral("; ")), kept));
}

void JobListStore::scheduleSave()
{
    if (!m_path.isEmpty() && !m_timer.isActive())
        m_timer.start(jobListSaveInterval(m_jobs.rowCount()));
}

void JobListStore::saveNow()
{
    const std::optional<QString> failure = write();
    if (!failure) {
        m_failureReported = false;
        return;
    }
    if (!std::exchange(m_failureReported, true))
        m_prompts.warning(*failure);
}

std::optional<QString> JobListStore::close()
{
    std::optional<QString> failure = write();
    m_closed = true;
    m_path.clear();
    return failure;
}

std::optional<QString> JobListStore::write()
{
    m_timer.stop();
    if (m_path.isEmpty())
        return std::nullopt;
    for (int row = 0; row < m_jobs.rowCount(); ++row) {
        if (!m_changed[row])
            continue;
        m_changed[row] = false;
        QByteArray text = jobListRowText({m_jobs.caption(row), m_jobs.job(row)}, m_jobs.isChecked(row));
        if (text != m_rowTexts[row]) {
            m_rowTexts[row] = std::move(text);
            m_unsaved = true;
        }
    }
    const QJsonObject listing = m_listing ? m_listing() : QJsonObject();
    if (!m_unsaved && listing == m_writtenListing)
        return std::nullopt;
    QString error;
    if (writeFileAtomically(m_path, jobListText(m_rowTexts, listing), &error)) {
        m_writtenListing = listing;
        m_unsaved = false;
        return std::nullopt;
    }
    return QStringLiteral("The job list could not be saved: %1\nIf the program ends now, the list does not come "
                          "back as it is at the next start. Check that the folder %2 is writable and has free "
                          "space; the list is saved again at its next change.")
        .arg(error, QDir::toNativeSeparators(QFileInfo(m_path).absolutePath()));
}
