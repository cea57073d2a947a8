#include "jobs/job_log.h"

#include "engine/name_bytes.h"
#include "engine/state_folder.h"
#include "jobs/failure_reason.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

QString jobLogFolder()
{
    return stateFolder() + QStringLiteral("/logs");
}

namespace {

constexpr qsizetype kLongestFileName = 255; // bytes
const QString kSameSecondTail = QStringLiteral(" (99).log");

} // namespace

QString jobLogName(const QDateTime &started, const QString &jobName)
{
    QString name = jobName;
    name.replace(u'/', u'_');
    const QString prefix = started.toString(QStringLiteral("yyyyMMdd-HHmmss")) + u' ';
    const qsizetype room = kLongestFileName - prefix.toUtf8().size() - kSameSecondTail.toUtf8().size();
    return prefix + cutToBytes(name, room) + QStringLiteral(".log");
}

QStringList logsToPrune(std::vector<LogFileEntry> logs, const QDateTime &now, int keep, int maxDays)
{
    std::sort(logs.begin(), logs.end(),
              [](const LogFileEntry &a, const LogFileEntry &b) { return a.modified > b.modified; });
    const QDateTime oldestKept = now.addDays(-maxDays);
    QStringList pruned;
    for (std::size_t i = 0; i < logs.size(); ++i)
        if (static_cast<int>(i) >= keep || logs[i].modified < oldestKept)
            pruned << logs[i].name;
    return pruned;
}

bool isProgressLine(const QString &line)
{
    return line.startsWith(QLatin1StringView("time=")) && line.contains(QLatin1StringView(" bitrate="));
}

void keepLastLine(QStringList &lines, const QString &line, int limit)
{
    if (isProgressLine(line) && !lines.isEmpty() && isProgressLine(lines.last()))
        lines.last() = line;
    else
        lines.append(line);
    while (lines.size() > limit)
        lines.removeFirst();
}

namespace {

void pruneLogs(QDir folder)
{
    std::vector<LogFileEntry> logs;
    for (const QFileInfo &file : folder.entryInfoList({QStringLiteral("*.log")}, QDir::Files))
        logs.push_back({file.fileName(), file.lastModified()});
    for (const QString &name : logsToPrune(std::move(logs), QDateTime::currentDateTime()))
        folder.remove(name);
}

} // namespace

void JobLog::begin(const QString &jobName, const QString &commandLine, const QString &ranAs)
{
    if (m_file.isOpen())
        m_file.close();
    m_record = JobRunRecord();
    m_causes.clear();
    m_record.commandLine = commandLine;
    m_open = true;
    const QDir folder(jobLogFolder());
    if (!folder.mkpath(QStringLiteral("."))) {
        m_record.logProblem = QStringLiteral("the folder %1 could not be created").arg(folder.path());
        return;
    }
    pruneLogs(folder);
    const QDateTime now = QDateTime::currentDateTime();
    const QString name = jobLogName(now, jobName);
    // Two jobs of one name started within a second get their own files.
    m_file.setFileName(folder.filePath(name));
    for (int n = 2; !m_file.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Text); ++n) {
        if (!m_file.exists()) {
            m_record.logProblem = m_file.errorString();
            return;
        }
        m_file.setFileName(folder.filePath(QFileInfo(name).completeBaseName() + QStringLiteral(" (%1).log").arg(n)));
    }
    m_record.logFile = m_file.fileName();
    write(QStringLiteral("Job: %1\nStarted: %2\nCommand line: %3\n").arg(jobName, now.toString(Qt::ISODate), commandLine));
    if (!ranAs.isEmpty() && ranAs != commandLine)
        write(QStringLiteral("Run as: %1\n(the output takes its name once it is whole)\n").arg(ranAs));
    write(QStringLiteral("\n"));
}

void JobLog::addLine(const QString &line)
{
    if (m_causes.size() < kKeptLastLines && namesCause(line) && !m_causes.contains(line))
        m_causes.append(line);
    keepLastLine(m_record.lastLines, line);
    write(line + u'\n');
}

JobRunRecord JobLog::finish(const QString &ending)
{
    write(QStringLiteral("\nEnded: %1: %2\n").arg(QDateTime::currentDateTime().toString(Qt::ISODate), ending));
    m_file.close();
    m_open = false;
    return m_record;
}

void JobLog::write(const QString &text)
{
    if (!m_file.isOpen())
        return;
    m_file.write(text.toUtf8());
    // A log is read when something went wrong, perhaps after a crash.
    m_file.flush();
}
