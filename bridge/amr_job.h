#pragma once

#include <string>

namespace veltrix::bridge {

class CommandLine;
class InputSource;
class OutputSink;

// Converts to an AMR-NB file, which Debian's ffmpeg cannot encode: ffmpeg
// decodes the input to 8 kHz mono PCM on a pipe and the bridge encodes that
// with libopencore-amrnb. The mode follows -ab; -y allows replacing an
// existing file; `input`, when given, feeds ffmpeg's input pipe. Returns the
// exit code for register.dat.
int runAmrJob(const std::string &ffmpegPath, const CommandLine &command, OutputSink &out, InputSource *input = nullptr);

} // namespace veltrix::bridge
