// The restart half of OpenGame: the deal in play from its first position.
#include "game/restart_game.h"

#include "engine/scoring.h"
#include "game/open_game.h"
#include "model/position_snapshot.h"
#include "model/sound_events.h"

namespace vis {

PositionSnapshot FirstSnapshot(const HistorySide& undo) {
    PositionSnapshot snapshot;
    snapshot.reserve(kSnapshotLines);
    const auto take = [&](const std::vector<std::string>& stack, std::size_t lines) {
        for (std::size_t i = 0; i < lines; ++i)
            snapshot.push_back(i < stack.size() ? stack[i] : std::string());
    };
    take(undo.stock, kSnapshotFoundationLine - kSnapshotStockLine);
    take(undo.foundation, kSnapshotTableauLine - kSnapshotFoundationLine);
    take(undo.tableau, kSnapshotReserveLine - kSnapshotTableauLine);
    take(undo.reserve, kSnapshotLines - kSnapshotReserveLine);
    return snapshot;
}

bool RestartGame(GameContext& ctx, NewGameHooks& hooks, bool demo) {
    if (ctx.flags[Flag::kAnimationRunning]) return false;
    if (ctx.state.GetInt(field::kGameNumber, -1) < 0) {
        ctx.ui.Beep();
        return false;
    }
    if (ctx.flags[Flag::kGameInProgress] && !ctx.flags[Flag::kGameWon] &&
        !ctx.ui.Confirm("Restart this game?\rGame number: " + ctx.state.Get(field::kDealNumber)))
        return false;
    {
        BusyPointer busy(ctx.ui);
        if (hooks.EndRunningGame(ctx)) return false;
        if (!ctx.history.undo.IsEmpty()) RestoreSnapshot(ctx, FirstSnapshot(ctx.history.undo));
        ctx.history.undo.Clear();
        hooks.ResetClock(ctx);
        ctx.game.passNumber = 1;
        // The loss check, which also gives the first position its score back.
        UpdateScore(ctx);
        PlaySoundEvent(ctx.ui, ctx.state, "Restart", field::kSoundsRestart);
    }
    if (!NewDeal(ctx, hooks, {.deal = false, .animate = true, .noRepaint = demo})) return false;
    ctx.game.fillCounter = 0;
    ctx.game.dealCounter = 0;
    return true;
}

}  // namespace vis
