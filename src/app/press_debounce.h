#pragma once
// A second press that follows the first too closely, as in a double click,
// is taken as part of the first and ignored.

#include <QElapsedTimer>
#include <optional>

inline constexpr qint64 kPressDebounceMs = 500;

class PressDebounce {
public:
    // Whether a press at `nowMs` (a monotonic clock) counts: the first
    // press does, and any press at least kPressDebounceMs after the last
    // press that counted.
    bool accept(qint64 nowMs)
    {
        if (m_lastAccepted && nowMs - *m_lastAccepted < kPressDebounceMs)
            return false;
        m_lastAccepted = nowMs;
        return true;
    }
    // Whether a press now counts.
    bool acceptNow()
    {
        if (!m_clock.isValid())
            m_clock.start();
        return accept(m_clock.elapsed());
    }

private:
    QElapsedTimer m_clock;
    std::optional<qint64> m_lastAccepted;
};
