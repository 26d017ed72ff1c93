#include "engine/end_of_game.h"

#include "engine/game_clock.h"
#include "engine/table_queries.h"
#include "model/families.h"
#include "model/game_files.h"
#include "model/rule_index.h"
#include "model/sound_events.h"

namespace vis {

namespace {

constexpr int kPauseBeforeWinMs = 200;

// Matches and misses of the memory games for their end dialog.
void ShowMemorySummary(GameContext& ctx, bool won) {
    int matches = 0;
    for (const auto& pile : ctx.piles.dest) matches += CardCount(pile) / 2;
    matches += CardCount(ctx.piles.mazzo[kSecondWasteIndex]) / 2;
    ctx.ui.ShowMemoryEnd(won, matches, ctx.game.attemptCounter, UsedTableauPiles(ctx));
}

}  // namespace

bool EndGame(GameContext& ctx) {
    if (!ctx.flags[Flag::kGameInProgress]) return false;
    ctx.ui.ShowBusyPointer();
    ctx.ui.HidePileSizeTip();

    const int target = ctx.rules[rule::kWinningScore];
    if (target != 0) ctx.flags[Flag::kGameWon] = ctx.state.GetInt(field::kScore) >= target;
    const bool won = ctx.flags[Flag::kGameWon];

    StopClock(ctx);
    const int seconds = ElapsedSeconds(ctx);
    const ClockReading end = ctx.ui.Now();

    ctx.ui.SetCommandEnabled(UiCommand::kPause, false);
    ctx.ui.SetCommandEnabled(UiCommand::kQuitGame, false);
    DiscardBookmark(ctx);

    if (TraitsOf(ctx.rules[rule::kFamily]).memoryGame) ShowMemorySummary(ctx, won);
    if (ctx.recorder) ctx.recorder->RecordFinishedGame(ctx, won, seconds, end);
    // Recorded: a held file it was resumed from must not bring it back.
    ReleaseResumedHeldGame(ctx);

    ctx.game.draggedCard = 0;
    ctx.flags[Flag::kGameWon] = false;
    ctx.flags[Flag::kGameInProgress] = false;
    ctx.game.autoplayStop = true;

    ctx.ui.RestorePointer();
    if (won) {
        WaitTicks(ctx.ui, kPauseBeforeWinMs);
        ctx.ui.SetInputBlocked(true);
        PlaySoundEvent(ctx.ui, ctx.state, "Won", field::kSoundsGameWon);
        ctx.ui.RunWinningAnimation();
    }
    if (ctx.game.closeAfterAnimation) {
        ctx.ui.SetInputBlocked(false);
        ctx.ui.CloseMainWindow();
        return won;
    }
    ctx.ui.SetInputBlocked(false);
    if (won) ctx.ui.ShowGameWonDialog();
    return won;
}

}  // namespace vis
