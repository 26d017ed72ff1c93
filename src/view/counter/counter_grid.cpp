#include "view/counter/counter_grid.h"

#include <algorithm>

#include "model/rule_index.h"

namespace vis {

namespace {

constexpr int kRowPitch = 18;
constexpr int kFirstRowTop = 3;
constexpr int kCellPitch = 14;
constexpr int kCellLeft = 2;
constexpr int kRanks = 13;
constexpr int kSuits = 4;

void AddPile(std::vector<CounterMark>& marks, const std::string& pile, bool up) {
    for (const CardNumber card : CardsOf(pile))
        if (card > 0) marks.push_back({card, up});
}

void AddAsItLies(std::vector<CounterMark>& marks, const GameContext& ctx, const std::string& pile) {
    for (const CardNumber card : CardsOf(pile))
        if (card > 0) marks.push_back({card, ctx.deck.IsFaceUp(card)});
}

int RuleCount(const GameContext& ctx, int index, int most) {
    return std::clamp(static_cast<int>(ctx.rules[index]), 0, most);
}

}  // namespace

bool CounterOptions::AreaShown(int pileType) const {
    const bool stockArea = pileType == static_cast<int>(CounterPileType::kStock) ||
                           pileType == static_cast<int>(CounterPileType::kWaste);
    return stockArea ? StockAreaShown() : TableauAreaShown();
}

int CounterRowTop(int row) {
    return kFirstRowTop + kRowPitch * row;
}

int CounterRowOf(CardNumber card) {
    if (card < 1 || card > kCounterLastCard) return -1;
    return (card - 1) / kRanks;
}

CounterPoint CounterCellAt(CardNumber card) {
    return {RankOf(card) * kCellPitch + kCellLeft, CounterRowTop(CounterRowOf(card))};
}

int CounterRowSuit(int row) {
    return row % kSuits;
}

int CounterWindowHeight(int deckSize) {
    switch (deckSize) {
        case 208:
            return 340;
        case 156:
            return 268;
        case 104:
            return 194;
        default:
            return 121;
    }
}

bool HasWasteWithoutStock(const GameContext& ctx) {
    return ctx.rules[rule::kHasStock] == 0 && ctx.rules[rule::kHasWaste] == 1;
}

std::vector<CounterMark> CounterMarks(const GameContext& ctx, const CounterOptions& options) {
    std::vector<CounterMark> marks;
    const PileLists& piles = ctx.piles;
    if (options.StockAreaShown()) {
        AddPile(marks, piles.mazzo[kStockIndex], false);
        const std::string& waste = piles.mazzo[kWasteIndex];
        if (ctx.rules[rule::kHasStock] == 1 && ctx.rules[rule::kHasWaste] == 1) {
            AddPile(marks, waste, true);
        } else if (HasWasteWithoutStock(ctx)) {
            AddPile(marks, waste, false);
            if (!marks.empty() && TopCard(waste) > 0) marks.back().up = true;
        }
    }
    if (options.TableauAreaShown()) {
        for (int i = 0; i < RuleCount(ctx, rule::kTableauCount, kFilaPileCount); ++i)
            AddAsItLies(marks, ctx, piles.fila[static_cast<std::size_t>(i)]);
        for (int i = 0; i < RuleCount(ctx, rule::kFoundationCount, kDestPileCount); ++i)
            AddAsItLies(marks, ctx, piles.dest[static_cast<std::size_t>(i)]);
        AddAsItLies(marks, ctx, piles.mazzo[kSecondWasteIndex]);
        for (int i = 0; i < RuleCount(ctx, rule::kReserveCount, kAppoggPileCount); ++i)
            AddPile(marks, piles.appogg[static_cast<std::size_t>(i)], true);
    }
    return marks;
}

}  // namespace vis
