#pragma once
// What the commands offered at a moment depend on, as the session knows it.

struct CommandSituation {
    bool listEmpty = true;
    bool rowSelected = false;
    bool previewing = false;
    bool converting = false;
    bool adding = false; // files are being added (another add waits)
};
