#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace veltrix::bridge {

// ffmpeg prints a final statistics line ("size= ... time=00:00:20.01
// bitrate=...") even under -nostats. Its clock format differs from the
// bridge's own progress lines, so it is not relayed.
bool isStatsReportLine(std::string_view line);

// Turns ffmpeg's diagnostic output, line by line, into what register.dat
// prints: each line with CR LF, any stray CR inside replaced by a blank.
// Left out are the statistics line and every "Metadata:" block (its heading
// and all deeper-indented lines after it: the tags of the file, its streams,
// chapters and outputs), so that no tag text ("Duration: ...", "time=...
// bitrate=...") can pass for a line of ffmpeg's own.
class DescriptionRelay {
public:
    // What to print for the next line (given without its line end); empty
    // for a line left out.
    std::string relay(std::string_view line);

private:
    // Indentation of the "Metadata:" heading whose block is being left out.
    std::optional<std::size_t> m_metadataIndent;
};

} // namespace veltrix::bridge
