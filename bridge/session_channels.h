#pragma once

#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace veltrix::bridge {

class InputSource;

// One pipe end of a run, served by the conversion loop when poll() finds it
// ready. A channel owns its descriptor and closes it when its stream ends.
class Channel {
public:
    virtual ~Channel() { close(); }
    Channel(const Channel &) = delete;
    Channel &operator=(const Channel &) = delete;

    bool isOpen() const { return m_fd >= 0; }
    int fd() const { return m_fd; }
    virtual short events() const = 0;
    virtual void pump() = 0;
    void close();

protected:
    explicit Channel(int fd) : m_fd(fd) {}
    int m_fd;
};

// A read end and what to do with the bytes arriving on it.
class ReadChannel : public Channel {
public:
    ReadChannel(int fd, std::function<void(std::string_view)> onData, std::function<void()> onEnd = {});
    short events() const override;
    // Reads what is there; at the end of the stream calls onEnd and closes.
    void pump() override;

private:
    std::function<void(std::string_view)> m_onData;
    std::function<void()> m_onEnd;
};

// A non-blocking write end fed from an input source. It writes as much as
// the pipe takes and closes at the end of the data, when the reader has
// gone, or when the source fails (failure() then says why).
class WriteChannel : public Channel {
public:
    WriteChannel(int fd, InputSource *source);
    short events() const override;
    void pump() override;
    const std::string &failure() const { return m_failure; }

private:
    InputSource *m_source;
    std::vector<char> m_buffer;
    std::size_t m_offset = 0;
    std::size_t m_filled = 0;
    std::string m_failure;
};

// Waits until a signal arrives, a channel is ready, or `timeoutMs` passes
// (-1: no limit), and serves the ready channels. False when poll() itself
// failed.
bool serveChannels(std::span<Channel *const> channels, int timeoutMs);

bool anyOpen(std::span<Channel *const> channels);

} // namespace veltrix::bridge
