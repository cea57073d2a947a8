#pragma once

#include <cstddef>
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

// Produces the data ffmpeg reads as its input ("pipe:5") while it runs.
class InputSource {
public:
    virtual ~InputSource() = default;
    // Fills at most `capacity` bytes of `buffer`; 0 at the end of the data,
    // -1 when it cannot be read (failure() then says why).
    virtual std::ptrdiff_t read(char *buffer, std::size_t capacity) = 0;
    virtual std::string failure() const = 0;
};

// What a run exchanges with ffmpeg beyond its output and progress.
struct SessionPipes {
    PcmConsumer *pcm = nullptr;   // raw audio from ffmpeg
    InputSource *input = nullptr; // data to ffmpeg
};

// Runs ffmpeg with `ffmpegArgs` until it ends and relays its output to
// `out`: each description line with CR LF, each -progress block as one
// "time=... bitrate=...\r" line. Input data is written as ffmpeg takes it,
// never holding up the output. On a termination signal, or when the reader
// has gone away, ffmpeg is asked to finish its file (it gets SIGTERM unless
// it evidently has it already) and is killed if it has not ended some
// seconds later. Returns ffmpeg's exit code (128 + signal number when a
// signal ended it); 1 when ffmpeg succeeded on input that could not be read
// to its end.
int runConversion(const std::string &ffmpegPath, const std::vector<std::string> &ffmpegArgs, OutputSink &out,
                  SessionPipes pipes = {});

} // namespace veltrix::bridge
