#include "view/geometry/layout_fit.h"

#include <algorithm>
#include <cstdlib>

#include "model/rule_index.h"
#include "model/table_layout.h"

namespace vis {

std::vector<PileRef> PilesInUse(const GameRules& rules) {
    std::vector<PileRef> piles;
    const int stockGroup = rules[rule::kStockGroupPlaced];
    if (stockGroup >= 2) {
        piles.push_back({PileList::Mazzo, kStockIndex});
        piles.push_back({PileList::Mazzo, kWasteIndex});
    } else if (stockGroup == 1) {
        piles.push_back({PileList::Mazzo, rules[rule::kHasStock] == 1 ? kStockIndex : kWasteIndex});
    }
    if (rules[rule::kExtraStockPiles] >= 1) piles.push_back({PileList::Mazzo, kSecondWasteIndex});
    const auto addAll = [&](PileList list, int countRule, int most) {
        const int count = std::clamp<int>(rules[countRule], 0, most);
        for (int i = 0; i < count; ++i) piles.push_back({list, i});
    };
    addAll(PileList::Dest, rule::kFoundationCount, kDestPileCount);
    addAll(PileList::Fila, rule::kTableauCount, kFilaPileCount);
    addAll(PileList::Appogg, rule::kReserveCount, kAppoggPileCount);
    return piles;
}

std::vector<std::string> PilesOutsideWindow(const GameContext& ctx, const TableWindow& window) {
    const TableLayout& layout = ctx.game.layout;
    std::vector<std::string> outside;
    for (const PileRef pile : PilesInUse(ctx.rules)) {
        const PileOrigin origin = StoredOrigin(layout, pile);
        // A card covers cardWidth x cardHeight pixels from its origin; the
        // window's bottom is its last usable row.
        const bool inside = origin.x >= 0 && origin.x + layout.cardWidth <= window.width &&
                            origin.y >= window.top &&
                            origin.y + layout.cardHeight - 1 <= window.bottom;
        if (!inside) outside.push_back(PileKey(pile));
    }
    return outside;
}

std::vector<std::string> OverlappingPiles(const GameContext& ctx) {
    const TableLayout& layout = ctx.game.layout;
    std::vector<PileRef> placed;
    for (const PileRef pile : PilesInUse(ctx.rules))
        if (IsOnTable(layout, pile)) placed.push_back(pile);
    std::vector<std::string> pairs;
    for (std::size_t a = 0; a < placed.size(); ++a) {
        const PileOrigin first = StoredOrigin(layout, placed[a]);
        for (std::size_t b = a + 1; b < placed.size(); ++b) {
            const PileOrigin second = StoredOrigin(layout, placed[b]);
            // Cards that only touch along an edge do not cover each other.
            if (std::abs(first.x - second.x) < layout.cardWidth &&
                std::abs(first.y - second.y) < layout.cardHeight)
                pairs.push_back(PileKey(placed[a]) + "/" + PileKey(placed[b]));
        }
    }
    return pairs;
}

}  // namespace vis
