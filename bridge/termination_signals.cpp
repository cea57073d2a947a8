#include "termination_signals.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace veltrix::bridge {
namespace {

volatile sig_atomic_t g_terminationSignal = 0;
int g_wakePipe[2] = {-1, -1};

constexpr int kTerminationSignals[] = {SIGTERM, SIGINT, SIGHUP, SIGQUIT};

void onSignal(int sig)
{
    const int savedErrno = errno;
    if (sig != SIGCHLD)
        g_terminationSignal = sig;
    const char byte = 0;
    [[maybe_unused]] const ssize_t n = write(g_wakePipe[1], &byte, 1);
    errno = savedErrno;
}

void blockedSet(sigset_t *set)
{
    sigemptyset(set);
    for (int sig : kTerminationSignals)
        sigaddset(set, sig);
    sigaddset(set, SIGCHLD);
}

} // namespace

void installSignalHandling()
{
    if (pipe2(g_wakePipe, O_CLOEXEC | O_NONBLOCK) != 0)
        g_wakePipe[0] = g_wakePipe[1] = -1;

    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    sigemptyset(&ignore.sa_mask);
    sigaction(SIGPIPE, &ignore, nullptr);

    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    // No SA_RESTART: a blocking poll() should return and see the wake-up.
    action.sa_flags = SA_NOCLDSTOP;
    for (int sig : kTerminationSignals)
        sigaction(sig, &action, nullptr);
    sigaction(SIGCHLD, &action, nullptr);
}

int signalWakeFd()
{
    return g_wakePipe[0];
}

void drainWakeups()
{
    char buffer[64];
    while (read(g_wakePipe[0], buffer, sizeof buffer) > 0) {
    }
}

bool terminationRequested()
{
    return g_terminationSignal != 0;
}

int signalForFfmpeg()
{
    return g_terminationSignal == SIGINT ? SIGINT : SIGTERM;
}

SignalBlock::SignalBlock()
{
    sigset_t set;
    blockedSet(&set);
    sigprocmask(SIG_BLOCK, &set, &m_previous);
}

SignalBlock::~SignalBlock()
{
    sigprocmask(SIG_SETMASK, &m_previous, nullptr);
}

void resetSignalsInChild()
{
    struct sigaction byDefault {};
    byDefault.sa_handler = SIG_DFL;
    sigemptyset(&byDefault.sa_mask);
    for (int sig : kTerminationSignals)
        sigaction(sig, &byDefault, nullptr);
    sigaction(SIGCHLD, &byDefault, nullptr);
    sigaction(SIGPIPE, &byDefault, nullptr);

    sigset_t none;
    sigemptyset(&none);
    sigprocmask(SIG_SETMASK, &none, nullptr);
}

} // namespace veltrix::bridge
