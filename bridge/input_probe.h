#pragma once

#include <string>

namespace veltrix::bridge {

class OutputSink;

// A probe run ("-i <input>" alone): prints the description of the input
// exactly as "ffmpeg -hide_banner -i <input>" does, in ffmpeg's own words
// and with its exit status (1: there is no output file), but in process
// with libavformat, which spares the start-up of the whole ffmpeg program.
// The lines reach `out` as a conversion's description does: CR LF, tags
// left out. Then, for an input that opened, its name tags (title, artist,
// album, album artist, track, disc, date) on one line of their own, each
// value base64-coded: "veltrix-tags: title=VGl0bGU= artist=...". Returns the
// exit code for register.dat.
int runProbe(const std::string &input, OutputSink &out);

inline constexpr const char *kTagLinePrefix = "veltrix-tags:";

} // namespace veltrix::bridge
