#pragma once
// Where the program keeps what it needs between sessions that is no setting:
// job logs, job lists, the record of unfinished outputs.

#include <QString>

// $XDG_STATE_HOME/veltrix, or ~/.local/state/veltrix when the variable is
// unset or not an absolute path.
QString stateFolder();
