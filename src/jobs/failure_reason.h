#pragma once
// Why a conversion run failed, in words the user can act on.

#include "engine/child_run.h"

#include <QStringList>

// The reason of a run that failed, from how it ended and the encoder's last
// lines (oldest first): the system's error text the encoder reported
// ("Permission denied", "No space left on device", ...), else the encoder's
// last line that reports an error, else what the outcome itself says. A run
// that succeeded is taken to have written no output file.
QString failureReason(const RunOutcome &outcome, const QStringList &lastLines);

// The reason of a job whose encoder arguments could not be built.
QString unbuildableArgumentsReason();
