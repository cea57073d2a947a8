#include "progress_report.h"

#include <charconv>
#include <cstdio>

namespace veltrix::bridge {
namespace {

std::optional<std::int64_t> parseInteger(std::string_view text)
{
    std::int64_t value = 0;
    const auto *end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (ec != std::errc() || ptr != end)
        return std::nullopt;
    return value;
}

// "HH:MM:SS.ffffff" (a leading '-' means before the start).
std::optional<std::int64_t> parseClock(std::string_view text)
{
    if (text.empty() || text.front() == '-')
        return std::nullopt;
    int h = 0, m = 0, s = 0;
    char frac[8] = {};
    if (std::sscanf(std::string(text).c_str(), "%d:%d:%d.%6[0-9]", &h, &m, &s, frac) < 3)
        return std::nullopt;
    std::int64_t micro = 0;
    int digits = 0;
    for (; frac[digits] != '\0'; ++digits)
        micro = micro * 10 + (frac[digits] - '0');
    for (; digits < 6; ++digits)
        micro *= 10;
    return ((static_cast<std::int64_t>(h) * 60 + m) * 60 + s) * 1'000'000 + micro;
}

} // namespace

std::optional<ProgressSample> ProgressReport::addLine(std::string_view line)
{
    const auto eq = line.find('=');
    if (eq == std::string_view::npos)
        return std::nullopt;
    const std::string_view key = line.substr(0, eq);
    const std::string_view value = line.substr(eq + 1);

    if (key == "out_time_us") {
        m_outTimeUs = parseInteger(value);
    } else if (key == "out_time") {
        m_outTimeText = parseClock(value);
    } else if (key == "bitrate") {
        m_bitrate = value;
    } else if (key == "total_size") {
        m_totalSize = parseInteger(value);
    } else if (key == "progress") {
        std::optional<std::int64_t> time = m_outTimeUs ? m_outTimeUs : m_outTimeText;
        std::optional<ProgressSample> sample;
        if (time && *time >= 0)
            sample = ProgressSample{*time, m_bitrate.empty() ? "N/A" : m_bitrate, m_totalSize};
        reset();
        return sample;
    }
    return std::nullopt;
}

void ProgressReport::reset()
{
    m_outTimeUs.reset();
    m_outTimeText.reset();
    m_bitrate.clear();
    m_totalSize.reset();
}

std::string formatProgressLine(std::int64_t outTimeUs, std::string_view bitrate)
{
    char time[48];
    std::snprintf(time, sizeof time, "time=%lld.%02lld bitrate=", static_cast<long long>(outTimeUs / 1'000'000),
                  static_cast<long long>((outTimeUs % 1'000'000) / 10'000));
    std::string line(time);
    line += bitrate;
    line += '\r';
    return line;
}

std::string formatBitrate(std::uint64_t bytes, std::int64_t durationUs)
{
    if (durationUs <= 0)
        return "N/A";
    const double kbits = static_cast<double>(bytes) * 8.0 * 1000.0 / static_cast<double>(durationUs);
    char text[32];
    std::snprintf(text, sizeof text, "%6.1fkbits/s", kbits);
    return text;
}

} // namespace veltrix::bridge
