#pragma once

#include "e2e_timing.h"

#include <QDeadlineTimer>
#include <QTest>

namespace e2e {

// Checks the condition until it holds or the limit passes, letting events
// (process output among them) flow in between. True if it held.
template <typename Condition>
bool waitUntil(Condition condition, std::chrono::milliseconds limit)
{
    const QDeadlineTimer deadline(limit);
    for (;;) {
        if (condition())
            return true;
        if (deadline.hasExpired())
            return false;
        QTest::qWait(static_cast<int>(pollInterval.count()));
    }
}

} // namespace e2e
