#pragma once

#include <string>
#include <string_view>

namespace veltrix::bridge {

// ffmpeg prints a final statistics line ("size= ... time=00:00:20.01
// bitrate=...") even under -nostats. Its clock format differs from the
// bridge's own progress lines, so it is not relayed.
bool isStatsReportLine(std::string_view line);

// Turns one line of ffmpeg's diagnostic output into what register.dat prints:
// the text with CR LF, with any stray CR inside replaced by a blank. Returns
// an empty string for lines that are not relayed.
std::string relayedDescriptionLine(std::string_view line);

} // namespace veltrix::bridge
