// The process-wide booleans that guard re-entry, with the game's start and
// end times.
#pragma once

#include <array>
#include <cstdint>

namespace vis {

enum class Flag {
    kHoldAndExitRequested = 0,
    kDemoMode = 1,
    kGameInProgress = 2,
    kClockRunning = 3,
    kFirstActivationPending = 4,
    kDoubleClickHandled = 5,
    kAnimationRunning = 6,
    kMoveExecuting = 7,
    kGameWon = 8,
    kGameJustEnded = 9,
};

struct StateFlags {
    std::array<bool, 10> values{};
    std::int64_t gameStartSeconds = 0;  // seconds since midnight, see ElapsedSeconds
    std::int64_t gameEndSeconds = 0;

    bool operator[](Flag f) const { return values[static_cast<std::size_t>(f)]; }
    bool& operator[](Flag f) { return values[static_cast<std::size_t>(f)]; }
};

}  // namespace vis
