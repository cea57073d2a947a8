#include "engine/unfinished_outputs.h"

#include "engine/state_folder.h"
#include "engine/temporary_output.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

// A record is a list of entries, each a mark ('+' noted, '-' settled), the
// path's bytes and a NUL byte; an entry without its NUL (cut short by a
// crash) is not read.

namespace {

QString recordFolder()
{
    return stateFolder() + QStringLiteral("/unfinished");
}

bool writeAll(int fd, const QByteArray &bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, static_cast<size_t>(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

// The paths an ended program's record leaves unsettled.
QStringList unsettledPaths(const QByteArray &record)
{
    QStringList open;
    const QList<QByteArray> entries = record.split('\0');
    for (qsizetype i = 0; i + 1 < entries.size(); ++i) { // the last piece has no NUL
        const QByteArray &entry = entries[i];
        if (entry.size() < 2)
            continue;
        const QString path = QFile::decodeName(entry.mid(1));
        if (entry[0] == '+')
            open.append(path);
        else if (entry[0] == '-')
            open.removeAll(path);
    }
    return open;
}

QByteArray readAll(int fd)
{
    QByteArray bytes;
    char buffer[4096];
    for (ssize_t n; (n = ::read(fd, buffer, sizeof buffer)) != 0;) {
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            break;
        bytes.append(buffer, n);
    }
    return bytes;
}

} // namespace

UnfinishedOutputs::~UnfinishedOutputs()
{
    if (m_fd < 0)
        return;
    // Nothing left to clean up: the record goes with the program.
    if (m_open.isEmpty())
        QFile::remove(m_path);
    ::close(m_fd);
}

bool UnfinishedOutputs::open()
{
    if (m_fd >= 0)
        return true;
    if (!QDir().mkpath(recordFolder()))
        return false;
    // A program that ends its start-up clean-up between the making and the
    // locking of the file may have removed it: then it is made again.
    for (int attempt = 0; attempt < 3; ++attempt) {
        const QString path = recordFolder()
                             + QStringLiteral("/%1-%2.record")
                                   .arg(QCoreApplication::applicationPid())
                                   .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
        const int fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd < 0)
            continue;
        struct stat status {};
        if (::flock(fd, LOCK_EX) == 0 && ::fstat(fd, &status) == 0 && status.st_nlink > 0) {
            m_fd = fd;
            m_path = path;
            return true;
        }
        ::close(fd);
    }
    return false;
}

void UnfinishedOutputs::append(char mark, const QString &path)
{
    if (m_fd >= 0)
        writeAll(m_fd, mark + QFile::encodeName(path) + '\0');
}

void UnfinishedOutputs::add(const QString &path)
{
    m_open.append(path);
    if (open())
        append('+', path);
}

void UnfinishedOutputs::settle(const QString &path)
{
    m_open.removeAll(path);
    if (m_fd < 0)
        return;
    if (m_open.isEmpty() && ::ftruncate(m_fd, 0) == 0 && ::lseek(m_fd, 0, SEEK_SET) == 0)
        return;
    append('-', path);
}

QStringList UnfinishedOutputs::removeLeftovers()
{
    QStringList removed;
    const QDir folder(recordFolder());
    for (const QString &name : folder.entryList({QStringLiteral("*.record")}, QDir::Files | QDir::Hidden)) {
        const QString recordPath = folder.filePath(name);
        const int fd = ::open(QFile::encodeName(recordPath).constData(), O_RDONLY | O_CLOEXEC);
        if (fd < 0)
            continue;
        // A record still locked belongs to a program that runs.
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            for (const QString &path : unsettledPaths(readAll(fd))) {
                const QFileInfo file(path);
                if (isTemporaryOutputName(file.fileName()) && file.isFile() && !file.isSymLink() && QFile::remove(path))
                    removed.append(path);
            }
            QFile::remove(recordPath);
        }
        ::close(fd);
    }
    return removed;
}
