#include "engine/busy_state.h"

void BusyState::set(Busy what, bool on)
{
    const BusySet flags = on ? m_flags | static_cast<BusySet>(what) : m_flags & ~static_cast<BusySet>(what);
    if (flags == m_flags)
        return;
    m_flags = flags;
    emit changed();
}

std::optional<Busy> BusyState::refusal(BusySet refusedWhile) const
{
    for (const Busy state : {Busy::Previewing, Busy::Converting, Busy::CutterOpen, Busy::Adding})
        if (refusedWhile & static_cast<BusySet>(state) & m_flags)
            return state;
    return std::nullopt;
}
