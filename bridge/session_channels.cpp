#include "session_channels.h"

#include "conversion_session.h"
#include "termination_signals.h"

#include <array>
#include <cerrno>
#include <poll.h>
#include <unistd.h>

namespace veltrix::bridge {
namespace {

// Sectors are 2048 bytes; 64 of them per read from the source.
constexpr std::size_t kWriteChunk = 64 * 2048;
// At most this much per turn of the loop, so output is read in between.
constexpr std::size_t kWriteBudget = 1 << 20;

} // namespace

void Channel::close()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
}

ReadChannel::ReadChannel(int fd, std::function<void(std::string_view)> onData, std::function<void()> onEnd)
    : Channel(fd),
      m_onData(std::move(onData)),
      m_onEnd(std::move(onEnd))
{}

short ReadChannel::events() const
{
    return POLLIN;
}

void ReadChannel::pump()
{
    std::array<char, 65536> buffer;
    const ssize_t n = ::read(m_fd, buffer.data(), buffer.size());
    if (n > 0) {
        m_onData(std::string_view(buffer.data(), static_cast<std::size_t>(n)));
        return;
    }
    if (n < 0 && (errno == EAGAIN || errno == EINTR))
        return;
    if (m_onEnd)
        m_onEnd();
    close();
}

WriteChannel::WriteChannel(int fd, InputSource *source) : Channel(fd), m_source(source), m_buffer(kWriteChunk) {}

short WriteChannel::events() const
{
    return POLLOUT;
}

void WriteChannel::pump()
{
    for (std::size_t written = 0; written < kWriteBudget;) {
        if (m_offset == m_filled) {
            const std::ptrdiff_t n = m_source->read(m_buffer.data(), m_buffer.size());
            if (n <= 0) {
                if (n < 0)
                    m_failure = m_source->failure();
                close();
                return;
            }
            m_offset = 0;
            m_filled = static_cast<std::size_t>(n);
        }
        const ssize_t n = ::write(m_fd, m_buffer.data() + m_offset, m_filled - m_offset);
        if (n > 0) {
            m_offset += static_cast<std::size_t>(n);
            written += static_cast<std::size_t>(n);
        } else if (n < 0 && errno == EAGAIN) {
            return;
        } else if (!(n < 0 && errno == EINTR)) {
            close(); // the reader has stopped reading: nothing more is wanted
            return;
        }
    }
}

bool anyOpen(std::span<Channel *const> channels)
{
    for (const Channel *c : channels) {
        if (c->isOpen())
            return true;
    }
    return false;
}

bool serveChannels(std::span<Channel *const> channels, int timeoutMs)
{
    std::vector<pollfd> fds{{signalWakeFd(), POLLIN, 0}};
    std::vector<Channel *> owners{nullptr};
    for (Channel *c : channels) {
        if (c->isOpen()) {
            fds.push_back({c->fd(), c->events(), 0});
            owners.push_back(c);
        }
    }
    const int ready = poll(fds.data(), fds.size(), timeoutMs);
    if (ready < 0)
        return errno == EINTR;
    if (fds[0].revents)
        drainWakeups();
    for (std::size_t i = 1; i < fds.size(); ++i) {
        if (fds[i].revents)
            owners[i]->pump();
    }
    return true;
}

} // namespace veltrix::bridge
