#pragma once
// What a start-up benchmark reports once its window has been shown: the wall
// clock at the end of the first show, then, after a while at rest, the peak
// and resident memory of the process.

#include <QWidget>

// Shows the window, prints "shown_ns=<CLOCK_REALTIME ns>" when the first
// show has been handled, waits at rest, prints "peak_kb=<VmHWM>" and
// "rss_kb=<VmRSS>" and ends the event loop.
int showAndReport(QWidget &window);
