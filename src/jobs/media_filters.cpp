#include "jobs/media_filters.h"

#include <QDir>
#include <QFileInfo>

QString addFilesFilter()
{
    return QStringList{QStringLiteral("All Support Format (*.mp3 *.aac *.m4a *.ac3 *.wav *.wma *.ogg)"),
                       QStringLiteral("MP3 Format (*.mp3)"),
                       QStringLiteral("WMA Format (*.wma)"),
                       QStringLiteral("AAC Format (*.aac)"),
                       QStringLiteral("MPEG4 Audio Format (*.m4a)"),
                       QStringLiteral("WAV Format (*.wav)"),
                       QStringLiteral("OGG Format (*.ogg)"),
                       QStringLiteral("All File (*)")}
        .join(QStringLiteral(";;"));
}

bool isFolderAudioFile(const QString &fileName)
{
    static const QStringList kExtensions = {QStringLiteral("mp3"), QStringLiteral("m4a"), QStringLiteral("aac"),
                                            QStringLiteral("ac3"), QStringLiteral("rm"),  QStringLiteral("wav"),
                                            QStringLiteral("wma"), QStringLiteral("ogg")};
    const qsizetype dot = fileName.lastIndexOf(u'.');
    return dot >= 0 && kExtensions.contains(fileName.mid(dot + 1).toLower());
}

QStringList folderAudioFiles(const QString &folder)
{
    QStringList paths;
    const QDir dir(folder);
    // Regular files and links to them only: a FIFO, socket or device would
    // hold the probe for ever.
    for (const QFileInfo &entry : dir.entryInfoList(QDir::Files | QDir::Hidden, QDir::Name))
        if (entry.isFile() && isFolderAudioFile(entry.fileName()))
            paths.append(entry.filePath());
    return paths;
}
