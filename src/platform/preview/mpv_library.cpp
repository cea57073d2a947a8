#include "platform/preview/mpv_library.h"

#include <dlfcn.h>

namespace {

constexpr const char *kLibraryName = "libmpv.so.2";

struct LoadResult {
    MpvLibrary library;
    bool loaded = false;
    QString error;
};

template <typename Function> bool resolve(void *handle, const char *name, Function &target, QString &missing)
{
    target = reinterpret_cast<Function>(dlsym(handle, name));
    if (!target)
        missing = QString::fromLatin1(name);
    return target != nullptr;
}

LoadResult load()
{
    LoadResult result;
    void *handle = dlopen(kLibraryName, RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        // The package recommends libmpv2 rather than depending on it, so a
        // system without it converts but cannot preview.
        result.error = QStringLiteral("The preview cannot play: its player library %1 could not be loaded (%2). "
                                      "Converting works without it. To preview, install the package libmpv2 "
                                      "(sudo apt install libmpv2), then start the program again.")
                           .arg(QLatin1String(kLibraryName), QString::fromLocal8Bit(dlerror()));
        return result;
    }
    MpvLibrary &l = result.library;
    QString missing;
    const bool complete =
        resolve(handle, "mpv_client_api_version", l.client_api_version, missing)
        && resolve(handle, "mpv_error_string", l.error_string, missing) && resolve(handle, "mpv_free", l.free, missing)
        && resolve(handle, "mpv_create", l.create, missing) && resolve(handle, "mpv_initialize", l.initialize, missing)
        && resolve(handle, "mpv_terminate_destroy", l.terminate_destroy, missing)
        && resolve(handle, "mpv_set_option_string", l.set_option_string, missing)
        && resolve(handle, "mpv_set_property_string", l.set_property_string, missing)
        && resolve(handle, "mpv_get_property_string", l.get_property_string, missing)
        && resolve(handle, "mpv_command_async", l.command_async, missing)
        && resolve(handle, "mpv_observe_property", l.observe_property, missing)
        && resolve(handle, "mpv_wait_event", l.wait_event, missing)
        && resolve(handle, "mpv_set_wakeup_callback", l.set_wakeup_callback, missing)
        && resolve(handle, "mpv_stream_cb_add_ro", l.stream_cb_add_ro, missing);
    if (!complete) {
        result.error =
            QStringLiteral(
                "The preview player library %1 lacks %2. Install libmpv2 from Debian 12, then start the program again.")
                .arg(QLatin1String(kLibraryName), missing);
        return result;
    }
    // The header this program was built with must match the library's major version.
    if ((l.client_api_version() >> 16) != (MPV_CLIENT_API_VERSION >> 16)) {
        result.error = QStringLiteral("The preview player library %1 has client API %2, this program needs %3. "
                                      "Install libmpv2 from Debian 12, then start the program again.")
                           .arg(QLatin1String(kLibraryName))
                           .arg(l.client_api_version() >> 16)
                           .arg(MPV_CLIENT_API_VERSION >> 16);
        return result;
    }
    result.loaded = true;
    return result;
}

} // namespace

const MpvLibrary *mpvLibrary(QString *error)
{
    static const LoadResult result = load();
    if (!result.loaded && error)
        *error = result.error;
    return result.loaded ? &result.library : nullptr;
}
