#pragma once

#include <string>
#include <vector>

namespace veltrix::bridge {

// The arguments ffmpeg runs with: the bridge's own (no banner, no stdin, no
// status line, machine-readable progress on the progress pipe) followed by
// the caller's, with the audio bit rate fitted to encoders of fixed rates
// and an image output (see withLiteralImageName) written under its name.
std::vector<std::string> ffmpegArguments(const std::vector<std::string> &callerArgs);

// The arguments without an input seek to a start of zero ("-ss 00:00:00"
// before the first "-i"): ffmpeg converts from the start anyway, while the
// seek itself fails on some small files (a 0.07 s FLAC file then gives an
// empty output).
std::vector<std::string> withoutZeroInputSeek(std::vector<std::string> args);

// ffmpeg's image2 muxer reads a "%" in the output name as a frame-number
// pattern: "a%d.bmp" would be written as "a1.bmp", and a later snapshot to
// the same name would overwrite it. When "-f image2" is given for the output
// (after the input), "-update 1" is added right before the output name, so
// the name is written exactly as given.
std::vector<std::string> withLiteralImageName(std::vector<std::string> args);

// For an AMR-NB job: the caller's arguments without the output file, then
// options that turn the output into raw 8 kHz mono 16-bit PCM on the PCM
// pipe. They come last because ffmpeg lets the last occurrence of an option
// win.
std::vector<std::string> ffmpegPcmArguments(const std::vector<std::string> &callerArgs);

// The sample rate of the PCM ffmpegPcmArguments() asks for.
constexpr int kPcmSampleRate = 8000;

} // namespace veltrix::bridge
