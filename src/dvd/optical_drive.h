#pragma once
// The drive wait of Add DVD: a folder on a mounted optical drive may have to
// wait until the drive has spun up before it can be searched.

#include <QString>

// True when `folder` lies on a file system mounted from an optical drive
// (/dev/sr0, /dev/sr1, ... or a link to one), as the text of /proc/mounts
// (`mounts`) tells.
bool liesOnOpticalDrive(const QString &folder, const QString &mounts);

// The same for the mounts of this machine.
bool liesOnOpticalDrive(const QString &folder);

// Blocks until the file system holding `folder` answers (the drive has spun
// up) or has failed to; for a worker thread.
void waitForDrive(const QString &folder);
