#pragma once
// The output folder typed into `ed_output`, resolved once when a batch takes
// it over, so the folder created and the folder the encoder writes to are the
// same whatever the program's working folder.

#include <QString>
#include <optional>

// The folder the text names, absolute: "~" and a leading "~/" stand for the
// home folder, and a relative folder lies in the home folder. An absolute
// text, blanks included, is kept as typed.
QString absoluteOutputFolder(const QString &typed, const QString &home);

// Why a batch cannot write to the typed folder, as the message for the user;
// nothing when it can. Refused: an empty (or all-blank) field, and a name
// holding U+FFFD, the mark of a file name whose bytes are not text in this
// system's encoding (a file written there would land in another folder).
std::optional<QString> outputFolderRefusal(const QString &typed);
