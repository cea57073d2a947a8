#include "stop_policy.h"

#include "ffmpeg_process.h"
#include "termination_signals.h"

#include <algorithm>
#include <csignal>

namespace veltrix::bridge {

void StopPolicy::beginStop()
{
    if (stopping_)
        return;
    stopping_ = true;
    killAt_ = Clock::now() + kGracePeriod;
}

void StopPolicy::review(bool ownReasonToStop)
{
    if (blocksSinceRequest_ < 0 && terminationRequested()) {
        blocksSinceRequest_ = 0;
        beginStop();
    }
    if (ownReasonToStop && !stopping_) {
        ffmpeg_.sendSignal(SIGTERM);
        beginStop();
    }
}

void StopPolicy::onProgressBlock()
{
    review(false);
    if (blocksSinceRequest_ >= 0 && ++blocksSinceRequest_ == 3)
        ffmpeg_.sendSignal(signalForFfmpeg());
}

int StopPolicy::waitLimitMs() const
{
    if (!killAt_ || ffmpeg_.exited())
        return -1;
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(*killAt_ - Clock::now());
    return static_cast<int>(std::max<long long>(0, left.count()));
}

void StopPolicy::enforceDeadline()
{
    if (killAt_ && Clock::now() >= *killAt_ && !ffmpeg_.exited()) {
        ffmpeg_.sendSignal(SIGKILL);
        killAt_.reset();
    }
}

} // namespace veltrix::bridge
