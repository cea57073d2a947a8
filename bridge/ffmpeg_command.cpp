#include "ffmpeg_command.h"

#include "audio_rate_fit.h"
#include "ffmpeg_process.h"

#include <algorithm>

namespace veltrix::bridge {
namespace {

std::string pipeUrl(int fd)
{
    return "pipe:" + std::to_string(fd);
}

std::vector<std::string> bridgeOptions()
{
    return {"-hide_banner", "-nostdin", "-nostats", "-progress", pipeUrl(kProgressChildFd)};
}

// "00:00:00", "0", "0.000": a time of zero, which seeks nowhere.
bool isZeroTime(const std::string &text)
{
    return !text.empty() && text.find_first_not_of("0:.") == std::string::npos;
}

} // namespace

std::vector<std::string> withoutZeroInputSeek(std::vector<std::string> args)
{
    const auto input = std::find(args.begin(), args.end(), "-i");
    for (auto at = args.begin(); at != input && at + 1 != input; ++at)
        if (*at == "-ss" && isZeroTime(*(at + 1))) {
            args.erase(at, at + 2);
            break;
        }
    return args;
}

std::vector<std::string> ffmpegArguments(const std::vector<std::string> &callerArgs)
{
    std::vector<std::string> args = bridgeOptions();
    const std::vector<std::string> fitted = withLiteralImageName(fitAudioBitRate(withoutZeroInputSeek(callerArgs)));
    args.insert(args.end(), fitted.begin(), fitted.end());
    return args;
}

std::vector<std::string> withLiteralImageName(std::vector<std::string> args)
{
    // Output options follow the last input; the last argument is the output name.
    const auto lastInput = std::find(args.rbegin(), args.rend(), "-i");
    std::size_t i = lastInput == args.rend() ? 0 : static_cast<std::size_t>(args.rend() - lastInput);
    for (; i + 2 < args.size(); ++i) {
        if (args[i] == "-f" && args[i + 1] == "image2") {
            args.insert(args.end() - 1, {"-update", "1"});
            break;
        }
    }
    return args;
}

std::vector<std::string> ffmpegPcmArguments(const std::vector<std::string> &callerArgs)
{
    std::vector<std::string> args = bridgeOptions();
    const std::vector<std::string> caller = withoutZeroInputSeek(callerArgs);
    if (!caller.empty())
        args.insert(args.end(), caller.begin(), caller.end() - 1);
    for (const char *option : {"-vn", "-f", "s16le", "-acodec", "pcm_s16le"})
        args.emplace_back(option);
    args.insert(args.end(), {"-ar", std::to_string(kPcmSampleRate), "-ac", "1"});
    args.push_back(pipeUrl(kPcmChildFd));
    return args;
}

} // namespace veltrix::bridge
