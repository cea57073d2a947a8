#include "jobs/output_naming.h"

#include <QDir>
#include <QFileInfo>

QString prepareOutputFolder(const QString &folderText)
{
    if (!folderText.isEmpty() && !QFileInfo::exists(folderText))
        QDir().mkdir(folderText);
    return folderText.endsWith(u'/') ? folderText : folderText + u'/';
}

QString outputPathFor(const QString &folderWithSlash, const QString &givenCaption, const QString &extension,
                      FirstName firstName, const QStringList &claimed)
{
    const auto taken = [&claimed](const QString &path) { return claimed.contains(path) || QFileInfo::exists(path); };
    // A renamed caption may hold "/", which would reach into other folders.
    QString caption = givenCaption;
    caption.replace(u'/', u'_');
    qsizetype blanks = 0;
    if (firstName == FirstName::WithoutLeadingBlanks)
        while (blanks < caption.size() && caption.at(blanks) == u' ')
            ++blanks;
    const QString stem = caption.mid(blanks);
    const qsizetype dot = stem.lastIndexOf(u'.');
    const QString first = folderWithSlash + (dot >= 0 ? stem.left(dot) : stem) + extension;
    if (!taken(first))
        return first;
    for (int n = 1;; ++n) {
        const QString candidate = folderWithSlash + caption + u'_' + QString::number(n) + extension;
        if (!taken(candidate))
            return candidate;
    }
}
