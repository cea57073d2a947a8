#pragma once
// The log of each job: the command line and every line the encoder wrote,
// in a file of its own under $XDG_STATE_HOME/veltrix/logs/ (default
// ~/.local/state/veltrix/logs/), plus the last lines the job keeps to show.
// Old logs are pruned whenever a new one starts.

#include "jobs/job.h"

#include <QDateTime>
#include <QFile>
#include <vector>

inline constexpr int kKeptLogs = 200;
inline constexpr int kLogDays = 30;
inline constexpr int kKeptLastLines = 20;

// The logs' folder in the program's state folder: stateFolder()/logs.
QString jobLogFolder();

// "20240131-142501 <job name>.log"; a "/" in the name becomes "_". A long
// job name is cut short so that the name, and the " (N)" a second log of the
// same second adds, fit the 255 bytes a file name may hold.
QString jobLogName(const QDateTime &started, const QString &jobName);

struct LogFileEntry {
    QString name;
    QDateTime modified;
};
// The logs to delete: every log older than maxDays, and the oldest beyond
// the newest `keep` ones.
QStringList logsToPrune(std::vector<LogFileEntry> logs, const QDateTime &now, int keep = kKeptLogs,
                        int maxDays = kLogDays);

// Whether the line is one of the encoder's progress lines ("time=... bitrate=...").
bool isProgressLine(const QString &line);
// Appends a line to the kept last lines, at most `limit` of them; a progress
// line replaces the progress line just before it, so progress does not push
// the encoder's messages out.
void keepLastLine(QStringList &lines, const QString &line, int limit = kKeptLastLines);

class JobLog {
public:
    // Prunes old logs and starts the log of a job. The record keeps the
    // command line naming the output; the log also gives the command as it
    // ran (`ranAs`, writing under a temporary name) when that differs. A log
    // that cannot be written is noted in the record; the job runs regardless.
    void begin(const QString &jobName, const QString &commandLine, const QString &ranAs = {});
    bool isOpen() const { return m_open; }
    void addLine(const QString &line);
    // Writes how the run ended, closes the log and gives what the job keeps.
    JobRunRecord finish(const QString &ending);
    // What the job keeps so far.
    const JobRunRecord &record() const { return m_record; }
    // The lines a failure's reason is read from: those anywhere in the
    // encoder's output that name a cause, then the last lines.
    QStringList reasonLines() const { return m_causes + m_record.lastLines; }

private:
    void write(const QString &text);

    bool m_open = false;
    QFile m_file;
    JobRunRecord m_record;
    QStringList m_causes; // distinct lines that name a cause, the first ones
};
