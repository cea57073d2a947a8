#pragma once

#include <string>
#include <vector>

namespace veltrix::bridge {

// The arguments ffmpeg runs with: the bridge's own (no banner, no stdin, no
// status line, machine-readable progress on the progress pipe) followed by
// the caller's, with the audio bit rate fitted to encoders of fixed rates.
std::vector<std::string> ffmpegArguments(const std::vector<std::string>& callerArgs);

// For an AMR-NB job: the caller's arguments without the output file, then
// options that turn the output into raw 8 kHz mono 16-bit PCM on the PCM
// pipe. They come last because ffmpeg lets the last occurrence of an option
// win.
std::vector<std::string> ffmpegPcmArguments(const std::vector<std::string>& callerArgs);

// The sample rate of the PCM ffmpegPcmArguments() asks for.
constexpr int kPcmSampleRate = 8000;

} // namespace veltrix::bridge
