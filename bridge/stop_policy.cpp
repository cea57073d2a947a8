#include "stop_policy.h"

#include "ffmpeg_process.h"
#include "termination_signals.h"

#include <algorithm>
#include <csignal>

namespace veltrix::bridge {

void StopPolicy::beginStop()
{
    if (m_stopping)
        return;
    m_stopping = true;
    m_killAt = Clock::now() + kGracePeriod;
}

void StopPolicy::review(bool ownReasonToStop)
{
    if (m_blocksSinceRequest < 0 && terminationRequested()) {
        m_blocksSinceRequest = 0;
        beginStop();
    }
    if (ownReasonToStop && !m_stopping) {
        m_ffmpeg.sendSignal(SIGTERM);
        beginStop();
    }
}

void StopPolicy::onProgressBlock()
{
    review(false);
    if (m_blocksSinceRequest >= 0 && ++m_blocksSinceRequest == 3)
        m_ffmpeg.sendSignal(signalForFfmpeg());
}

int StopPolicy::waitLimitMs() const
{
    if (!m_killAt || m_ffmpeg.exited())
        return -1;
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(*m_killAt - Clock::now());
    return static_cast<int>(std::max<long long>(0, left.count()));
}

void StopPolicy::enforceDeadline()
{
    if (m_killAt && Clock::now() >= *m_killAt && !m_ffmpeg.exited()) {
        m_ffmpeg.sendSignal(SIGKILL);
        m_killAt.reset();
    }
}

} // namespace veltrix::bridge
