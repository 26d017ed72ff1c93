// The playing time of the current game: started at the deal, stopped at the
// end, shown as "h:nn:ss" once a second, moved on over pauses.
#pragma once

#include <cstdint>
#include <string>

#include "model/game_context.h"

namespace vis {

inline constexpr int kSecondsPerDay = 86400;

// Seconds from `start` to `now` (both seconds of the day); a game that
// passed midnight still counts forward.
int ElapsedSince(int start, int now);
// "h:nn:ss".
std::string ClockText(int seconds);

void StartClock(GameContext& ctx);
// Starts the clock as if the game had already run `elapsed` seconds; a
// time of a day or more starts it at 0.
void StartClockAt(GameContext& ctx, int elapsed);
void StopClock(GameContext& ctx);
// The clock panel back to 0:00:00 with the clock stopped.
void ResetClock(GameContext& ctx);
// The one-second tick: refreshes the time shown while the clock runs.
void ClockTick(GameContext& ctx);
// The elapsed time shown, in seconds.
int ElapsedSeconds(const GameContext& ctx);

// The pause command: the clock stops and the table is covered; on return
// the start time moves on by the paused duration.
void SetPaused(GameContext& ctx, bool paused);

// Stops the clock of the game in play for as long as it lives, as a pause
// does: the time a modal dialog or question stands in front of the table
// is not playing time. The clock goes on afterwards only for the same game,
// still in progress; a game ended or dealt afresh in between keeps the
// clock it has.
class ClockHeldForDialog {
public:
    explicit ClockHeldForDialog(GameContext& ctx);
    ~ClockHeldForDialog();
    ClockHeldForDialog(const ClockHeldForDialog&) = delete;
    ClockHeldForDialog& operator=(const ClockHeldForDialog&) = delete;

private:
    GameContext& ctx_;
    bool held_ = false;
    std::int64_t startSeconds_ = 0;
    int playedSeconds_ = 0;
};

}  // namespace vis
