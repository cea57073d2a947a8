#include "command_line.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace veltrix::bridge {

CommandLine::CommandLine(std::vector<std::string> args) : m_args(std::move(args)) {}

std::optional<std::string> CommandLine::outputPath() const
{
    if (m_args.empty())
        return std::nullopt;
    const std::string &last = m_args.back();
    if (last.empty() || last.front() == '-')
        return std::nullopt;
    // "-i file" at the end is an input, not an output.
    if (m_args.size() >= 2 && m_args[m_args.size() - 2] == "-i")
        return std::nullopt;
    return last;
}

std::optional<std::string> CommandLine::probeInput() const
{
    if (m_args.size() == 2 && m_args[0] == "-i")
        return m_args[1];
    return std::nullopt;
}

bool CommandLine::overwrite() const
{
    return holdsArgument(m_args, "-y");
}

bool holdsArgument(const std::vector<std::string> &args, const char *option)
{
    return std::find(args.begin(), args.end(), option) != args.end();
}

std::string lowerExtension(const std::string &path)
{
    const std::size_t dot = path.rfind('.');
    std::string extension = dot == std::string::npos ? std::string() : path.substr(dot + 1);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension;
}

std::optional<long> CommandLine::audioBitRate() const
{
    std::optional<long> rate;
    // Stop before the last argument: it is the output, never an option value.
    for (std::size_t i = 0; i + 2 < m_args.size(); ++i) {
        if (m_args[i] == "-ab" || m_args[i] == "-b:a") {
            if (auto parsed = parseBitRate(m_args[i + 1]))
                rate = parsed;
        }
    }
    return rate;
}

std::optional<std::string> CommandLine::bitRateError() const
{
    for (std::size_t i = 0; i + 1 < m_args.size(); ++i) {
        if (m_args[i] != "-ab" && m_args[i] != "-b:a")
            continue;
        const std::string &text = m_args[i + 1];
        const std::optional<double> value = readBitRate(text);
        if (!value || parseBitRate(text))
            continue;
        char number[400]; // "%f" of the largest double has 316 characters
        std::snprintf(number, sizeof number, "%f", *value);
        char highest[32];
        std::snprintf(highest, sizeof highest, "%g", kMaxBitRate);
        const std::string option = m_args[i].substr(1);
        return std::string("Value ") + number + " for parameter '" + option + "' out of range [0 - " + highest
               + "]\r\nError setting option " + option + " to value " + text + ".\r\n";
    }
    return std::nullopt;
}

bool CommandLine::wantsAmrOutput() const
{
    const auto out = outputPath();
    return out && lowerExtension(*out) == "amr";
}

std::optional<double> readBitRate(const std::string &text)
{
    if (text.empty())
        return std::nullopt;
    char *end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    if (end == text.c_str())
        return std::nullopt;
    const std::string suffix(end);
    if (suffix.empty())
        return value;
    if (suffix == "k" || suffix == "K")
        return value * 1e3;
    if (suffix == "M")
        return value * 1e6;
    return std::nullopt;
}

std::optional<long> parseBitRate(const std::string &text)
{
    const std::optional<double> value = readBitRate(text);
    // The range test comes before rounding: lround() of a value beyond a long
    // is undefined. A NaN fails both comparisons.
    if (!value || !(*value >= 0 && *value <= kMaxBitRate))
        return std::nullopt;
    return std::lround(*value);
}

} // namespace veltrix::bridge
