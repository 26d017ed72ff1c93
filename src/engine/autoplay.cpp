#include "engine/autoplay.h"

#include "engine/card_location.h"
#include "engine/end_of_game.h"
#include "engine/face_up.h"
#include "engine/fill_gaps.h"
#include "engine/pointer_auto_move.h"
#include "engine/pointer_lift.h"
#include "engine/table_queries.h"
#include "model/rule_index.h"
#include "view/geometry/card_position.h"

namespace vis {

namespace {

constexpr int kWasteLocked = 2;
constexpr int kTurnsCardsUp = 1;

// Tries the top card of a pile on the foundations.
bool PlayTopHome(GameContext& ctx, PlayHooks& hooks, PileRef pile) {
    const CardNumber top = TopCard(ctx.piles.Pile(pile));
    if (top <= 0) return false;
    const Rect rect = CardRectAt(ctx, CardPosition(ctx, pile, 0, false));
    return FindAndMoveToTarget(ctx, hooks, top, rect, true, true, false, true);
}

// Sweeps the reserves again as long as one of them sent a card home.
bool SweepReserves(GameContext& ctx, PlayHooks& hooks) {
    bool movedAny = false;
    bool moved = true;
    while (moved && !ctx.game.autoplayStop) {
        moved = false;
        for (int i = 0; i < UsedReserves(ctx) && !ctx.game.autoplayStop; ++i)
            if (PlayTopHome(ctx, hooks, {PileList::Appogg, i})) moved = true;
        movedAny = movedAny || moved;
    }
    return movedAny;
}

void TurnTopUpForAutoplay(GameContext& ctx, int tableau) {
    const std::string& pile = ctx.piles.fila[static_cast<std::size_t>(tableau)];
    const CardNumber top = TopCard(pile);
    if (top <= 0 || ctx.deck.IsFaceUp(top)) return;
    if (!ctx.state.GetSettings().automaticFaceUp ||
        ctx.rules[rule::kAutoFaceUpAllowed] != kTurnsCardsUp)
        return;
    TurnFaceUp(ctx, top, CardCount(pile) - 1, tableau);
}

bool SweepTableau(GameContext& ctx, PlayHooks& hooks) {
    // With reserves, a card gone home starts the next cycle at once, so
    // that the reserves are looked at again first.
    const bool hasReserves = ctx.rules[rule::kReserveCount] > 0;
    bool moved = false;
    for (int i = 0; i < UsedTableauPiles(ctx) && !ctx.game.autoplayStop; ++i) {
        if (ctx.piles.fila[static_cast<std::size_t>(i)].empty()) continue;
        TurnTopUpForAutoplay(ctx, i);
        if (!PlayTopHome(ctx, hooks, {PileList::Fila, i})) continue;
        moved = true;
        if (hasReserves) break;
    }
    return moved;
}

}  // namespace

bool IsAutoplayOn(const GameContext& ctx) {
    return ctx.game.autoplaySwitch && ctx.ui.IsCommandGroupEnabled(CommandGroup::kAutoplay);
}

void ToggleAutoplay(GameContext& ctx, PlayHooks& hooks) {
    if (ctx.game.autoplaySwitch) {
        ctx.game.autoplaySwitch = false;
        ctx.ui.ShowAutoplaySwitch(false);
        return;
    }
    ctx.game.autoplaySwitch = true;
    ctx.ui.ShowAutoplaySwitch(true);
    AutoplayPass(ctx, hooks);
    do {
        FillGaps(ctx, hooks);
    } while (AutoplayPass(ctx, hooks));
}

void SetAutoplayEnabled(GameContext& ctx, bool enabled) {
    if (ctx.ui.IsCommandGroupEnabled(CommandGroup::kAutoplay) == enabled) return;
    ctx.ui.SetCommandGroupEnabled(CommandGroup::kAutoplay, enabled);
}

bool AutoplayPass(GameContext& ctx, PlayHooks& hooks) {
    if (!IsAutoplayOn(ctx) || UsedTableauPiles(ctx) == 0) return false;
    ctx.game.autoplayStop = false;
    bool movedAny = false;
    while (true) {
        bool moved = SweepReserves(ctx, hooks);
        if (ctx.game.autoplayStop) break;
        if (ctx.rules[rule::kWasteLocked] != kWasteLocked &&
            PlayTopHome(ctx, hooks, {PileList::Mazzo, kWasteIndex}))
            moved = true;
        if (!ctx.game.autoplayStop && SweepTableau(ctx, hooks)) moved = true;
        if (ctx.game.autoplayStop || !moved) break;
        movedAny = true;
    }
    if (ctx.flags[Flag::kGameWon]) EndGame(ctx);
    ctx.game.autoplayStop = false;
    return movedAny;
}

}  // namespace vis
