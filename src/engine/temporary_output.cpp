#include "engine/temporary_output.h"

#include "engine/name_bytes.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <limits.h>

namespace {

constexpr int kTokenLength = 6;

QString extensionOf(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix();
    return suffix.isEmpty() ? QString() : u'.' + suffix;
}

QString randomToken()
{
    static const char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    QString token;
    for (int i = 0; i < kTokenLength; ++i)
        token += QLatin1Char(kLetters[QRandomGenerator::global()->bounded(int(sizeof kLetters) - 1)]);
    return token;
}

// Renames without replacing: false with errno EEXIST when the target exists.
bool renameNoReplace(const QString &from, const QString &to)
{
    const QByteArray source = QFile::encodeName(from);
    const QByteArray target = QFile::encodeName(to);
    if (::renameat2(AT_FDCWD, source.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS)
        return false;
    // A file system without the no-replace rename.
    if (QFileInfo::exists(to)) {
        errno = EEXIST;
        return false;
    }
    return std::rename(source.constData(), target.constData()) == 0;
}

} // namespace

QString temporaryOutputPath(const QString &finalPath, const QString &token)
{
    const QFileInfo output(finalPath);
    const QString folder = finalPath.left(finalPath.size() - output.fileName().size());
    const QString tail = QStringLiteral("part-") + token + extensionOf(finalPath);
    const QString name = u'.' + output.fileName() + u'.' + tail;
    return folder + (QFile::encodeName(name).size() <= NAME_MAX ? name : u'.' + tail);
}

QString freshTemporaryOutputPath(const QString &finalPath)
{
    QString path;
    do
        path = temporaryOutputPath(finalPath, randomToken());
    while (QFileInfo::exists(path) || QFileInfo(path).isSymLink());
    return path;
}

bool isTemporaryOutputName(const QString &fileName)
{
    static const QRegularExpression pattern(
        QStringLiteral("^\\.(.*\\.)?part-[A-Za-z0-9]{%1}(\\.[^./]*)?$").arg(kTokenLength));
    return pattern.match(fileName).hasMatch();
}

QString partialOutputPath(const QString &finalPath)
{
    static const QString kMark = QStringLiteral(" (partial)");
    const QFileInfo output(finalPath);
    const QString folder = finalPath.left(finalPath.size() - output.fileName().size());
    const QString extension = extensionOf(finalPath);
    const QString stem = output.fileName().left(output.fileName().size() - extension.size());
    return folder + fittedName(stem, kMark + extension);
}

FinalName giveFinalName(const QString &temporaryPath, const QString &finalPath)
{
    const QFileInfo output(finalPath);
    const QString folder = finalPath.left(finalPath.size() - output.fileName().size());
    const QString extension = extensionOf(finalPath);
    const QString stem = output.fileName().left(output.fileName().size() - extension.size());
    QString candidate = finalPath;
    for (int n = 1; !renameNoReplace(temporaryPath, candidate); ++n) {
        const int error = errno;
        if (error != EEXIST)
            return {{},
                    QStringLiteral("The finished file %1 could not be given its name %2: %3")
                        .arg(temporaryPath, candidate, QString::fromLocal8Bit(std::strerror(error)))};
        candidate = folder + fittedName(stem, u'_' + QString::number(n) + extension);
    }
    return {candidate, {}};
}
