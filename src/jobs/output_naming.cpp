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

namespace {

QString safeTagText(QString text)
{
    for (QChar &c : text)
        if (c.category() == QChar::Other_Control || QStringView(u"/\\:*?\"<>|").contains(c))
            c = u'_';
    return text;
}

// "3/12" -> "03"; a track that is no number stays as it is.
QString twoDigits(const QString &track)
{
    bool number = false;
    const int value = track.section(u'/', 0, 0).trimmed().toInt(&number);
    return number ? QStringLiteral("%1").arg(value, 2, 10, QChar(u'0')) : track;
}

} // namespace

std::optional<QStringList> patternParts(const QString &pattern, const SourceTags &tags)
{
    const std::pair<QLatin1StringView, QString> fields[] = {{QLatin1StringView("{artist}"), tags.artist},
                                                            {QLatin1StringView("{album}"), tags.album},
                                                            {QLatin1StringView("{albumartist}"), tags.albumArtist},
                                                            {QLatin1StringView("{track}"), twoDigits(tags.track)},
                                                            {QLatin1StringView("{disc}"), tags.disc},
                                                            {QLatin1StringView("{title}"), tags.title},
                                                            {QLatin1StringView("{year}"), tags.date.left(4)}};
    QStringList parts;
    for (QString part : pattern.split(u'/', Qt::SkipEmptyParts)) {
        for (const auto &[field, value] : fields) {
            if (!part.contains(field))
                continue;
            if (value.trimmed().isEmpty())
                return std::nullopt;
            part.replace(field, safeTagText(value.trimmed()));
        }
        part = cutToBytes(part.trimmed(), 255);
        if (part == QLatin1String(".") || part == QLatin1String(".."))
            part = QStringLiteral("_");
        if (!part.isEmpty())
            parts << part;
    }
    if (parts.isEmpty())
        return std::nullopt;
    return parts;
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
