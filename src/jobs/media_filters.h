#pragma once
// Which files the job list offers and takes: the file-open filter and the
// extensions a folder is searched for. The audio editions take audio files;
// the video and DVD editions take video and audio files.

#include <QString>
#include <QStringList>

enum class MediaKinds { Audio, VideoAndAudio };

// The file-open filter of Add files, in Qt's syntax: first every type the
// edition takes, then the single types, then every file.
QString addFilesFilter(MediaKinds kinds);

// Whether a file name ends in one of the extensions the edition takes, in
// any letter case. The audio editions take ".mp3", ".m4a", ".aac", ".ac3",
// ".rm", ".wav", ".wma", ".ogg" and the sources of a music library (".flac",
// ".opus", ".wv", ".ape", ".aiff", ...); the video editions those and their
// video files.
bool isFolderMediaFile(const QString &fileName, MediaKinds kinds);

// Whether a folder add enters the subfolders.
enum class FolderDepth { Flat, WithSubfolders };

// The files inside a folder that the edition takes (with the files of its
// subfolders, not following links to folders, when asked), full paths in
// name order: regular files and links to them, never FIFOs, sockets or
// devices; a file whose name is not valid UTF-8 is given with replacement
// marks in its name.
QStringList folderMediaFiles(const QString &folder, MediaKinds kinds, FolderDepth depth = FolderDepth::Flat);

// Whether a subfolder of the folder (at any depth) holds a file the edition
// takes.
bool hasMediaBelow(const QString &folder, MediaKinds kinds);

// What a folder must hold to add anything, for messages: "audio files
// (.mp3, ...)" or "video or audio files (.avi, ...)".
QString folderMediaText(MediaKinds kinds);
