#pragma once

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
#include <libavutil/dict.h>
#include <libavutil/log.h>
}

#include <optional>
#include <string>

namespace veltrix::bridge {

// The few functions of ffmpeg's libraries (libavformat and what it links:
// libavcodec, libavutil) that the probe and the source extras use, loaded at run time. Linking
// them would make every conversion load about 135 libraries it never uses;
// a probe loads them once, in place of the whole ffmpeg program. Members
// carry the names of the library functions.
struct LibavLibrary {
    decltype(&::avformat_alloc_context) avformat_alloc_context;
    decltype(&::avformat_open_input) avformat_open_input;
    decltype(&::avformat_find_stream_info) avformat_find_stream_info;
    decltype(&::av_dump_format) av_dump_format;
    decltype(&::avformat_close_input) avformat_close_input;
    decltype(&::avcodec_alloc_context3) avcodec_alloc_context3;
    decltype(&::avcodec_parameters_to_context) avcodec_parameters_to_context;
    decltype(&::avcodec_parameters_from_context) avcodec_parameters_from_context;
    decltype(&::avcodec_free_context) avcodec_free_context;
    decltype(&::av_channel_layout_default) av_channel_layout_default;
    decltype(&::av_channel_layout_describe) av_channel_layout_describe;
    decltype(&::av_dict_set) av_dict_set;
    decltype(&::av_dict_get) av_dict_get;
    decltype(&::av_dict_free) av_dict_free;
    decltype(&::av_strerror) av_strerror;
    decltype(&::av_log) av_log;
    decltype(&::av_log_set_flags) av_log_set_flags;
};

// Loads the libavformat this bridge was built against (the one Debian's
// ffmpeg uses) and resolves every function. On failure returns nothing and
// sets `error` to what went wrong. The library stays loaded for the life of
// the process.
std::optional<LibavLibrary> loadLibavLibrary(std::string &error);

} // namespace veltrix::bridge
