#include "engine/game_clock.h"

#include "model/text.h"

namespace vis {

namespace {
constexpr int kLastSecondOfDay = kSecondsPerDay - 1;

int NowSeconds(GameContext& ctx) {
    return ctx.ui.Now().secondsOfDay;
}

void Show(GameContext& ctx) {
    ctx.ui.ShowClock(ClockText(ctx.game.clockSeconds));
}
}  // namespace

int ElapsedSince(int start, int now) {
    if (now >= start) return now - start;
    return (kLastSecondOfDay - start) + now;
}

std::string ClockText(int seconds) {
    if (seconds < 0) seconds = 0;
    const int hours = seconds / 3600;
    return std::to_string(hours) + ":" + ZeroPad(seconds / 60 % 60, 2) + ":" +
           ZeroPad(seconds % 60, 2);
}

void StartClock(GameContext& ctx) {
    StartClockAt(ctx, 0);
}

void StartClockAt(GameContext& ctx, int elapsed) {
    if (elapsed < 0 || elapsed >= kSecondsPerDay) elapsed = 0;
    const int now = NowSeconds(ctx);
    ctx.flags.gameStartSeconds = (now - elapsed + kSecondsPerDay) % kSecondsPerDay;
    ctx.flags[Flag::kClockRunning] = true;
    ctx.game.clockSeconds = elapsed;
    Show(ctx);
}

void StopClock(GameContext& ctx) {
    if (ctx.flags[Flag::kClockRunning]) {
        ctx.flags.gameEndSeconds = NowSeconds(ctx);
        ctx.game.clockSeconds = ElapsedSince(static_cast<int>(ctx.flags.gameStartSeconds),
                                             static_cast<int>(ctx.flags.gameEndSeconds));
    }
    ctx.flags[Flag::kClockRunning] = false;
}

void ResetClock(GameContext& ctx) {
    ctx.flags[Flag::kClockRunning] = false;
    ctx.game.clockSeconds = 0;
    Show(ctx);
}

void ClockTick(GameContext& ctx) {
    if (!ctx.flags[Flag::kClockRunning]) return;
    ctx.game.clockSeconds =
        ElapsedSince(static_cast<int>(ctx.flags.gameStartSeconds), NowSeconds(ctx));
    Show(ctx);
}

int ElapsedSeconds(const GameContext& ctx) {
    return ctx.game.clockSeconds;
}

ClockHeldForDialog::ClockHeldForDialog(GameContext& ctx) : ctx_(ctx) {
    if (!ctx.flags[Flag::kClockRunning] || !ctx.flags[Flag::kGameInProgress]) return;
    ClockTick(ctx);
    held_ = true;
    startSeconds_ = ctx.flags.gameStartSeconds;
    playedSeconds_ = ctx.game.clockSeconds;
    ctx.flags[Flag::kClockRunning] = false;
}

ClockHeldForDialog::~ClockHeldForDialog() {
    if (!held_ || ctx_.flags[Flag::kClockRunning] || !ctx_.flags[Flag::kGameInProgress] ||
        ctx_.flags.gameStartSeconds != startSeconds_)
        return;
    StartClockAt(ctx_, playedSeconds_);
}

void SetPaused(GameContext& ctx, bool paused) {
    if (paused) {
        ctx.ui.SetCommandChecked(UiCommand::kPause, true);
        ClockTick(ctx);
        ctx.flags[Flag::kClockRunning] = false;
        ctx.game.pauseStartSeconds = NowSeconds(ctx);
        ctx.ui.BeginPauseScreen();
        return;
    }
    ctx.ui.SetCommandChecked(UiCommand::kPause, false);
    ctx.ui.EndPauseScreen();
    ctx.ui.RepaintTable();
    // start = now - (pause start - start): the pause does not count.
    const int played =
        ElapsedSince(static_cast<int>(ctx.flags.gameStartSeconds), ctx.game.pauseStartSeconds);
    StartClockAt(ctx, played);
}

}  // namespace vis
