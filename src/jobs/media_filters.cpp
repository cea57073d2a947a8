#include "jobs/media_filters.h"

#include <QDir>
#include <QFile>
#include <algorithm>
#include <filesystem>

namespace {

// The audio edition's first eight, then the sources of a music library
// (lossless ones first) and the other sound formats this ffmpeg reads.
const QStringList kLibraryExtensions = {"flac", "opus", "wv",  "ape", "aiff", "aif", "aifc", "oga", "caf", "m4b",
                                        "mka",  "tta",  "spx", "mpc", "mp2",  "amr", "au",   "ra",  "dts", "eac3"};
// The ones the file dialog names one by one.
constexpr qsizetype kNamedLibraryFormats = 7;
const QStringList kAudioEditionExtensions =
    QStringList{"mp3", "m4a", "aac", "ac3", "rm", "wav", "wma", "ogg"} + kLibraryExtensions;
const QStringList kVideoExtensions = {"avi", "mp4", "m4v", "mov",  "mkv",  "webm", "wmv", "asf",
                                      "flv", "f4v", "mpg", "mpeg", "vob",  "ts",   "mts", "m2ts",
                                      "3gp", "3g2", "ogv", "rm",   "rmvb", "dv",   "divx"};
const QStringList kAudioExtensions = QStringList{"mp3", "m4a", "aac", "ac3", "wav", "wma", "ogg"} + kLibraryExtensions;

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
    return QStringList{
        QStringLiteral("All Support Format (*.mp3 *.aac *.m4a *.ac3 *.wav *.wma *.ogg %1)")
            .arg(patterns(kLibraryExtensions)),
        QStringLiteral("MP3 Format (*.mp3)"),
        QStringLiteral("WMA Format (*.wma)"),
        QStringLiteral("AAC Format (*.aac)"),
        QStringLiteral("MPEG4 Audio Format (*.m4a)"),
        QStringLiteral("WAV Format (*.wav)"),
        QStringLiteral("OGG Format (*.ogg)"),
        QStringLiteral("FLAC Format (*.flac)"),
        QStringLiteral("Opus Format (*.opus)"),
        QStringLiteral("WavPack Format (*.wv)"),
        QStringLiteral("Monkey's Audio Format (*.ape)"),
        QStringLiteral("AIFF Format (*.aiff *.aif *.aifc)"),
        QStringLiteral("Other Audio Format (%1)").arg(patterns(kLibraryExtensions.mid(kNamedLibraryFormats))),
        allFiles}
        .join(QStringLiteral(";;"));
}

bool isFolderMediaFile(const QString &fileName, MediaKinds kinds)
{
    const qsizetype dot = fileName.lastIndexOf(u'.');
    return dot >= 0 && extensionsOf(kinds).contains(fileName.mid(dot + 1).toLower());
}

namespace {

// Calls `take` for every media file of the folder (and below it, when
// `depth` says so) until it returns false. Listed by the names' bytes: a
// name that is no UTF-8 text has no QString that names the file, and QDir
// would leave it out unseen. It is kept (with its replacement marks), so
// that adding it can say why it fails.
template <class Take> void forEachMediaFile(const QString &folder, MediaKinds kinds, FolderDepth depth, Take take)
{
    std::error_code error;
    const std::filesystem::path root(QFile::encodeName(folder).toStdString());
    const auto options = std::filesystem::directory_options::skip_permission_denied;
    std::filesystem::recursive_directory_iterator entries(root, options, error), end;
    for (; entries != end; entries.increment(error)) {
        if (depth == FolderDepth::Flat)
            entries.disable_recursion_pending();
        const auto &entry = *entries;
        const QString name = QFile::decodeName(QByteArray::fromStdString(entry.path().filename().native()));
        // Regular files and links to them only: a FIFO, socket or device
        // would hold the probe for ever.
        std::error_code unreadable;
        const bool file = name.contains(QChar::ReplacementCharacter) || entry.is_regular_file(unreadable);
        if (file && isFolderMediaFile(name, kinds)
            && !take(QFile::decodeName(QByteArray::fromStdString(entry.path().native()))))
            return;
    }
}

} // namespace

QStringList folderMediaFiles(const QString &folder, MediaKinds kinds, FolderDepth depth)
{
    QStringList paths;
    forEachMediaFile(folder, kinds, depth, [&paths](const QString &path) {
        paths.append(path);
        return true;
    });
    std::sort(paths.begin(), paths.end());
    return paths;
}

bool hasMediaBelow(const QString &folder, MediaKinds kinds)
{
    const QString prefix = QDir(folder).absolutePath() + u'/';
    bool found = false;
    forEachMediaFile(folder, kinds, FolderDepth::WithSubfolders, [&](const QString &path) {
        found = QFileInfo(path).absolutePath() + u'/' != prefix;
        return !found;
    });
    return found;
}

QString folderMediaText(MediaKinds kinds)
{
    const QString what =
        kinds == MediaKinds::Audio ? QStringLiteral("audio files") : QStringLiteral("video or audio files");
    return what + QStringLiteral(" (.") + extensionsOf(kinds).join(QStringLiteral(", .")) + u')';
}
