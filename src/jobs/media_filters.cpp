#include "jobs/media_filters.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QStringList kAudioEditionExtensions = {"mp3", "m4a", "aac", "ac3", "rm", "wav", "wma", "ogg"};
const QStringList kVideoExtensions = {"avi", "mp4", "m4v", "mov",  "mkv",  "webm", "wmv", "asf",
                                      "flv", "f4v", "mpg", "mpeg", "vob",  "ts",   "mts", "m2ts",
                                      "3gp", "3g2", "ogv", "rm",   "rmvb", "dv",   "divx"};
const QStringList kAudioExtensions = {"mp3", "m4a",  "aac", "ac3", "wav",  "wma",
                                      "ogg", "flac", "mp2", "amr", "opus", "ra"};

QStringList extensionsOf(MediaKinds kinds)
{
    if (kinds == MediaKinds::Audio)
        return kAudioEditionExtensions;
    QStringList all = kVideoExtensions + kAudioExtensions;
    all.removeDuplicates();
    return all;
}

QString patterns(const QStringList &extensions)
{
    QStringList globs;
    for (const QString &extension : extensions)
        globs << QStringLiteral("*.") + extension;
    return globs.join(u' ');
}

} // namespace

QString addFilesFilter(MediaKinds kinds)
{
    const QString allFiles = QStringLiteral("All File (*)");
    if (kinds == MediaKinds::VideoAndAudio)
        return QStringList{QStringLiteral("All Support Format (%1)").arg(patterns(extensionsOf(kinds))),
                           QStringLiteral("Video Format (%1)").arg(patterns(kVideoExtensions)),
                           QStringLiteral("Audio Format (%1)").arg(patterns(kAudioExtensions)), allFiles}
            .join(QStringLiteral(";;"));
    return QStringList{QStringLiteral("All Support Format (*.mp3 *.aac *.m4a *.ac3 *.wav *.wma *.ogg)"),
                       QStringLiteral("MP3 Format (*.mp3)"),
                       QStringLiteral("WMA Format (*.wma)"),
                       QStringLiteral("AAC Format (*.aac)"),
                       QStringLiteral("MPEG4 Audio Format (*.m4a)"),
                       QStringLiteral("WAV Format (*.wav)"),
                       QStringLiteral("OGG Format (*.ogg)"),
                       allFiles}
        .join(QStringLiteral(";;"));
}

bool isFolderMediaFile(const QString &fileName, MediaKinds kinds)
{
    const qsizetype dot = fileName.lastIndexOf(u'.');
    return dot >= 0 && extensionsOf(kinds).contains(fileName.mid(dot + 1).toLower());
}

QStringList folderMediaFiles(const QString &folder, MediaKinds kinds)
{
    QStringList paths;
    const QDir dir(folder);
    // Regular files and links to them only: a FIFO, socket or device would
    // hold the probe for ever.
    for (const QFileInfo &entry : dir.entryInfoList(QDir::Files | QDir::Hidden, QDir::Name))
        if (entry.isFile() && isFolderMediaFile(entry.fileName(), kinds))
            paths.append(entry.filePath());
    return paths;
}

QString folderMediaText(MediaKinds kinds)
{
    const QString what =
        kinds == MediaKinds::Audio ? QStringLiteral("audio files") : QStringLiteral("video or audio files");
    return what + QStringLiteral(" (.") + extensionsOf(kinds).join(QStringLiteral(", .")) + u')';
}
