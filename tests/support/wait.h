#pragma once
// Waiting in the window tests for what the event loop and the web engine deliver.
#include <chrono>
#include <functional>

#include "platform/ui/pump.h"

namespace expo::testing {

// Generous: the web engine's first start on a loaded build machine takes seconds.
inline constexpr int kPatienceMs = 60'000;

// Pumps at full speed (QTest::qWaitFor sleeps between passes, which slows the engine down) until
// `condition` holds or the patience runs out; returns whether it held.
inline bool waitFor(const std::function<bool()>& condition) {
    return ui::pumpUntil(condition, std::chrono::milliseconds(kPatienceMs));
}

}  // namespace expo::testing
