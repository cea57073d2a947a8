#include "output_sink.h"

#include <cerrno>
#include <unistd.h>

namespace veltrix::bridge {

void OutputSink::write(std::string_view text)
{
    while (!broken_ && !text.empty()) {
        const ssize_t n = ::write(fd_, text.data(), text.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            broken_ = true;
            return;
        }
        text.remove_prefix(static_cast<std::size_t>(n));
    }
}

} // namespace veltrix::bridge
