#include "conversion_session.h"

#include "description_relay.h"
#include "ffmpeg_process.h"
#include "line_splitter.h"
#include "output_sink.h"
#include "progress_report.h"
#include "termination_signals.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <optional>
#include <poll.h>
#include <unistd.h>

namespace veltrix::bridge {
namespace {

using Clock = std::chrono::steady_clock;

// How long ffmpeg may take to finish its file after SIGTERM.
constexpr std::chrono::seconds kGracePeriod{10};

// A pipe read end and what to do with the bytes arriving on it.
struct Channel {
    int fd = -1;
    std::function<void(std::string_view)> onData;
    std::function<void()> onEnd;

    ~Channel() { close(); }
    void close()
    {
        if (fd >= 0)
            ::close(fd);
        fd = -1;
    }
    // Reads what is there; false once the writer has closed its end.
    bool pump()
    {
        std::array<char, 65536> buffer;
        const ssize_t n = ::read(fd, buffer.data(), buffer.size());
        if (n > 0) {
            onData(std::string_view(buffer.data(), static_cast<std::size_t>(n)));
            return true;
        }
        if (n < 0 && (errno == EAGAIN || errno == EINTR))
            return true;
        if (onEnd)
            onEnd();
        close();
        return false;
    }
};

} // namespace

int runConversion(const std::string& ffmpegPath, const std::vector<std::string>& ffmpegArgs,
                  OutputSink& out, PcmConsumer* pcm)
{
    FfmpegProcess ffmpeg;
    std::string error;
    if (!ffmpeg.start(ffmpegPath, ffmpegArgs, pcm != nullptr, error)) {
        out.write("register.dat: " + error + "\r\n");
        return 1;
    }
    const auto ends = ffmpeg.takeReadEnds();

    DescriptionRelay description;
    LineSplitter descriptionLines([&](std::string_view line) {
        const std::string text = description.relay(line);
        if (!text.empty())
            out.write(text);
    });
    // Stopping. The caller signals the whole process group, so ffmpeg has
    // usually received the termination signal itself; a second one would
    // make it abandon the file it is finishing, since ffmpeg takes repeated
    // signals as "exit immediately". The signal is passed on only once
    // ffmpeg evidently keeps transcoding: one progress block may already be
    // in the pipe and one more may close the step ffmpeg was in, so a third
    // "progress=continue" shows it did not get the signal.
    std::optional<Clock::time_point> killAt;
    bool stopping = false;
    int blocksSinceRequest = -1;  // -1: no termination request seen yet
    auto noteTermination = [&] {
        if (blocksSinceRequest < 0 && terminationRequested()) {
            blocksSinceRequest = 0;
            stopping = true;
            killAt = Clock::now() + kGracePeriod;
        }
    };

    ProgressReport report;
    LineSplitter progressLines([&](std::string_view line) {
        if (line == "progress=continue") {
            noteTermination();
            if (blocksSinceRequest >= 0 && ++blocksSinceRequest == 3)
                ffmpeg.sendSignal(signalForFfmpeg());
        }
        if (const auto sample = report.addLine(line)) {
            const std::string rate = pcm ? pcm->bitrateText(sample->outTimeUs) : sample->bitrate;
            out.write(formatProgressLine(sample->outTimeUs, rate));
        }
    });
    bool pcmWanted = pcm != nullptr;

    std::array<Channel, 3> channels;
    channels[0].fd = ends.diagnostics;
    channels[0].onData = [&](std::string_view bytes) { descriptionLines.feed(bytes); };
    channels[0].onEnd = [&] { descriptionLines.finish(); };
    channels[1].fd = ends.progress;
    channels[1].onData = [&](std::string_view bytes) { progressLines.feed(bytes); };
    channels[1].onEnd = [&] { progressLines.finish(); };
    channels[2].fd = ends.pcm;
    channels[2].onData = [&](std::string_view bytes) {
        // After a failure the audio is still drained so ffmpeg never blocks.
        if (pcmWanted && !pcm->consume(bytes))
            pcmWanted = false;
    };

    for (;;) {
        ffmpeg.reap();

        noteTermination();
        // Stops the bridge decides on itself: ffmpeg knows nothing of them.
        if (!stopping && (out.broken() || (pcm && !pcmWanted))) {
            stopping = true;
            ffmpeg.sendSignal(SIGTERM);
            killAt = Clock::now() + kGracePeriod;
        }

        std::array<pollfd, 4> fds{};
        std::array<Channel*, 4> owners{};
        nfds_t count = 0;
        fds[count++] = {signalWakeFd(), POLLIN, 0};
        for (Channel& c : channels) {
            if (c.fd >= 0) {
                owners[count] = &c;
                fds[count++] = {c.fd, POLLIN, 0};
            }
        }
        if (count == 1 && ffmpeg.exited())
            break;

        int timeoutMs = -1;
        if (killAt && !ffmpeg.exited()) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(*killAt - Clock::now());
            timeoutMs = static_cast<int>(std::max<long long>(0, left.count()));
        }
        const int ready = poll(fds.data(), count, timeoutMs);
        if (ready < 0 && errno != EINTR)
            break;
        if (killAt && Clock::now() >= *killAt && !ffmpeg.exited()) {
            ffmpeg.sendSignal(SIGKILL);
            killAt.reset();
        }
        if (ready <= 0)
            continue;
        if (fds[0].revents)
            drainWakeups();
        for (nfds_t i = 1; i < count; ++i) {
            if (fds[i].revents)
                owners[i]->pump();
        }
    }
    // Only reached with ffmpeg reaped, unless poll() itself failed; the
    // FfmpegProcess destructor then kills and reaps it.
    return ffmpeg.exited() ? ffmpeg.exitCode() : 255;
}

} // namespace veltrix::bridge
