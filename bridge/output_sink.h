#pragma once

#include <string_view>

namespace veltrix::bridge {

// Writes whole chunks to the caller's pipe, unbuffered, so every line
// reaches the reader at once. Once the reader has gone (EPIPE or any other
// write error) the sink is broken and drops everything after.
class OutputSink {
public:
    explicit OutputSink(int fd) : fd_(fd) {}

    void write(std::string_view text);
    bool broken() const { return broken_; }

private:
    int fd_;
    bool broken_ = false;
};

} // namespace veltrix::bridge
