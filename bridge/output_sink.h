#pragma once

#include <string_view>

namespace veltrix::bridge {

// Writes whole chunks to the caller's pipe, unbuffered, so every line
// reaches the reader at once. Once the reader has gone (EPIPE or any other
// write error) the sink is broken and drops everything after.
class OutputSink {
public:
    explicit OutputSink(int fd) : m_fd(fd) {}

    void write(std::string_view text);
    // The bridge's own cause of a failure, in the one form the converter
    // recognises and shows as it is: "register.dat: <cause>" and CR LF.
    void writeCause(std::string_view cause);
    bool broken() const { return m_broken; }

private:
    int m_fd;
    bool m_broken = false;
};

} // namespace veltrix::bridge
