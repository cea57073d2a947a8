#include "platform/signals/end_signals.h"

#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr int kEndSignals[] = {SIGTERM, SIGHUP, SIGINT};
int s_pipe[2] = {-1, -1}; // read end, write end

// Async-signal-safe: one write of one byte, errno kept.
void onSignal(int signal)
{
    const int saved = errno;
    const char number = static_cast<char>(signal);
    [[maybe_unused]] const ssize_t written = ::write(s_pipe[1], &number, 1);
    errno = saved;
}

} // namespace

EndSignals::EndSignals(std::function<void(int signal)> end, QObject *parent) : QObject(parent), m_end(std::move(end))
{
    if (::pipe2(s_pipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    m_notifier = new QSocketNotifier(s_pipe[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &EndSignals::received);
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : kEndSignals)
        ::sigaction(signal, &action, nullptr);
}

EndSignals::~EndSignals()
{
    for (const int signal : kEndSignals)
        ::signal(signal, SIG_DFL);
    for (int &fd : s_pipe)
        if (fd >= 0)
            ::close(std::exchange(fd, -1));
}

void EndSignals::received()
{
    char number = 0;
    while (::read(s_pipe[0], &number, 1) == 1)
        if (!std::exchange(m_ending, true))
            m_end(number);
}
