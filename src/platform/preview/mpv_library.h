#pragma once
// libmpv, loaded with dlopen the first time a preview starts: linking it would
// cost every start of the program about 100 ms and 40 MB at rest. Once loaded
// it stays loaded for the life of the process (never dlclose: its threads and
// atexit handlers may still refer to its code).

#include <mpv/client.h>
#include <mpv/stream_cb.h>

#include <QString>

// The entry points the preview uses.
struct MpvLibrary {
    decltype(&mpv_client_api_version) client_api_version = nullptr;
    decltype(&mpv_error_string) error_string = nullptr;
    decltype(&mpv_free) free = nullptr;
    decltype(&mpv_create) create = nullptr;
    decltype(&mpv_initialize) initialize = nullptr;
    decltype(&mpv_terminate_destroy) terminate_destroy = nullptr;
    decltype(&mpv_set_option_string) set_option_string = nullptr;
    decltype(&mpv_set_property_string) set_property_string = nullptr;
    decltype(&mpv_get_property_string) get_property_string = nullptr;
    decltype(&mpv_command_async) command_async = nullptr;
    decltype(&mpv_observe_property) observe_property = nullptr;
    decltype(&mpv_wait_event) wait_event = nullptr;
    decltype(&mpv_set_wakeup_callback) set_wakeup_callback = nullptr;
    decltype(&mpv_stream_cb_add_ro) stream_cb_add_ro = nullptr;
};

// The loaded library; loads it on the first call (from any thread, once).
// nullptr when it cannot be loaded, with the reason and the remedy in *error.
const MpvLibrary *mpvLibrary(QString *error);
