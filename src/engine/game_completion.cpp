#include "engine/game_completion.h"

#include <algorithm>

#include "engine/pointer_events.h"
#include "engine/scoring.h"
#include "engine/stock.h"
#include "engine/table_queries.h"
#include "model/families.h"
#include "model/rule_index.h"

namespace vis {

namespace {

template <typename Test>
bool EveryTableauPile(const GameContext& ctx, Test test) {
    for (int i = 0; i < UsedTableauPiles(ctx); ++i)
        if (!test(std::string_view(ctx.piles.fila[static_cast<std::size_t>(i)]))) return false;
    return true;
}

bool OnlyGaps(std::string_view pile) {
    for (int p = 0; p < CardCount(pile); ++p)
        if (CardAt(pile, p) != 0) return false;
    return true;
}

bool StandardComplete(const GameContext& ctx) {
    // The pyramid's removed cards leave "000" gaps behind.
    const bool gapGame = FamilyOf(ctx.rules[rule::kFamily]) == Family::kPyramid;
    if (!ctx.piles.mazzo[kStockIndex].empty() || !ctx.piles.mazzo[kWasteIndex].empty())
        return false;
    for (const auto& reserve : ctx.piles.appogg)
        if (!reserve.empty()) return false;
    for (const auto& pile : ctx.piles.fila)
        if (gapGame ? !OnlyGaps(pile) : !pile.empty()) return false;
    return true;
}

// A two at the bottom followed by the next ranks of its suit; the last
// position is not looked at.
bool RisesFromTwo(std::string_view pile) {
    const int count = CardCount(pile);
    if (count == 0) return false;
    for (int p = 0; p + 1 < count; ++p) {
        const CardNumber card = CardAt(pile, p);
        if (card <= 0 || RankOf(card) != p + 2) return false;
        if (p > 0 && SuitIndex(card) != SuitIndex(CardAt(pile, p - 1))) return false;
    }
    return true;
}

}  // namespace

bool IsGameComplete(const GameContext& ctx) {
    const bool stockEmpty = ctx.piles.mazzo[kStockIndex].empty();
    const int target = ctx.rules[rule::kWinningScore];
    switch (FamilyOf(ctx.rules[rule::kFamily])) {
        case Family::kPokerGrid:
            return EveryTableauPile(ctx, [](std::string_view p) { return CardCount(p) > 0; });
        case Family::kBetweenSameSuits:
        case Family::kQueenAndKing:
            return stockEmpty && ctx.piles.fila[0].size() <= 12;
        case Family::kOneCardPerPile:
            return EveryTableauPile(ctx, [](std::string_view p) { return CardCount(p) == 1; });
        case Family::kAcesAlone:
            return stockEmpty && EveryTableauPile(ctx, [](std::string_view p) {
                       return CardCount(p) == 1 && CardAt(p, 0) > 0 && RankOf(CardAt(p, 0)) == 1;
                   });
        case Family::kGaps:
            return EveryTableauPile(ctx, RisesFromTwo) && TopCard(ctx.piles.fila[0]) == 0 &&
                   !ctx.piles.fila[0].empty();
        case Family::kOrderedBottoms:
        case Family::kDiscardCount:
        case Family::kMemoryAceToKing:
        case Family::kMemoryPairs:
        case Family::kMemoryConcentration:
        case Family::kClock:
        case Family::kLabelledPiles:
        case Family::kDiscardAll:
            return ctx.state.GetInt(field::kScore) >= target;
        case Family::kEmptyFoundations:
            for (int i = 1; i < kDestPileCount; ++i)
                if (!ctx.piles.dest[static_cast<std::size_t>(i)].empty()) return false;
            return true;
        case Family::kNineDown:
            for (int i = 0; i < UsedTableauPiles(ctx); ++i)
                if (ReadsNineDownToOne(ctx.piles.fila[static_cast<std::size_t>(i)])) return true;
            return false;
        case Family::kTopCardsSum:
            return TopCardsSum(ctx) == kTopCardsTarget;
        case Family::kSuitInLine: {
            int held = 0;
            for (int i = 0; i < UsedTableauPiles(ctx); ++i)
                held += ctx.piles.fila[static_cast<std::size_t>(i)].empty() ? 0 : 1;
            return held == 4;
        }
        case Family::kGapsOffTable:
            return ComputeScore(ctx) >= target;
        default:
            return StandardComplete(ctx);
    }
}

bool IsDiscardGameOver(const GameContext& ctx) {
    if (!TraitsOf(ctx.rules[rule::kFamily]).discardsByRank || IsGameComplete(ctx) ||
        StockPressActs(ctx))
        return false;
    for (int i = 0; i < UsedTableauPiles(ctx); ++i) {
        const CardNumber top = TopCard(ctx.piles.fila[static_cast<std::size_t>(i)]);
        if (top > 0 && DiscardTakes(ctx, top)) return false;
    }
    return true;
}

}  // namespace vis
