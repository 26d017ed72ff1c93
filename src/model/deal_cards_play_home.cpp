#include "model/deal_cards_play_home.h"

#include <algorithm>

#include "model/deal_cards.h"
#include "model/deal_cards_codes.h"
#include "model/deal_cards_list.h"
#include "model/game_context.h"
#include "model/pile_counts.h"
#include "model/rule_index.h"

namespace vis {

namespace {

constexpr int kAce = 1;

// A run of foundations, first included, last excluded.
struct FoundationRange {
    int first;
    int end;
};

// The foundations a tableau card may go to in the walk. `inner` is the
// value of the walk's inner loop: the pile in the depth-by-depth walk, the
// depth in the pile-by-pile walk.
FoundationRange FoundationsForWalk(const GameContext& ctx, int pile, int inner) {
    const int inUse = UsedFoundations(ctx);
    FoundationRange range{0, inUse};
    switch (ctx.rules[rule::kFoundationStart]) {
        case deal_code::kAcesHomeOwnPile:
            range = {pile, pile + 1};
            break;
        case deal_code::kKingsAndAcesHome:
            if (inner >= 0 && inner <= 3)
                range = {0, 4};
            else if (inner >= 6 && inner <= 9)
                range = {4, 8};
            else
                range = {0, 8};
            break;
        default:
            break;
    }
    // Foundations the game does not use stay empty.
    range.end = std::min(range.end, inUse);
    return range;
}

// Moves the tableau card at `depth` to the first foundation of the range
// that accepts it. True when it went.
bool TryHome(GameContext& ctx, DealEngine& engine, int pile, int depth, FoundationRange range) {
    std::string& text = ctx.piles.fila[static_cast<std::size_t>(pile)];
    const CardNumber card = CardAt(text, depth);
    if (card <= 0) return false;
    for (int f = range.first; f < range.end; ++f) {
        if (!engine.CanPlayToFoundation(ctx, card, f)) continue;
        RemoveCardAt(text, depth);
        AppendCard(ctx.piles, ctx.deck, {PileList::Dest, f}, card, kFaceUp);
        return true;
    }
    return false;
}

bool TryHomeInWalk(GameContext& ctx, DealEngine& engine, int pile, int depth, int inner) {
    if (!TryHome(ctx, engine, pile, depth, FoundationsForWalk(ctx, pile, inner))) return false;
    engine.ScoreFoundationMove(ctx);
    return true;
}

// The top card of the stock, or of the waste once the stock is empty,
// taken off its pile; 0 when both are empty.
CardNumber TakeReplacementCard(GameContext& ctx) {
    for (int index : {kStockIndex, kWasteIndex}) {
        std::string& pile = ctx.piles.mazzo[static_cast<std::size_t>(index)];
        if (!pile.empty()) return RemoveCardAt(pile, CardCount(pile) - 1);
    }
    return 0;
}

}  // namespace

void PlayHomeWalk(GameContext& ctx, DealEngine& engine) {
    const int piles = UsedTableauPiles(ctx);
    const int height = HighestTableauPile(ctx);
    // After a move the inner loop steps back, so that the card that took the
    // place of the one gone home is tried too.
    if (ctx.rules[rule::kPlayHomeOrder] != 0) {
        for (int pile = 0; pile < piles; ++pile)
            for (int depth = 0; depth < height; ++depth)
                if (TryHomeInWalk(ctx, engine, pile, depth, depth)) --depth;
    } else {
        for (int depth = 0; depth < height; ++depth)
            for (int pile = 0; pile < piles; ++pile)
                if (TryHomeInWalk(ctx, engine, pile, depth, pile)) --pile;
    }
}

void ReplaceTableauAces(GameContext& ctx, DealEngine& engine) {
    const int piles = UsedTableauPiles(ctx);
    const FoundationRange all{0, UsedFoundations(ctx)};
    const int height = HighestTableauPile(ctx);
    for (int depth = 0; depth <= height; ++depth) {
        for (int pile = 0; pile < piles; ++pile) {
            const CardNumber card = CardAt(ctx.piles.fila[static_cast<std::size_t>(pile)], depth);
            if (card <= 0 || RankOf(card) != kAce || !TryHome(ctx, engine, pile, depth, all))
                continue;
            const CardNumber replacement = TakeReplacementCard(ctx);
            if (replacement > 0)
                AppendCard(ctx.piles, ctx.deck, {PileList::Fila, pile}, replacement, kFaceUp);
            --pile;
        }
    }
}

void SendBottomCardsHome(GameContext& ctx, DealEngine& engine) {
    const int piles = std::min(UsedTableauPiles(ctx), UsedFoundations(ctx));
    for (int k = 0; k < piles; ++k)
        if (!ctx.piles.fila[static_cast<std::size_t>(k)].empty())
            TryHome(ctx, engine, k, 0, {k, k + 1});
}

}  // namespace vis
