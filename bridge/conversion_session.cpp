#include "conversion_session.h"

#include "description_relay.h"
#include "ffmpeg_process.h"
#include "line_splitter.h"
#include "output_sink.h"
#include "progress_report.h"
#include "session_channels.h"
#include "stop_policy.h"

namespace veltrix::bridge {

int runConversion(const std::string &ffmpegPath, const std::vector<std::string> &ffmpegArgs, OutputSink &out,
                  SessionPipes pipes)
{
    FfmpegProcess ffmpeg;
    std::string error;
    if (!ffmpeg.start(ffmpegPath, ffmpegArgs, {pipes.pcm != nullptr, pipes.input != nullptr}, error)) {
        out.writeCause(error);
        return 1;
    }
    const auto ends = ffmpeg.takeParentEnds();
    StopPolicy policy(ffmpeg);

    DescriptionRelay description;
    LineSplitter descriptionLines([&](std::string_view line) {
        const std::string text = description.relay(line);
        if (!text.empty())
            out.write(text);
    });
    ProgressReport report;
    LineSplitter progressLines([&](std::string_view line) {
        if (line == "progress=continue")
            policy.onProgressBlock();
        if (const auto sample = report.addLine(line)) {
            const std::string rate = pipes.pcm ? pipes.pcm->bitrateText(sample->outTimeUs) : sample->bitrate;
            out.write(formatProgressLine(sample->outTimeUs, rate));
        }
    });
    bool pcmWanted = pipes.pcm != nullptr;

    ReadChannel diagnostics(
        ends.diagnostics, [&](std::string_view bytes) { descriptionLines.feed(bytes); },
        [&] { descriptionLines.finish(); });
    ReadChannel progress(
        ends.progress, [&](std::string_view bytes) { progressLines.feed(bytes); }, [&] { progressLines.finish(); });
    // After a failure the audio is still drained so ffmpeg never blocks.
    ReadChannel pcm(ends.pcm, [&](std::string_view bytes) {
        if (pcmWanted && !pipes.pcm->consume(bytes))
            pcmWanted = false;
    });
    WriteChannel input(ends.input, pipes.input);
    Channel *const channels[] = {&diagnostics, &progress, &pcm, &input};

    for (;;) {
        ffmpeg.reap();
        policy.review(out.broken() || (pipes.pcm && !pcmWanted));
        if (policy.stopping())
            input.close(); // ffmpeg finishes its file with the data it has
        if (!anyOpen(channels) && ffmpeg.exited())
            break;
        if (!serveChannels(channels, policy.waitLimitMs()))
            break;
        policy.enforceDeadline();
    }
    if (!input.failure().empty())
        out.writeCause(input.failure());
    // Only reached with ffmpeg reaped, unless poll() itself failed; the
    // FfmpegProcess destructor then kills and reaps it.
    const int code = ffmpeg.exited() ? ffmpeg.exitCode() : 255;
    return code == 0 && !input.failure().empty() ? 1 : code;
}

} // namespace veltrix::bridge
