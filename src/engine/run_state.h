#pragma once
// The run flags of the main window, in one place: the main window owns one
// RunState and hands it by reference to everything that reads or changes it.

#include <QString>

struct RunState {
    bool converting = false; // from the start of a batch to its end or a stop
    bool previewing = false; // while the preview plays
    int batchPosition = 0;   // row of the running (or next) job; past the last row after a stop
    QString outputFolder;    // folder of the last job started, with its trailing "/"
};
