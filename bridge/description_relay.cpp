#include "description_relay.h"

namespace veltrix::bridge {

bool isStatsReportLine(std::string_view line)
{
    const bool statsStart = line.starts_with("size=") || line.starts_with("frame=");
    return statsStart && line.find(" time=") != std::string_view::npos;
}

std::string relayedDescriptionLine(std::string_view line)
{
    if (isStatsReportLine(line))
        return {};
    std::string text(line);
    for (char& c : text) {
        if (c == '\r')
            c = ' ';
    }
    text += "\r\n";
    return text;
}

} // namespace veltrix::bridge
