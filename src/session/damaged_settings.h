#pragma once
// Telling the user, once at start, that a settings file was damaged and
// where the copy of it lies.

#include <QString>
#include <optional>

class IniFile;

// Checks the file; when it would lose content by a rewrite, keeps a copy of
// it and gives the message for the user (also when the copy failed, and
// when what lies under the name is no file, which is never read or written).
// Nothing for a clean or missing file, nor for one whose copy was kept and
// reported before.
std::optional<QString> damagedSettingsNotice(IniFile &file);
