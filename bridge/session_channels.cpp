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
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
}

ReadChannel::ReadChannel(int fd, std::function<void(std::string_view)> onData, std::function<void()> onEnd)
    : Channel(fd), onData_(std::move(onData)), onEnd_(std::move(onEnd))
{
}

short ReadChannel::events() const
{
    return POLLIN;
}

void ReadChannel::pump()
{
    std::array<char, 65536> buffer;
    const ssize_t n = ::read(fd_, buffer.data(), buffer.size());
    if (n > 0) {
        onData_(std::string_view(buffer.data(), static_cast<std::size_t>(n)));
        return;
    }
    if (n < 0 && (errno == EAGAIN || errno == EINTR))
        return;
    if (onEnd_)
        onEnd_();
    close();
}

WriteChannel::WriteChannel(int fd, InputSource* source) : Channel(fd), source_(source), buffer_(kWriteChunk) {}

short WriteChannel::events() const
{
    return POLLOUT;
}

void WriteChannel::pump()
{
    for (std::size_t written = 0; written < kWriteBudget;) {
        if (offset_ == filled_) {
            const std::ptrdiff_t n = source_->read(buffer_.data(), buffer_.size());
            if (n <= 0) {
                if (n < 0)
                    failure_ = source_->failure();
                close();
                return;
            }
            offset_ = 0;
            filled_ = static_cast<std::size_t>(n);
        }
        const ssize_t n = ::write(fd_, buffer_.data() + offset_, filled_ - offset_);
        if (n > 0) {
            offset_ += static_cast<std::size_t>(n);
            written += static_cast<std::size_t>(n);
        } else if (n < 0 && errno == EAGAIN) {
            return;
        } else if (!(n < 0 && errno == EINTR)) {
            close();  // the reader has stopped reading: nothing more is wanted
            return;
        }
    }
}

bool anyOpen(std::span<Channel* const> channels)
{
    for (const Channel* c : channels) {
        if (c->isOpen())
            return true;
    }
    return false;
}

bool serveChannels(std::span<Channel* const> channels, int timeoutMs)
{
    std::vector<pollfd> fds{{signalWakeFd(), POLLIN, 0}};
    std::vector<Channel*> owners{nullptr};
    for (Channel* c : channels) {
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
