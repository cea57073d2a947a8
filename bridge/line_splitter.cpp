#include "line_splitter.h"

namespace veltrix::bridge {

LineSplitter::LineSplitter(LineHandler onLine) : m_onLine(std::move(onLine)) {}

void LineSplitter::feed(std::string_view bytes)
{
    m_pending.append(bytes);
    std::size_t start = 0;
    for (std::size_t nl = m_pending.find('\n'); nl != std::string::npos; nl = m_pending.find('\n', start)) {
        std::string_view line(m_pending.data() + start, nl - start);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        m_onLine(line);
        start = nl + 1;
    }
    m_pending.erase(0, start);
}

void LineSplitter::finish()
{
    if (m_pending.empty())
        return;
    std::string_view line(m_pending);
    if (line.back() == '\r')
        line.remove_suffix(1);
    m_onLine(line);
    m_pending.clear();
}

} // namespace veltrix::bridge
