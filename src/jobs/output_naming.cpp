#include "jobs/output_naming.h"

#include "engine/name_bytes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

QString prepareOutputFolder(const QString &folderText)
{
    if (!folderText.isEmpty() && !QFileInfo::exists(folderText))
        QDir().mkpath(folderText);
    return folderText.endsWith(u'/') ? folderText : folderText + u'/';
}

QString treeFolder(const QString &outputFolder, const QString &sourcePath, const QString &addedFrom)
{
    if (addedFrom.isEmpty())
        return outputFolder;
    const QString below = QDir(addedFrom).relativeFilePath(QFileInfo(sourcePath).absolutePath());
    if (below == QLatin1String(".") || below.startsWith(QLatin1String("..")) || QDir::isAbsolutePath(below))
        return outputFolder;
    return QDir(outputFolder).filePath(below);
}

std::optional<LeftOutput> leftOutputAt(const QString &path)
{
    const QFileInfo file(path);
    if (!file.isFile())
        return std::nullopt;
    return LeftOutput{path, file.size(), file.lastModified().toMSecsSinceEpoch()};
}

OutputName outputPathFor(const QString &folderWithSlash, const QString &givenCaption, const QString &extension,
                         FirstName firstName, const std::optional<LeftOutput> &own, const QStringList &claimed)
{
    const auto isFree = [&own, &claimed](const QString &candidate) {
        if (claimed.contains(candidate))
            return false;
        return !QFileInfo::exists(candidate) || (own && own->path == candidate && leftOutputAt(candidate) == own);
    };
    // A renamed caption may hold "/", which would reach into other folders.
    QString caption = givenCaption;
    caption.replace(u'/', u'_');
    qsizetype blanks = 0;
    if (firstName == FirstName::WithoutLeadingBlanks)
        while (blanks < caption.size() && caption.at(blanks) == u' ')
            ++blanks;
    const QString stem = caption.mid(blanks);
    const qsizetype dot = stem.lastIndexOf(u'.');
    const auto named = [&folderWithSlash](const QString &wanted, const QString &tail) {
        const QString fitted = fittedName(wanted, tail);
        return OutputName{folderWithSlash + fitted, fitted.size() < wanted.size() + tail.size()};
    };
    const OutputName first = named(dot >= 0 ? stem.left(dot) : stem, extension);
    if (isFree(first.path))
        return first;
    for (int n = 1;; ++n) {
        const OutputName candidate = named(caption, u'_' + QString::number(n) + extension);
        if (isFree(candidate.path))
            return candidate;
    }
}

void clearOwnOutput(const QString &output, const std::optional<LeftOutput> &own)
{
    if (own && own->path == output && leftOutputAt(output) == own)
        QFile::remove(output);
}
