#include "platform/ini/atomic_file.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

// Where a write to path lands: a file linked into the settings folder is
// replaced where it lies, and the link stays a link.
QString resolvedTarget(const QString &path)
{
    QFileInfo info(path);
    for (int hops = 0; hops < 40 && info.isSymLink(); ++hops)
        info.setFile(info.symLinkTarget());
    return info.filePath();
}

} // namespace

AtomicFileWriter::AtomicFileWriter(const QString &path) : m_path(resolvedTarget(path)) {}

AtomicFileWriter::~AtomicFileWriter()
{
    if (!m_temporary.isEmpty())
        QFile::remove(m_temporary);
}

bool AtomicFileWriter::prepare(const QByteArray &contents)
{
    const QFileInfo target(m_path);
    if (!QDir().mkpath(target.absolutePath())) {
        m_error = QStringLiteral("The folder %1 could not be created.").arg(target.absolutePath());
        return false;
    }
    QTemporaryFile file(target.absolutePath() + "/." + target.fileName() + ".XXXXXX");
    file.setAutoRemove(false);
    if (!file.open()) {
        m_error = QStringLiteral("%1 could not be written: %2").arg(m_path, file.errorString());
        return false;
    }
    m_temporary = file.fileName();
    const bool written = file.write(contents) == contents.size() && file.flush() && ::fsync(file.handle()) == 0;
    file.close();
    if (!written) {
        m_error = QStringLiteral("%1 could not be written: %2").arg(m_path, file.errorString());
        return false;
    }
    // Keep the permissions of the file being replaced; a new one gets the usual 0644 less the umask.
    if (QFileInfo::exists(m_path))
        QFile::setPermissions(m_temporary, QFile::permissions(m_path));
    else
        QFile::setPermissions(m_temporary, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    return true;
}

bool AtomicFileWriter::commit()
{
    if (m_temporary.isEmpty())
        return false;
    if (std::rename(QFile::encodeName(m_temporary).constData(), QFile::encodeName(m_path).constData()) != 0) {
        m_error =
            QStringLiteral("%1 could not be replaced: %2").arg(m_path, QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    m_temporary.clear();
    return true;
}

bool writeFileAtomically(const QString &path, const QByteArray &contents, QString *error)
{
    AtomicFileWriter writer(path);
    const bool ok = writer.prepare(contents) && writer.commit();
    if (!ok && error)
        *error = writer.error();
    return ok;
}
