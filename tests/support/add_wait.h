#pragma once
// Waits until the add under way has listed its files and its probes have ended.

#include "engine/busy_state.h"

#include <QTest>

namespace veltrix::test {

inline bool addEnded(const BusyState &busy)
{
    return QTest::qWaitFor([&busy] { return !busy.is(Busy::Adding); }, 60000);
}

} // namespace veltrix::test
