#include "output_sink.h"

#include <cerrno>
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

} // namespace veltrix::bridge
