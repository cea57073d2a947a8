#include "engine/busy_state.h"

void BusyState::set(Busy what, bool on)
{
    const BusySet flags = on ? m_flags | static_cast<BusySet>(what) : m_flags & ~static_cast<BusySet>(what);
    if (flags == m_flags)
        return;
    m_flags = flags;
    emit changed();
}

bool BusyState::is(Busy what) const
{
    if (what == Busy::Running)
        return is(Busy::Converting) && !is(Busy::Paused);
    return (m_flags & static_cast<BusySet>(what)) != 0;
}

std::optional<Busy> BusyState::refusal(BusySet refusedWhile) const
{
    for (const Busy state : {Busy::Previewing, Busy::Running, Busy::Converting, Busy::CutterOpen, Busy::Adding})
        if ((refusedWhile & static_cast<BusySet>(state)) && is(state))
            return state;
    return std::nullopt;
}
