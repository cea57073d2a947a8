#pragma once
// profiles.pop: four lines per profile id, found by position alone. The block
// of id N is lines 4N-3 (not interpreted), 4N-2 (sizes), 4N-1 (video rates)
// and 4N (argument template).

#include <QString>
#include <QStringList>
#include <optional>
#include <stdexcept>

class QIODevice;

inline const QString kProfileFileName = QStringLiteral("profiles.pop");

// The file is missing or may not be read. what() is the text for the user.
class ProfileFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Splits a size or rate line at single blanks. An empty token ends the list,
// so a leading blank or two blanks in a row end it early; a last token of
// one character is dropped.
QStringList tokenizeLine(const QString &line);

// The lines of one block; a line past the end of the file is absent.
struct ProfileBlock {
    std::optional<QString> sizeLine;
    std::optional<QString> rateLine;
    std::optional<QString> argumentTemplate;
};

// Reads from the start of the device up to and including line 4N and no
// further. Lines are UTF-8; "\n" and "\r\n" both end a line.
ProfileBlock readProfileBlock(QIODevice &file, int id);

// Opens profiles.pop in the folder and reads the block of the id; throws
// ProfileFileError when the file is missing or cannot be read.
ProfileBlock readProfileBlock(const QString &folder, int id);
