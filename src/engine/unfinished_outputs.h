#pragma once
// The record of this program's unfinished outputs: the temporary files its
// runs are writing. Should the program end before a run has settled its file
// (a crash, SIGKILL, a power loss), the next start removes what the record
// names, and nothing else.
//
// Each running program keeps its own record file under
// stateFolder()/unfinished, locked for as long as it runs; a record whose
// lock is free belongs to a program that has ended.

#include <QString>
#include <QStringList>

class UnfinishedOutputs {
public:
    UnfinishedOutputs() = default;
    ~UnfinishedOutputs();
    UnfinishedOutputs(const UnfinishedOutputs &) = delete;
    UnfinishedOutputs &operator=(const UnfinishedOutputs &) = delete;

    // Notes a temporary file before a run writes it. The record file is made
    // at the first note; a note that cannot be written leaves the file to be
    // settled by this program alone.
    void add(const QString &path);
    // The file has its final name or is gone.
    void settle(const QString &path);

    // Removes the temporary files named in the records of programs that have
    // ended (only files whose names are temporary output names), and those
    // records; gives the files removed.
    static QStringList removeLeftovers();

private:
    bool open();
    void append(char mark, const QString &path);

    int m_fd = -1;
    QString m_path;
    QStringList m_open; // noted and not yet settled
};
