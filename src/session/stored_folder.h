#pragma once
// A folder kept in a settings file is kept as bytes: a folder name that is
// not valid text on this system (a Latin-1 byte under UTF-8) shows with
// U+FFFD, and writing that text back would name another folder.

#include <QByteArray>
#include <QString>
#include <optional>

// The stored bytes as the folder's text, decoded as file names are.
QString folderFromStoredBytes(const QByteArray &stored);

// The bytes to store for `folder`: those stored now when they read as that
// same folder, else the folder encoded as file names are.
QByteArray storedFolderBytes(const QString &folder, const std::optional<QByteArray> &stored);
