#pragma once
// Whether register.dat can run a batch's jobs, found before any job starts,
// so a missing or foreign encoder is one message rather than a failed row
// for every job.

#include <QString>
#include <optional>

// Why the encoder at `encoderFile` cannot run the jobs, as the message for
// the user; nothing when it can. Refused: a missing file, one that may not
// be run, and one that does not answer as this program's encoder bridge.
std::optional<QString> encoderRefusal(const QString &encoderFile);
