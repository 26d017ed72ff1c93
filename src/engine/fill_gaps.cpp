#include "engine/fill_gaps.h"

#include <algorithm>
#include <array>
#include <string>

#include "engine/card_location.h"
#include "engine/move_execution.h"
#include "engine/move_log.h"
#include "engine/pointer_lift.h"
#include "engine/table_queries.h"
#include "model/families.h"
#include "model/rule_index.h"
#include "view/geometry/card_position.h"

namespace vis {

namespace {

using namespace gap_fill;

constexpr int kFirstPileFilledFromStock = 10;

constexpr PileRef kStock{PileList::Mazzo, kStockIndex};
constexpr PileRef kWaste{PileList::Mazzo, kWasteIndex};
constexpr PileRef kFirstReserve{PileList::Appogg, 0};

enum class Source { kWasteFirst, kStockFirst, kWasteOnly, kStockOnly };

struct FillPlan {
    Source source = Source::kWasteOnly;
    int cards = 1;
};

bool IsEmpty(const GameContext& ctx, PileRef pile) {
    return ctx.piles.Pile(pile).empty();
}

std::optional<PileRef> SourcePile(const GameContext& ctx, Source source) {
    switch (source) {
        case Source::kWasteFirst:
            return !IsEmpty(ctx, kWaste) ? kWaste : kStock;
        case Source::kStockFirst:
            return !IsEmpty(ctx, kStock) ? kStock : kWaste;
        case Source::kWasteOnly:
            return kWaste;
        case Source::kStockOnly:
            return kStock;
    }
    return std::nullopt;
}

// One card from `from` to `to`, slid there and taken back with the move
// that caused the fill.
bool FillOne(GameContext& ctx, PlayHooks& hooks, PileRef from, PileRef to) {
    const std::string& source = ctx.piles.Pile(from);
    const CardNumber card = TopCard(source);
    if (card <= 0) return false;
    const int slot = CardCount(source) - 1;
    const int stepsBefore = UndoStepCount(ctx);
    ctx.ui.LiftCard(card, from, slot);
    ctx.ui.SlideCard(card, from, slot, to, CardCount(ctx.piles.Pile(to)));
    const std::string before = source;
    MoveOptions options;
    options.blockTop = CardPosition(ctx, to, 0, true).y;
    options.blockHeight = ctx.game.layout.cardHeight;
    if (!ExecuteMove(ctx, hooks, Move::Cards(card, to), options)) return false;
    ctx.ui.RepaintPile(from, before, ctx.piles.Pile(from));
    MergeStepsSince(ctx, stepsBefore);
    return true;
}

void Fill(GameContext& ctx, PlayHooks& hooks, PileRef pile, const FillPlan& plan) {
    for (int n = 0; n < plan.cards; ++n) {
        const std::optional<PileRef> from = SourcePile(ctx, plan.source);
        if (!from || !FillOne(ctx, hooks, *from, pile)) return;
    }
}

// The plan of a rule for tableau pile `index`; none when the rule leaves
// that pile alone.
std::optional<FillPlan> PlanFor(int fillRule, int index, int gridPiles) {
    switch (fillRule) {
        case kWasteThenStock:
        case kWasteThenStockUntilCounted:
        case kWasteThenStockWithReserves:
            if (index < gridPiles) return std::nullopt;
            return FillPlan{Source::kWasteFirst, 1};
        case kStockThenWaste:
            return FillPlan{Source::kStockFirst, 1};
        case kThreeFromWaste:
            return FillPlan{Source::kWasteOnly, 3};
        case kWasteToCorners:
            if (!IsRowEndPile(index)) return std::nullopt;
            return FillPlan{Source::kWasteOnly, 1};
        case kStockFromPileTen:
            if (index < kFirstPileFilledFromStock) return std::nullopt;
            return FillPlan{Source::kStockOnly, 1};
        case kFourFromStock:
            return FillPlan{Source::kStockOnly, 4};
        default:
            return std::nullopt;
    }
}

bool FillFromFirstReserve(GameContext& ctx, PlayHooks& hooks) {
    bool found = false;
    for (int i = 0; i < UsedTableauPiles(ctx) && !IsEmpty(ctx, kFirstReserve); ++i) {
        const PileRef pile{PileList::Fila, i};
        if (!IsEmpty(ctx, pile)) continue;
        found = true;
        FillOne(ctx, hooks, kFirstReserve, pile);
    }
    return found;
}

}  // namespace

bool FillGaps(GameContext& ctx, PlayHooks& hooks) {
    const int fillRule = ctx.rules[rule::kAutoFillTableau];
    if (fillRule == 0) return false;
    if (ctx.rules[rule::kFillPhase] != 0 && ctx.game.fillCounter == 0) return false;
    if (fillRule == kFromFirstReserve) return FillFromFirstReserve(ctx, hooks);
    const bool fromStockOrWaste = fillRule == kWasteThenStock || fillRule == kStockThenWaste ||
                                  fillRule == kWasteThenStockWithReserves ||
                                  fillRule == kFourFromStock;
    if (fromStockOrWaste && IsEmpty(ctx, kStock) && IsEmpty(ctx, kWaste)) return false;
    if (fillRule == kWasteThenStockUntilCounted &&
        CountLogEvents(ctx.history.undo.log, kEventTableauDrop) != 0)
        return false;

    const int gridPiles = std::max(0, ctx.rules[rule::kGridRows] * ctx.rules[rule::kGridColumns]);
    bool found = false;
    for (int i = 0; i < UsedTableauPiles(ctx); ++i) {
        const PileRef pile{PileList::Fila, i};
        if (!IsEmpty(ctx, pile)) continue;
        const std::optional<FillPlan> plan = PlanFor(fillRule, i, gridPiles);
        if (!plan) continue;
        found = true;
        Fill(ctx, hooks, pile, *plan);
    }
    if (fillRule == kWasteThenStockWithReserves) {
        for (int i = gridPiles; i < UsedReserves(ctx); ++i) {
            const PileRef pile{PileList::Appogg, i};
            if (!IsEmpty(ctx, pile)) continue;
            found = true;
            Fill(ctx, hooks, pile, {Source::kWasteFirst, 1});
        }
    }
    return found;
}

}  // namespace vis
