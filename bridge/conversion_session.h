#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace veltrix::bridge {

class OutputSink;

// Takes the raw PCM of an AMR job while ffmpeg produces it.
struct PcmConsumer {
    // Returns false when the audio cannot be used any more (e.g. disk full);
    // ffmpeg is then stopped.
    std::function<bool(std::string_view pcm)> consume;
    // The rate text for progress lines, given the time reached.
    std::function<std::string(std::int64_t outTimeUs)> bitrateText;
};

// Runs ffmpeg with `ffmpegArgs` until it ends and relays its output to
// `out`: each description line with CR LF, each -progress block as one
// "time=... bitrate=...\r" line. On a termination signal, or when the reader
// has gone away, ffmpeg is asked to finish its file (it gets SIGTERM unless
// it evidently has it already) and is killed if it has not ended some
// seconds later. Returns ffmpeg's exit code (128 + signal number when a
// signal ended it).
int runConversion(const std::string& ffmpegPath, const std::vector<std::string>& ffmpegArgs,
                  OutputSink& out, PcmConsumer* pcm = nullptr);

} // namespace veltrix::bridge
