#include "engine/card_removal.h"

#include <array>

#include "model/families.h"
#include "model/rule_index.h"

namespace vis {

namespace {

constexpr int kSideBySideFan = 4;

struct SearchStep {
    PileList list;
    int first;
    int count;
    OriginKind kind;
};

// The order in which a card's pile is looked for.
constexpr std::array<SearchStep, 6> kSearchOrder = {{
    {PileList::Mazzo, kWasteIndex, 1, OriginKind::kWaste},
    {PileList::Fila, 0, kFilaPileCount, OriginKind::kTableau},
    {PileList::Dest, 0, kDestPileCount, OriginKind::kFoundation},
    {PileList::Mazzo, kStockIndex, 1, OriginKind::kStock},
    {PileList::Mazzo, kSecondWasteIndex, 1, OriginKind::kSecondWaste},
    {PileList::Appogg, 0, kAppoggPileCount, OriginKind::kReserve},
}};

}  // namespace

CardOrigin FindOrigin(const PileLists& piles, CardNumber card) {
    if (card <= 0 || card > kLastCard) return {};
    for (const SearchStep& step : kSearchOrder) {
        for (int i = step.first; i < step.first + step.count; ++i) {
            const PileRef pile{step.list, i};
            const int slot = FindCard(piles.Pile(pile), card);
            if (slot >= 0) return {step.kind, pile, slot};
        }
    }
    return {};
}

bool KeepsGaps(const GameContext& ctx, PileRef pile) {
    if (pile.list != PileList::Fila) return false;
    return ctx.rules[rule::kTableauFan] == kSideBySideFan ||
           TraitsOf(ctx.rules[rule::kFamily]).turnsCardsInPairs;
}

std::vector<CardNumber> TakeOutCards(GameContext& ctx, const CardOrigin& origin, bool run) {
    std::vector<CardNumber> taken;
    if (origin.kind == OriginKind::kNone) return taken;
    std::string& pile = ctx.piles.Pile(origin.pile);
    const int last = run ? CardCount(pile) - 1 : origin.slot;
    for (int slot = origin.slot; slot <= last; ++slot) taken.push_back(CardAt(pile, slot));

    const auto from = static_cast<std::size_t>(origin.slot) * 3;
    const auto length = taken.size() * 3;
    if (KeepsGaps(ctx, origin.pile))
        pile.replace(from, length, std::string(length, '0'));
    else
        pile.erase(from, length);
    return taken;
}

}  // namespace vis
