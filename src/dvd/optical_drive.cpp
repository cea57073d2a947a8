#include "dvd/optical_drive.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <sys/statvfs.h>

namespace {

// /proc/mounts writes a blank as \040, a tab as \011, a line feed as \012
// and a backslash as \134.
QString unescapedMountField(const QString &field)
{
    QString out;
    for (qsizetype i = 0; i < field.size(); ++i) {
        bool octal = false;
        const int code = field.at(i) == u'\\' ? field.mid(i + 1, 3).toInt(&octal, 8) : 0;
        if (octal && i + 3 < field.size()) {
            out += QChar(code);
            i += 3;
        } else {
            out += field.at(i);
        }
    }
    return out;
}

bool isOpticalDevice(const QString &device)
{
    static const QRegularExpression optical(QStringLiteral("^/dev/sr[0-9]+$"));
    const QString resolved = QFileInfo(device).canonicalFilePath();
    return optical.match(device).hasMatch() || (!resolved.isEmpty() && optical.match(resolved).hasMatch());
}

bool contains(const QString &mountPoint, const QString &path)
{
    return path == mountPoint || mountPoint == u'/' || path.startsWith(mountPoint + u'/');
}

} // namespace

bool liesOnOpticalDrive(const QString &folder, const QString &mounts)
{
    const QString path = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    QString device;
    QString bestMountPoint;
    for (const QString &line : mounts.split(u'\n', Qt::SkipEmptyParts)) {
        const QStringList fields = line.split(u' ', Qt::SkipEmptyParts);
        if (fields.size() < 2)
            continue;
        const QString mountPoint = unescapedMountField(fields.at(1));
        // The longest mount point holding the path wins; a later mount on the
        // same point hides an earlier one.
        if (contains(mountPoint, path) && mountPoint.size() >= bestMountPoint.size()) {
            bestMountPoint = mountPoint;
            device = unescapedMountField(fields.at(0));
        }
    }
    return !bestMountPoint.isEmpty() && isOpticalDevice(device);
}

bool liesOnOpticalDrive(const QString &folder)
{
    QFile mounts(QStringLiteral("/proc/mounts"));
    if (!mounts.open(QIODevice::ReadOnly))
        return false;
    return liesOnOpticalDrive(folder, QString::fromUtf8(mounts.readAll()));
}

void waitForDrive(const QString &folder)
{
    struct statvfs info {};
    statvfs(QFile::encodeName(folder).constData(), &info);
}
