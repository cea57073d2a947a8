#include "output_sink.h"

#include <cerrno>
#include <string>
#include <unistd.h>

namespace veltrix::bridge {

void OutputSink::write(std::string_view text)
{
    while (!m_broken && !text.empty()) {
        const ssize_t n = ::write(m_fd, text.data(), text.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            m_broken = true;
            return;
        }
        text.remove_prefix(static_cast<std::size_t>(n));
    }
}

void OutputSink::writeCause(std::string_view cause)
{
    write(std::string("register.dat: ").append(cause).append("\r\n"));
}

} // namespace veltrix::bridge
