#include "jobs/job_list_store.h"

#include "jobs/job_list_file.h"
#include "jobs/job_model.h"
#include "platform/ini/atomic_file.h"
#include "ui_text/prompts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <optional>

JobListStore::JobListStore(JobModel &jobs, Prompts &prompts, QObject *parent)
    : QObject(parent),
      m_jobs(jobs),
      m_prompts(prompts)
{
    m_timer.setSingleShot(true);
    m_timer.setInterval(kJobListSaveInterval);
    connect(&m_timer, &QTimer::timeout, this, &JobListStore::saveNow);
    const auto changed = [this] { scheduleSave(); };
    connect(&jobs, &JobModel::dataChanged, this, changed);
    connect(&jobs, &JobModel::rowsInserted, this, changed);
    connect(&jobs, &JobModel::rowsRemoved, this, changed);
    connect(&jobs, &JobModel::modelReset, this, changed);
    connect(&jobs, &JobModel::jobChanged, this, changed);
}

QJsonObject JobListStore::open(const QString &path)
{
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
        else
            stored = parseJobList(file.readAll(), &problem);
        if (!stored && !keepDamaged(path, problem))
            return {};
    }
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

void JobListStore::scheduleSave()
{
    if (!m_path.isEmpty() && !m_timer.isActive())
        m_timer.start();
}

void JobListStore::saveNow()
{
    m_timer.stop();
    if (m_path.isEmpty())
        return;
    StoredJobList list;
    list.rows.reserve(m_jobs.rowCount());
    for (int row = 0; row < m_jobs.rowCount(); ++row)
        list.rows.push_back({m_jobs.caption(row), m_jobs.job(row)});
    list.checks = m_jobs.checkMarks();
    if (m_listing)
        list.listing = m_listing();
    const QByteArray text = jobListText(list);
    if (text == m_written)
        return;
    QString error;
    if (writeFileAtomically(m_path, text, &error)) {
        m_written = text;
        m_failureReported = false;
        return;
    }
    if (m_failureReported)
        return;
    m_failureReported = true;
    m_prompts.warning(QStringLiteral("The job list could not be saved: %1\nIf the program ends now, the list does "
                                     "not come back as it is at the next start. Check that the folder %2 is "
                                     "writable and has free space; the list is saved again at its next change.")
                          .arg(error, QDir::toNativeSeparators(QFileInfo(m_path).absolutePath())));
}
