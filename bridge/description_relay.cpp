#include "description_relay.h"

namespace veltrix::bridge {
namespace {

std::size_t indentOf(std::string_view line)
{
    const std::size_t first = line.find_first_not_of(' ');
    return first == std::string_view::npos ? line.size() : first;
}

} // namespace

bool isStatsReportLine(std::string_view line)
{
    const bool statsStart = line.starts_with("size=") || line.starts_with("frame=");
    return statsStart && line.find(" time=") != std::string_view::npos;
}

std::string DescriptionRelay::relay(std::string_view line)
{
    const std::size_t indent = indentOf(line);
    // Every line ffmpeg prints for a tag is indented deeper than its heading.
    if (m_metadataIndent && indent > *m_metadataIndent)
        return {};
    m_metadataIndent.reset();
    if (line.substr(indent) == "Metadata:") {
        m_metadataIndent = indent;
        return {};
    }
    if (isStatsReportLine(line))
        return {};
    std::string text(line);
    for (char &c : text) {
        if (c == '\r')
            c = ' ';
    }
    text += "\r\n";
    return text;
}

} // namespace veltrix::bridge
