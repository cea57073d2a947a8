#include "audio_rate_fit.h"

#include <array>
#include <charconv>
#include <cstdlib>
#include <optional>

namespace veltrix::bridge {
namespace {

// kbit/s of MPEG-1 layer II (32, 44.1, 48 kHz) and of MPEG-2 LSF (16 to 24 kHz).
constexpr std::array<long, 14> kMpeg1Rates{32, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 384};
constexpr std::array<long, 14> kLsfRates{8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160};

// Index of the value after the last occurrence of any of the options.
std::optional<size_t> lastValueOf(const std::vector<std::string> &args, std::initializer_list<const char *> options)
{
    std::optional<size_t> found;
    for (size_t i = 0; i + 1 < args.size(); ++i)
        for (const char *option : options)
            if (args[i] == option)
                found = i + 1;
    return found;
}

std::optional<long> number(const std::string &text)
{
    long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

bool fixedRateEncoder(const std::string &codec)
{
    return codec == "mp2" || codec == "mp2fixed" || codec == "libtwolame";
}

} // namespace

std::vector<std::string> fitAudioBitRate(std::vector<std::string> args)
{
    const auto codec = lastValueOf(args, {"-acodec", "-c:a", "-codec:a"});
    const auto rate = lastValueOf(args, {"-ab", "-b:a"});
    if (!codec || !rate || !fixedRateEncoder(args[*codec]))
        return args;
    const auto bitsPerSecond = number(args[*rate]);
    if (!bitsPerSecond)
        return args; // "128k" and the like are ffmpeg's to judge
    const auto sampleRateAt = lastValueOf(args, {"-ar"});
    const auto sampleRate = sampleRateAt ? number(args[*sampleRateAt]) : std::nullopt;
    const auto &table = (sampleRate && *sampleRate < 32000) ? kLsfRates : kMpeg1Rates;

    const long wanted = *bitsPerSecond / 1000;
    long best = table.front();
    for (const long allowed : table)
        if (std::labs(allowed - wanted) < std::labs(best - wanted))
            best = allowed;
    args[*rate] = std::to_string(best * 1000);
    return args;
}

} // namespace veltrix::bridge
