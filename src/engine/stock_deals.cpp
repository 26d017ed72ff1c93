#include "engine/stock_deals.h"

#include <vector>

#include "engine/card_location.h"
#include "engine/move_log.h"
#include "engine/stock.h"
#include "engine/table_queries.h"
#include "model/families.h"
#include "model/rule_index.h"
#include "model/text.h"

namespace vis {

namespace {

constexpr std::string_view kOneTableauPrefix = "Add_Tableau_";
constexpr std::string_view kOneReservePrefix = "Add_Reserve_";

constexpr PileRef kStock{PileList::Mazzo, kStockIndex};

// Deal codes: 1-8 take a card, 7 not while the pile is empty; a tableau
// pile of code 6 and a reserve of code 5 take it face down.
constexpr int kCellLayoutFan = 8;

struct DealSlot {
    PileRef pile;
    int code;
};

// The pile number after a prefix: exactly `digits` digits within 1..count.
std::optional<int> PileNumberAfter(std::string_view name, std::string_view prefix,
                                   std::size_t digits, int count) {
    if (!StartsWith(name, prefix)) return std::nullopt;
    const std::string_view number = name.substr(prefix.size());
    if (number.size() != digits) return std::nullopt;
    for (char c : number)
        if (c < '0' || c > '9') return std::nullopt;
    const int value = ParseIntOr(number, 0);
    if (value < 1 || value > count) return std::nullopt;
    return value - 1;
}

std::vector<DealSlot> PlanDeal(const GameContext& ctx, const PileDeal& deal) {
    std::vector<DealSlot> plan;
    auto tableau = [](int i) { return PileRef{PileList::Fila, i}; };
    auto reserve = [](int i) { return PileRef{PileList::Appogg, i}; };
    switch (deal.kind) {
        case PileDealKind::kTableaus:
            for (int i = 0; i < UsedTableauPiles(ctx); ++i)
                plan.push_back({tableau(i), ctx.rules[rule::kTableauStockDeal + i]});
            break;
        case PileDealKind::kTableausLast:
            for (int i = 0; i < UsedTableauPiles(ctx); ++i) plan.push_back({tableau(i), 1});
            break;
        case PileDealKind::kFillTableaus:
            for (int i = 0; i < UsedTableauPiles(ctx); ++i)
                plan.push_back(
                    {tableau(i), ctx.piles.fila[static_cast<std::size_t>(i)].empty() ? 1 : 0});
            break;
        case PileDealKind::kOneTableau:
            plan.push_back({tableau(deal.pile), 1});
            break;
        case PileDealKind::kReserves: {
            // With face-down reserve deals the reserves stop once the last
            // pass is reached; unlimited passes have no last one.
            if (ctx.rules[rule::kReserveStockDeal] == stock_deal::kReserveFaceDown &&
                !PassesRemain(ctx))
                break;
            for (int i = 0; i < UsedReserves(ctx); ++i)
                plan.push_back({reserve(i), ctx.rules[rule::kReserveStockDeal + i]});
            break;
        }
        case PileDealKind::kOneReserve:
            plan.push_back({reserve(deal.pile), ctx.rules[rule::kReserveStockDeal + deal.pile]});
            break;
    }
    return plan;
}

bool TakesCard(const GameContext& ctx, const DealSlot& slot) {
    if (slot.code < stock_deal::kFirstTaking || slot.code > stock_deal::kLastTaking) return false;
    return slot.code != stock_deal::kSkipWhileEmpty || !ctx.piles.Pile(slot.pile).empty();
}

bool DealsFaceDown(const DealSlot& slot) {
    return (slot.pile.list == PileList::Fila && slot.code == stock_deal::kTableauFaceDown) ||
           (slot.pile.list == PileList::Appogg && slot.code == stock_deal::kReserveFaceDown);
}

void DealOneCard(GameContext& ctx, const DealSlot& slot) {
    std::string& stock = ctx.piles.Pile(kStock);
    const CardNumber card = TopCard(stock);
    const int from = CardCount(stock) - 1;
    stock.resize(stock.size() - 3);
    // In the cell layout every dealt card opens a cell of its own.
    if (ctx.rules[rule::kTableauFan] == kCellLayoutFan)
        AppendCard(ctx.piles, ctx.deck, {PileList::Fila, 0}, 0);
    AppendCard(ctx.piles, ctx.deck, slot.pile, card, DealsFaceDown(slot) ? kFaceDown : kFaceUp);
    ctx.ui.RepaintStockSpot();
    ctx.ui.SlideCard(card, kStock, from, slot.pile, CardCount(ctx.piles.Pile(slot.pile)) - 1);
    ctx.ui.RefreshCardCounter();
}

}  // namespace

std::optional<PileDeal> ParsePileDeal(std::string_view name) {
    if (name == "Add_Tableaus") return PileDeal{PileDealKind::kTableaus};
    if (name == "Add_Tableaus_Last") return PileDeal{PileDealKind::kTableausLast};
    if (name == "Add_Reserves") return PileDeal{PileDealKind::kReserves};
    if (name == "Fill_Tableaus") return PileDeal{PileDealKind::kFillTableaus};
    if (const auto pile = PileNumberAfter(name, kOneTableauPrefix, 2, kFilaPileCount))
        return PileDeal{PileDealKind::kOneTableau, *pile};
    if (const auto pile = PileNumberAfter(name, kOneReservePrefix, 1, kAppoggPileCount))
        return PileDeal{PileDealKind::kOneReserve, *pile};
    return std::nullopt;
}

std::string PileDealText(const PileDeal& deal) {
    switch (deal.kind) {
        case PileDealKind::kTableaus:
            return "Add_Tableaus";
        case PileDealKind::kTableausLast:
            return "Add_Tableaus_Last";
        case PileDealKind::kReserves:
            return "Add_Reserves";
        case PileDealKind::kFillTableaus:
            return "Fill_Tableaus";
        case PileDealKind::kOneTableau:
            return std::string(kOneTableauPrefix) + ZeroPad(deal.pile + 1, 2);
        case PileDealKind::kOneReserve:
            return std::string(kOneReservePrefix) + std::to_string(deal.pile + 1);
    }
    return {};
}

bool DealOntoPiles(GameContext& ctx, const PileDeal& deal) {
    if (ctx.piles.mazzo[kStockIndex].empty()) return false;
    const std::vector<DealSlot> plan = PlanDeal(ctx, deal);
    bool anyTaker = false;
    for (const DealSlot& slot : plan) anyTaker = anyTaker || TakesCard(ctx, slot);
    // Nothing to deal records no undo step.
    if (!anyTaker) return false;

    if (deal.kind != PileDealKind::kFillTableaus) PushSnapshot(ctx, HistoryDirection::kUndo);
    bool dealt = false;
    for (const DealSlot& slot : plan) {
        if (ctx.piles.mazzo[kStockIndex].empty()) break;
        if (!TakesCard(ctx, slot)) continue;
        DealOneCard(ctx, slot);
        dealt = true;
    }
    return dealt;
}

}  // namespace vis
