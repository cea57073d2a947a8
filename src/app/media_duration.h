#pragma once
// The length of a media file, read from register.dat's description of it.

#include <QString>

// Whole seconds of the "Duration:" in the encoder's description; 0 when absent.
int durationSecondsOf(const QByteArray &description);

// Runs register.dat on the file (description only) and reads its duration.
int probeDurationSeconds(const QString &encoderPath, const QString &workdir, const QString &mediaPath);
