#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace veltrix::bridge {

// One completed block of ffmpeg's -progress output.
struct ProgressSample {
    std::int64_t outTimeUs = 0;            // position reached in the output
    std::string bitrate;                   // ffmpeg's text, e.g. " 128.0kbits/s"
    std::optional<std::int64_t> totalSize; // bytes written so far
};

// Collects the key=value lines ffmpeg writes to its -progress target and
// yields a sample whenever a block closes with "progress=continue|end".
// Blocks without a usable (known, non-negative) time yield nothing.
class ProgressReport {
public:
    std::optional<ProgressSample> addLine(std::string_view line);

private:
    void reset();

    std::optional<std::int64_t> m_outTimeUs;
    std::optional<std::int64_t> m_outTimeText; // from "out_time=HH:MM:SS.micro"
    std::string m_bitrate;
    std::optional<std::int64_t> m_totalSize;
};

// "time=<seconds>.<hundredths> bitrate=<rate>\r"; hundredths are truncated,
// as ffmpeg's own status line does.
std::string formatProgressLine(std::int64_t outTimeUs, std::string_view bitrate);

// ffmpeg's rate text ("%6.1fkbits/s") for a byte count over a duration, or
// "N/A" when the duration is zero.
std::string formatBitrate(std::uint64_t bytes, std::int64_t durationUs);

} // namespace veltrix::bridge
