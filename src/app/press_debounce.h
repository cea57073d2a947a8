#pragma once
// A second press that follows the first too closely, as in a double click,
// is taken as part of the first and ignored.

#include <QtGlobal>
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

private:
    std::optional<qint64> m_lastAccepted;
};
