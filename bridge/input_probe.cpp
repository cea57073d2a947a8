#include "input_probe.h"

#include "captured_stderr.h"
#include "description_relay.h"
#include "libav_library.h"
#include "line_splitter.h"
#include "output_sink.h"
#include "termination_signals.h"

#include <cerrno>
#include <cstring>

namespace veltrix::bridge {
namespace {

// ffmpeg's exit status for a probe: it always ends with an error, for want
// of an output file if nothing else.
constexpr int kProbeExitCode = 1;

// ffmpeg's message for a file it cannot open.
void logOpenError(const LibavLibrary &lib, const std::string &input, int error)
{
    char reason[128];
    const char *text = reason;
    if (lib.av_strerror(error, reason, sizeof reason) < 0)
        text = std::strerror(AVUNERROR(error));
    lib.av_log(nullptr, AV_LOG_ERROR, "%s: %s\n", input.c_str(), text);
    if (error == AVERROR_PROTOCOL_NOT_FOUND)
        lib.av_log(nullptr, AV_LOG_ERROR, "Did you mean file:%s?\n", input.c_str());
}

// Audio streams whose channels have no layout get the default layout for
// their count, with ffmpeg's warning: the description then names "mono" or
// "stereo" as ffmpeg's own shows it.
void guessChannelLayouts(const LibavLibrary &lib, AVFormatContext &format)
{
    for (unsigned i = 0; i < format.nb_streams; ++i) {
        AVCodecParameters *stream = format.streams[i]->codecpar;
        if (stream->codec_type != AVMEDIA_TYPE_AUDIO)
            continue;
        AVCodecContext *decoder = lib.avcodec_alloc_context3(nullptr);
        if (!decoder || lib.avcodec_parameters_to_context(decoder, stream) < 0) {
            lib.avcodec_free_context(&decoder);
            continue;
        }
        if (decoder->ch_layout.order == AV_CHANNEL_ORDER_UNSPEC) {
            lib.av_channel_layout_default(&decoder->ch_layout, decoder->ch_layout.nb_channels);
            if (decoder->ch_layout.order != AV_CHANNEL_ORDER_UNSPEC) {
                char name[256];
                lib.av_channel_layout_describe(&decoder->ch_layout, name, sizeof name);
                lib.av_log(nullptr, AV_LOG_WARNING, "Guessed Channel Layout for Input Stream #%d.%u : %s\n", 0, i,
                           name);
                lib.avcodec_parameters_from_context(stream, decoder);
            }
        }
        lib.avcodec_free_context(&decoder);
    }
}

std::string base64(const std::string &text)
{
    static const char kDigits[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string coded;
    for (std::size_t i = 0; i < text.size(); i += 3) {
        const std::size_t left = text.size() - i;
        unsigned bits = static_cast<unsigned char>(text[i]) << 16;
        if (left > 1)
            bits |= static_cast<unsigned char>(text[i + 1]) << 8;
        if (left > 2)
            bits |= static_cast<unsigned char>(text[i + 2]);
        coded += kDigits[(bits >> 18) & 63];
        coded += kDigits[(bits >> 12) & 63];
        coded += left > 1 ? kDigits[(bits >> 6) & 63] : '=';
        coded += left > 2 ? kDigits[bits & 63] : '=';
    }
    return coded;
}

// The tags output names are made of, from the file or else its first sound
// stream (Ogg, Opus): "veltrix-tags: title=<base64> artist=<base64> ...". The
// values are coded, so no tag text can pass for a line of the description.
std::string tagLine(const LibavLibrary &lib, const AVFormatContext &format)
{
    AVDictionary *sound = nullptr;
    for (unsigned i = 0; i < format.nb_streams && !sound; ++i)
        if (format.streams[i]->codecpar->codec_type == AVMEDIA_TYPE_AUDIO)
            sound = format.streams[i]->metadata;
    std::string line = kTagLinePrefix;
    for (const char *key : {"title", "artist", "album", "album_artist", "track", "disc", "date"}) {
        const AVDictionaryEntry *entry = lib.av_dict_get(format.metadata, key, nullptr, 0);
        if (!entry && sound)
            entry = lib.av_dict_get(sound, key, nullptr, 0);
        if (entry && entry->value && *entry->value)
            line += std::string(" ") + key + "=" + base64(entry->value);
    }
    return line + "\r\n";
}

// Opens and describes the input as ffmpeg does before it looks for outputs;
// everything goes to libavutil's log on standard error. Returns the tag
// line of an input that opened.
std::string describeInput(const LibavLibrary &lib, const std::string &input)
{
    AVFormatContext *format = lib.avformat_alloc_context();
    if (!format) {
        logOpenError(lib, input, AVERROR(ENOMEM));
        return {};
    }
    format->flags |= AVFMT_FLAG_NONBLOCK;
    format->interrupt_callback.callback = [](void *) { return terminationRequested() ? 1 : 0; };
    AVDictionary *options = nullptr;
    lib.av_dict_set(&options, "scan_all_pmts", "1", AV_DICT_DONT_OVERWRITE);
    const int opened = lib.avformat_open_input(&format, input.c_str(), nullptr, &options);
    lib.av_dict_free(&options);
    if (opened < 0) {
        logOpenError(lib, input, opened); // the library has freed `format`
        return {};
    }
    if (lib.avformat_find_stream_info(format, nullptr) < 0) {
        lib.av_log(nullptr, AV_LOG_FATAL, "%s: could not find codec parameters\n", input.c_str());
        if (format->nb_streams == 0) {
            lib.avformat_close_input(&format);
            return {};
        }
    }
    guessChannelLayouts(lib, *format);
    lib.av_dump_format(format, 0, input.c_str(), 0);
    lib.av_log(nullptr, AV_LOG_FATAL, "At least one output file must be specified\n");
    const std::string tags = tagLine(lib, *format);
    lib.avformat_close_input(&format);
    return tags;
}

} // namespace

int runProbe(const std::string &input, OutputSink &out)
{
    std::string error;
    const std::optional<LibavLibrary> lib = loadLibavLibrary(error);
    if (!lib) {
        out.writeCause("cannot load ffmpeg's libraries (" + error + "); install ffmpeg");
        return kProbeExitCode;
    }
    CapturedStderr log;
    if (!log.active()) {
        out.writeCause("cannot capture the description of the input");
        return kProbeExitCode;
    }
    lib->av_log_set_flags(AV_LOG_SKIP_REPEATED);
    const std::string tags = describeInput(*lib, input);

    DescriptionRelay relay;
    LineSplitter lines([&](std::string_view line) { out.write(relay.relay(line)); });
    lines.feed(log.finish());
    lines.finish();
    out.write(tags);
    return kProbeExitCode;
}

} // namespace veltrix::bridge
