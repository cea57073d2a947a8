#include "command_line.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>

namespace veltrix::bridge {

CommandLine::CommandLine(std::vector<std::string> args) : args_(std::move(args)) {}

std::optional<std::string> CommandLine::outputPath() const
{
    if (args_.empty())
        return std::nullopt;
    const std::string& last = args_.back();
    if (last.empty() || last.front() == '-')
        return std::nullopt;
    // "-i file" at the end is an input, not an output.
    if (args_.size() >= 2 && args_[args_.size() - 2] == "-i")
        return std::nullopt;
    return last;
}

std::optional<std::string> CommandLine::probeInput() const
{
    if (args_.size() == 2 && args_[0] == "-i")
        return args_[1];
    return std::nullopt;
}

bool CommandLine::overwrite() const
{
    return std::find(args_.begin(), args_.end(), "-y") != args_.end();
}

std::optional<long> CommandLine::audioBitRate() const
{
    std::optional<long> rate;
    // Stop before the last argument: it is the output, never an option value.
    for (std::size_t i = 0; i + 2 < args_.size(); ++i) {
        if (args_[i] == "-ab" || args_[i] == "-b:a") {
            if (auto parsed = parseBitRate(args_[i + 1]))
                rate = parsed;
        }
    }
    return rate;
}

bool CommandLine::wantsAmrOutput() const
{
    const auto out = outputPath();
    if (!out || out->size() < 4)
        return false;
    std::string ext = out->substr(out->size() - 4);
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return ext == ".amr";
}

std::optional<long> parseBitRate(const std::string& text)
{
    if (text.empty())
        return std::nullopt;
    char* end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    if (end == text.c_str() || !std::isfinite(value) || value < 0)
        return std::nullopt;
    double scale = 1.0;
    const std::string suffix(end);
    if (suffix == "k" || suffix == "K")
        scale = 1e3;
    else if (suffix == "M")
        scale = 1e6;
    else if (!suffix.empty())
        return std::nullopt;
    return std::lround(value * scale);
}

} // namespace veltrix::bridge
