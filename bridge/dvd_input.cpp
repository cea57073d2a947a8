#include "dvd_input.h"

#include "command_line.h"
#include "dvd_title_reader.h"
#include "ffmpeg_process.h"

#include <algorithm>
#include <cstdio>

namespace veltrix::bridge {
namespace {

std::string hex(const char *format, unsigned value)
{
    char text[16];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

// ffmpeg names an MPEG audio stream by its full start code (0x1c0 for the
// disc's 0xc0); the private streams (AC-3, DTS, LPCM, subtitles) by their
// sub-stream id.
std::string streamSpecifier(int id)
{
    const bool mpegAudio = id >= 0xc0 && id <= 0xdf;
    return "0:i:" + hex("0x%x", static_cast<unsigned>(mpegAudio ? 0x100 + id : id));
}

std::string paletteText(const std::array<std::uint32_t, 16> &palette)
{
    std::string text;
    for (std::uint32_t rgb : palette)
        text += (text.empty() ? "" : ",") + hex("%06x", rgb & 0xffffffu);
    return text;
}

// Takes the first "-vf" and its filters out of `options`; empty when there is none.
std::string takeVideoFilters(std::vector<std::string> &options)
{
    const auto at = std::find(options.begin(), options.end(), "-vf");
    if (at == options.end() || at + 1 == options.end())
        return {};
    std::string filters = *(at + 1);
    options.erase(at, at + 2);
    return filters;
}

// "-c copy": every stream is copied as it is.
bool copiesStreams(const std::vector<std::string> &options)
{
    for (std::size_t i = 0; i + 1 < options.size(); ++i)
        if (options[i] == "-c" && options[i + 1] == "copy")
            return true;
    return false;
}

// Takes every "-map 0" out of `options`: the title's maps choose its streams.
void takeWholeInputMaps(std::vector<std::string> &options)
{
    for (std::size_t i = 0; i + 1 < options.size();)
        if (options[i] == "-map" && options[i + 1] == "0")
            options.erase(options.begin() + static_cast<std::ptrdiff_t>(i),
                          options.begin() + static_cast<std::ptrdiff_t>(i) + 2);
        else
            ++i;
}

} // namespace

std::vector<std::string> dvdFfmpegArguments(const std::vector<std::string> &args, std::size_t inputAt,
                                            const DvdJobInput &input, double startLead)
{
    std::vector<std::string> out(args.begin(), args.begin() + static_cast<std::ptrdiff_t>(inputAt) - 1);
    out.insert(out.end(), {"-probesize", "50M", "-analyzeduration", "30M"});
    const bool video = !holdsArgument(args, "-vn");
    const bool subtitle = video && input.subtitleStream != 0;
    if (subtitle && input.palette)
        out.insert(out.end(), {"-palette:s", paletteText(*input.palette)});
    out.insert(out.end(), {"-i", "pipe:" + std::to_string(kInputChildFd)});

    const double skip = startLead + input.begin.value_or(0);
    if (skip >= 0.001) {
        char seconds[32];
        std::snprintf(seconds, sizeof seconds, "%.3f", skip);
        out.insert(out.end(), {"-ss", seconds});
    }
    if (input.end)
        out.insert(out.end(), {"-t", std::to_string(*input.end - input.begin.value_or(0))});
    std::vector<std::string> options(args.begin() + static_cast<std::ptrdiff_t>(inputAt) + 1, args.end());
    const bool copy = copiesStreams(options);
    if (copy)
        takeWholeInputMaps(options);
    if (subtitle && copy) {
        out.insert(out.end(), {"-map", "0:v:0", "-map", streamSpecifier(input.subtitleStream)});
    } else if (subtitle) {
        // ffmpeg takes no -vf on a stream made by -filter_complex: the
        // caller's filters run after the overlay, in the same graph.
        const std::string filters = takeVideoFilters(options);
        out.insert(out.end(), {"-filter_complex",
                               "[0:v:0][" + streamSpecifier(input.subtitleStream) + "]overlay"
                                   + (filters.empty() ? "" : "," + filters) + "[v]",
                               "-map", "[v]"});
    } else if (video)
        out.insert(out.end(), {"-map", "0:v:0"});
    if (input.audioStream != 0 && !holdsArgument(args, "-an"))
        out.insert(out.end(), {"-map", streamSpecifier(input.audioStream)});

    out.insert(out.end(), options.begin(), options.end());
    return out;
}

ResolvedInput resolveDvdJobInput(std::vector<std::string> args)
{
    ResolvedInput resolved;
    const auto dash = std::find(args.begin(), args.end(), "-i");
    if (dash == args.end() || dash + 1 == args.end() || !isDvdJobInput(*(dash + 1))) {
        resolved.args = std::move(args);
        return resolved;
    }
    const std::size_t inputAt = static_cast<std::size_t>(dash - args.begin()) + 1;
    const std::optional<DvdJobInput> input = parseDvdJobInput(args[inputAt]);
    if (!input) {
        resolved.error = "the DVD job input is damaged: add the DVD to the list again";
        return resolved;
    }
    auto reader = std::make_unique<DvdTitleReader>();
    if (!reader->open(*input, resolved.error))
        return resolved;
    resolved.args = dvdFfmpegArguments(args, inputAt, *input, reader->startLead());
    resolved.feed = std::move(reader);
    return resolved;
}

} // namespace veltrix::bridge
