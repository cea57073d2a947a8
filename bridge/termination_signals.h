#pragma once

#include <signal.h>

namespace veltrix::bridge {

// Signal handling of the bridge process.
//  - SIGPIPE is ignored: a closed stdout shows up as a write error instead.
//  - SIGTERM, SIGINT, SIGHUP and SIGQUIT are recorded as a termination
//    request; the conversion loop decides whether ffmpeg needs them too.
//  - Every caught signal (SIGCHLD included) wakes the event loop through
//    wakeFd().
void installSignalHandling();

// Readable whenever a signal has arrived since the last drainWakeups().
int signalWakeFd();
void drainWakeups();

bool terminationRequested();

// The signal to pass on to ffmpeg for the termination request: SIGINT for
// SIGINT, SIGTERM for the others (ffmpeg finishes its file cleanly on
// SIGINT/SIGTERM, while SIGHUP or SIGQUIT would kill it outright).
int signalForFfmpeg();

// Blocks the caught signals for its lifetime. Held across fork() so that a
// termination request is either seen by the parent before it checks or is
// pending in the child, which then dies of it before running ffmpeg.
class SignalBlock {
public:
    SignalBlock();
    ~SignalBlock();
    SignalBlock(const SignalBlock &) = delete;
    SignalBlock &operator=(const SignalBlock &) = delete;

private:
    sigset_t m_previous;
};

// For a freshly forked child: default dispositions, nothing blocked, so the
// program about to be exec'd starts with a clean slate. Async-signal-safe.
void resetSignalsInChild();

} // namespace veltrix::bridge
