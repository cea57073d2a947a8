#include "jobs/media_filters.h"

#include <QDir>
#include <QFile>
#include <algorithm>
#include <filesystem>

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
    // Listed by the names' bytes: a name that is no UTF-8 text has no QString
    // that names the file, and QDir would leave it out unseen. It is kept
    // (with its replacement marks), so that adding it can say why it fails.
    QStringList paths;
    std::error_code error;
    for (const auto &entry : std::filesystem::directory_iterator(QFile::encodeName(folder).toStdString(), error)) {
        const QString name = QFile::decodeName(QByteArray::fromStdString(entry.path().filename().native()));
        // Regular files and links to them only: a FIFO, socket or device
        // would hold the probe for ever.
        std::error_code unreadable;
        const bool file = name.contains(QChar::ReplacementCharacter) || entry.is_regular_file(unreadable);
        if (file && isFolderAudioFile(name))
            paths.append(QDir(folder).filePath(name));
    }
    std::sort(paths.begin(), paths.end());
    return paths;
}
