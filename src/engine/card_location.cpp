#include "engine/card_location.h"

#include <algorithm>

#include "engine/table_queries.h"
#include "model/rule_index.h"

namespace vis {

std::optional<PileRef> PileAtLocation(int location) {
    if (location == kLocationStock) return PileRef{PileList::Mazzo, kStockIndex};
    if (location == kLocationWaste) return PileRef{PileList::Mazzo, kWasteIndex};
    if (IsFoundationLocation(location)) return PileRef{PileList::Dest, -1 - location};
    if (IsTableauLocation(location)) return PileRef{PileList::Fila, location - 1};
    if (IsReserveLocation(location)) return PileRef{PileList::Appogg, -21 - location};
    return std::nullopt;
}

int CardLocation(const GameContext& ctx, CardNumber card) {
    const PileLists& piles = ctx.piles;
    if (FindCard(piles.mazzo[kStockIndex], card) >= 0) return kLocationStock;
    if (FindCard(piles.mazzo[kWasteIndex], card) >= 0) return kLocationWaste;
    for (int i = 0; i < kDestPileCount; ++i)
        if (FindCard(piles.dest[static_cast<std::size_t>(i)], card) >= 0)
            return FoundationLocation(i);
    for (int i = 0; i < UsedTableauPiles(ctx); ++i)
        if (FindCard(piles.fila[static_cast<std::size_t>(i)], card) >= 0) return TableauLocation(i);
    for (int i = 0; i < UsedReserves(ctx); ++i)
        if (FindCard(piles.appogg[static_cast<std::size_t>(i)], card) >= 0)
            return ReserveLocation(i);
    return kLocationNowhere;
}

bool IsTopCard(const GameContext& ctx, CardNumber card) {
    for (int i = 0; i < UsedTableauPiles(ctx); ++i) {
        const std::string& pile = ctx.piles.fila[static_cast<std::size_t>(i)];
        if (!pile.empty() && TopCard(pile) == card) return true;
    }
    for (int i = 0; i < UsedReserves(ctx); ++i) {
        const std::string& pile = ctx.piles.appogg[static_cast<std::size_t>(i)];
        if (!pile.empty() && TopCard(pile) == card) return true;
    }
    return false;
}

int UsedReserves(const GameContext& ctx) {
    return std::clamp<int>(ctx.rules[rule::kReserveCount], 0, kAppoggPileCount);
}

bool CardIsRed(CardNumber card) {
    return card >= 1 && IsRed(card);
}

bool IsJoker(CardNumber card) {
    return card >= kFirstJoker && card <= kLastCard;
}

bool IsCourtCard(CardNumber card) {
    if (card < 1 || card >= kFirstJoker) return false;
    const int rank = RankOf(card);
    return rank >= 11 && rank <= 13;
}

}  // namespace vis
