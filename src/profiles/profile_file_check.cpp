#include "profiles/profile_file_check.h"

#include "profiles/catalogue.h"
#include "profiles/profile_file.h"

#include <QDir>
#include <QFile>
#include <QList>

std::optional<int> firstMisplacedBlock(const QByteArray &contents)
{
    QList<QByteArray> lines = contents.split('\n');
    if (contents.isEmpty() || contents.endsWith('\n'))
        lines.removeLast();
    for (int id = kFirstProfileId; id <= kLastProfileId; ++id) {
        if (lines.size() < 4 * id)
            return id;
        QByteArray nameLine = lines.at(4 * (id - 1));
        if (nameLine.endsWith('\r'))
            nameLine.chop(1);
        const std::optional<QString> name = displayName(id);
        if (name && QString::fromUtf8(nameLine) != *name)
            return id;
    }
    return std::nullopt;
}

std::optional<int> firstMisplacedBlockIn(const QString &folder)
{
    QFile file(QDir(folder).filePath(kProfileFileName));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return firstMisplacedBlock(file.readAll());
}

std::optional<QString> profileFileDamageNotice(const QString &folder)
{
    const std::optional<int> position = firstMisplacedBlockIn(folder);
    if (!position)
        return std::nullopt;
    return QStringLiteral("The profile file %1 in %2 is damaged at profile position %3 (%4): its block does not "
                          "stand where it belongs, because a line is missing or extra before it or the file ends "
                          "inside it. This profile and those after it would convert with another profile's "
                          "settings.\nReinstall the program to restore the file.")
        .arg(kProfileFileName, QDir::toNativeSeparators(QDir(folder).absolutePath()))
        .arg(*position)
        .arg(displayName(*position).value_or(QStringLiteral("a blank position")));
}
