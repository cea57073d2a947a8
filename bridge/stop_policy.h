#pragma once

#include <chrono>
#include <optional>

namespace veltrix::bridge {

class FfmpegProcess;

// When ffmpeg is asked to stop, and how firmly.
//
// A termination request to the bridge came to the whole process group, so
// ffmpeg has usually received the signal itself; a second one would make it
// abandon the file it is finishing, since ffmpeg takes repeated signals as
// "exit immediately". The signal is passed on only once ffmpeg evidently
// keeps transcoding: one progress block may already be in the pipe and one
// more may close the step ffmpeg was in, so a third "progress=continue"
// shows it did not get the signal. A stop the bridge decides on itself (the
// reader has gone, the audio cannot be used) is news to ffmpeg, which gets
// SIGTERM at once. Either way ffmpeg is killed if it has not ended within
// the grace period.
class StopPolicy {
public:
    using Clock = std::chrono::steady_clock;
    static constexpr std::chrono::seconds kGracePeriod{10};

    explicit StopPolicy(FfmpegProcess &ffmpeg) : m_ffmpeg(ffmpeg) {}

    // Looks for a termination request and takes the bridge's own reason to
    // stop, if it has one.
    void review(bool ownReasonToStop);
    // ffmpeg finished another "progress=continue" block.
    void onProgressBlock();
    bool stopping() const { return m_stopping; }
    // How long the loop may wait before the kill deadline; -1: no deadline.
    int waitLimitMs() const;
    // Kills ffmpeg once the grace period is over.
    void enforceDeadline();

private:
    void beginStop();

    FfmpegProcess &m_ffmpeg;
    bool m_stopping = false;
    int m_blocksSinceRequest = -1; // -1: no termination request seen yet
    std::optional<Clock::time_point> m_killAt;
};

} // namespace veltrix::bridge
