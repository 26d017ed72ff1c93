#include "model/deal_cards_list.h"

#include <algorithm>

#include "model/game_context.h"
#include "model/pile_counts.h"
#include "model/rule_index.h"

namespace vis {

CardNumber DealList::At(int index) const {
    if (index < 0 || index >= Size()) return 0;
    return cards_[static_cast<std::size_t>(index)];
}

CardNumber DealList::FindFirst(const std::function<bool(CardNumber)>& accepts) const {
    const auto it = std::find_if(cards_.begin(), cards_.end(), accepts);
    return it == cards_.end() ? 0 : *it;
}

bool DealList::Take(CardNumber card) {
    const auto it = std::find(cards_.begin(), cards_.end(), card);
    if (it == cards_.end()) return false;
    cards_.erase(it);
    return true;
}

CardNumber DealList::TakeFirst() {
    if (cards_.empty()) return 0;
    const CardNumber card = cards_.front();
    cards_.erase(cards_.begin());
    return card;
}

void DealList::DropIf(const std::function<bool(CardNumber)>& drops) {
    std::erase_if(cards_, drops);
}

int DealFaceDown(GameContext& ctx, DealList& list, PileRef pile, int count) {
    const int dealt = std::clamp(count, 0, list.Size());
    for (int i = 0; i < dealt; ++i)
        AppendCard(ctx.piles, ctx.deck, pile, list.TakeFirst(), kFaceDown);
    return dealt;
}

void DealFaceUp(GameContext& ctx, DealList& list, PileRef pile, int count) {
    const int dealt = DealFaceDown(ctx, list, pile, count);
    if (dealt > 0) TurnCards(ctx.deck, ctx.piles.Pile(pile), dealt, kFaceUp);
}

CardNumber RemoveCardAt(std::string& pile, int position) {
    const CardNumber card = CardAt(pile, position);
    if (position >= 0 && position < CardCount(pile))
        pile.erase(static_cast<std::size_t>(position) * 3, 3);
    return card;
}

int HighestTableauPile(const GameContext& ctx) {
    int highest = 0;
    for (int i = 0; i < UsedTableauPiles(ctx); ++i)
        highest = std::max(highest, CardCount(ctx.piles.fila[static_cast<std::size_t>(i)]));
    return highest;
}

}  // namespace vis
