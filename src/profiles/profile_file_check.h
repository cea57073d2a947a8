#pragma once
// Whether every block of profiles.pop stands at its position. Blocks are
// found by position alone, so a missing or extra line shifts every later
// block; each block's name line is compared with the catalogue's name for its
// position to find the first block out of place.

#include <QByteArray>
#include <QString>
#include <optional>

// The first position (1 to 132) whose name line is not the catalogue's
// display name, or inside whose block the file ends. Positions without a
// catalogue entry are not compared by name. Lines end in LF or CR LF.
std::optional<int> firstMisplacedBlock(const QByteArray &contents);

// The first misplaced block of profiles.pop in the folder; nothing when all
// stand in place or the file cannot be read.
std::optional<int> firstMisplacedBlockIn(const QString &folder);

// The message for the user when profiles.pop in the folder has a block out
// of place; nothing when all blocks are in place or the file cannot be read
// (selecting a profile reports that).
std::optional<QString> profileFileDamageNotice(const QString &folder);
