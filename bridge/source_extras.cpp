#include "source_extras.h"

#include "command_line.h"
#include "libav_library.h"
#include "output_sink.h"

#include <algorithm>

namespace veltrix::bridge {
namespace {

bool hasNameTags(const LibavLibrary &lib, AVDictionary *tags)
{
    for (const char *key : {"title", "artist", "album"})
        if (lib.av_dict_get(tags, key, nullptr, 0))
            return true;
    return false;
}

SourceExtras extrasOf(const LibavLibrary &lib, const AVFormatContext &format)
{
    SourceExtras extras;
    bool fileTags = hasNameTags(lib, format.metadata);
    for (unsigned i = 0; i < format.nb_streams; ++i) {
        const AVStream &stream = *format.streams[i];
        const AVCodecID codec = stream.codecpar->codec_id;
        if ((stream.disposition & AV_DISPOSITION_ATTACHED_PIC)
            && (codec == AV_CODEC_ID_MJPEG || codec == AV_CODEC_ID_PNG) && !extras.coverStream)
            extras.coverStream = static_cast<int>(i);
        if (stream.codecpar->codec_type == AVMEDIA_TYPE_AUDIO && !fileTags && hasNameTags(lib, stream.metadata)) {
            extras.streamTags = true;
            fileTags = true; // the first sound stream's tags only
        }
    }
    return extras;
}

} // namespace

SourceExtras readSourceExtras(const std::string &input)
{
    std::string error;
    const std::optional<LibavLibrary> lib = loadLibavLibrary(error);
    if (!lib)
        return {};
    lib->av_log_set_flags(0);
    AVFormatContext *format = nullptr;
    if (lib->avformat_open_input(&format, input.c_str(), nullptr, nullptr) < 0)
        return {};
    const SourceExtras extras = extrasOf(*lib, *format);
    lib->avformat_close_input(&format);
    return extras;
}

bool holdsCover(const std::string &outputPath)
{
    const std::string extension = lowerExtension(outputPath);
    return extension == "mp3" || extension == "m4a" || extension == "mp4" || extension == "flac";
}

std::vector<std::string> keepingSourceExtras(std::vector<std::string> args, const SourceExtras &extras,
                                             std::string &note)
{
    const auto vn = std::find(args.begin(), args.end(), "-vn");
    if (vn == args.end() || args.size() < 2)
        return args;
    std::vector<std::string> kept;
    if (extras.coverStream && holdsCover(args.back())) {
        args.erase(vn);
        kept = {"-map",
                "0:a:0",
                "-map",
                "0:" + std::to_string(*extras.coverStream),
                "-c:v",
                "copy",
                "-disposition:v:0",
                "attached_pic"};
    } else if (extras.coverStream) {
        note = "Note: the source's cover art is left out: ." + lowerExtension(args.back())
               + " files take no picture in this ffmpeg";
    }
    if (extras.streamTags)
        kept.insert(kept.end(), {"-map_metadata", "0:s:a:0"});
    args.insert(args.end() - 1, kept.begin(), kept.end());
    return args;
}

std::vector<std::string> withSourceExtras(std::vector<std::string> args, OutputSink &out)
{
    const auto input = std::find(args.begin(), args.end(), "-i");
    if (!holdsArgument(args, "-vn") || input == args.end() || input + 1 == args.end())
        return args;
    std::string note;
    args = keepingSourceExtras(std::move(args), readSourceExtras(*(input + 1)), note);
    if (!note.empty())
        out.write(note + "\r\n");
    return args;
}

} // namespace veltrix::bridge
