#pragma once
// Which files the job list offers and takes: the file-open filter and the
// audio extensions a folder is searched for.

#include <QString>
#include <QStringList>

// The file-open filter of Add files, in Qt's syntax.
QString addFilesFilter();

// Whether a file name ends in one of the audio extensions, in any letter
// case: ".mp3", ".m4a", ".aac", ".ac3", ".rm", ".wav", ".wma", ".ogg".
bool isFolderAudioFile(const QString &fileName);

// The audio files directly inside a folder (subfolders are not entered),
// full paths in name order: regular files and links to them, never FIFOs,
// sockets or devices; a file whose name is not valid UTF-8 is given with
// replacement marks in its name.
QStringList folderAudioFiles(const QString &folder);
