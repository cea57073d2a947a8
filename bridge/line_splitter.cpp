#include "line_splitter.h"

namespace veltrix::bridge {

LineSplitter::LineSplitter(LineHandler onLine) : onLine_(std::move(onLine)) {}

void LineSplitter::feed(std::string_view bytes)
{
    pending_.append(bytes);
    std::size_t start = 0;
    for (std::size_t nl = pending_.find('\n'); nl != std::string::npos;
         nl = pending_.find('\n', start)) {
        std::string_view line(pending_.data() + start, nl - start);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        onLine_(line);
        start = nl + 1;
    }
    pending_.erase(0, start);
}

void LineSplitter::finish()
{
    if (pending_.empty())
        return;
    std::string_view line(pending_);
    if (line.back() == '\r')
        line.remove_suffix(1);
    onLine_(line);
    pending_.clear();
}

} // namespace veltrix::bridge
