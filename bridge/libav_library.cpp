#include "libav_library.h"

#include <dlfcn.h>

namespace veltrix::bridge {
namespace {

template <typename Function> bool resolve(void *library, const char *name, Function &slot, std::string &error)
{
    slot = reinterpret_cast<Function>(dlsym(library, name));
    if (!slot)
        error = std::string("missing function ") + name;
    return slot != nullptr;
}

} // namespace

std::optional<LibavLibrary> loadLibavLibrary(std::string &error)
{
    const std::string soname = "libavformat.so." + std::to_string(LIBAVFORMAT_VERSION_MAJOR);
    void *library = dlopen(soname.c_str(), RTLD_LAZY | RTLD_LOCAL);
    if (!library) {
        const char *reason = dlerror();
        error = reason ? reason : "cannot load " + soname;
        return std::nullopt;
    }
    LibavLibrary lib{};
#define VELTRIX_RESOLVE(name) resolve(library, #name, lib.name, error)
    const bool complete = VELTRIX_RESOLVE(avformat_alloc_context) && VELTRIX_RESOLVE(avformat_open_input)
                          && VELTRIX_RESOLVE(avformat_find_stream_info) && VELTRIX_RESOLVE(av_dump_format)
                          && VELTRIX_RESOLVE(avformat_close_input) && VELTRIX_RESOLVE(avcodec_alloc_context3)
                          && VELTRIX_RESOLVE(avcodec_parameters_to_context)
                          && VELTRIX_RESOLVE(avcodec_parameters_from_context) && VELTRIX_RESOLVE(avcodec_free_context)
                          && VELTRIX_RESOLVE(av_channel_layout_default) && VELTRIX_RESOLVE(av_channel_layout_describe)
                          && VELTRIX_RESOLVE(av_dict_set) && VELTRIX_RESOLVE(av_dict_get)
                          && VELTRIX_RESOLVE(av_dict_free) && VELTRIX_RESOLVE(av_strerror) && VELTRIX_RESOLVE(av_log)
                          && VELTRIX_RESOLVE(av_log_set_flags);
#undef VELTRIX_RESOLVE
    if (!complete) {
        error = soname + ": " + error;
        return std::nullopt;
    }
    return lib;
}

} // namespace veltrix::bridge
