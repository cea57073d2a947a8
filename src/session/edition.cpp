#include "session/edition.h"

#include <QStringList>

Edition editionOf(const QString &programPath)
{
    Edition edition;
    edition.name = programPath.section(u'/', -1);
    edition.baseName = edition.name.endsWith(u".exe", Qt::CaseInsensitive) ? edition.name.chopped(4) : edition.name;
    const auto has = [&edition](QStringView keyword) { return edition.name.contains(keyword, Qt::CaseInsensitive); };
    edition.dvdMode = has(u"dvd");
    edition.zuvok = has(u"zuvok");
    edition.audioNamed = has(u"mp3") || has(u"audio");
    return edition;
}

QString editionTitle(const QString &baseName)
{
    QStringList words = baseName.split(u'-', Qt::SkipEmptyParts);
    for (QString &word : words)
        word = word.compare(u"dvd", Qt::CaseInsensitive) == 0 ? word.toUpper() : word.left(1).toUpper() + word.mid(1);
    return words.join(u' ');
}

QString appSettingsFileName(const QString &baseName)
{
    const qsizetype dot = baseName.lastIndexOf(u'.');
    return (dot < 0 ? baseName : baseName.left(dot)) + QStringLiteral(".ini");
}
