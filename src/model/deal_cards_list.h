// The shuffled list while it is dealt, and the small pile operations the
// steps of a deal share.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "model/cards.h"
#include "model/game_rules.h"
#include "model/piles.h"

namespace vis {

struct GameContext;

// The cards not dealt yet, the next card to deal first. A card taken out
// of the list is gone from it; what is left after the deal is out of play.
class DealList {
public:
    explicit DealList(std::vector<CardNumber> cards) : cards_(std::move(cards)) {}

    bool IsEmpty() const { return cards_.empty(); }
    int Size() const { return static_cast<int>(cards_.size()); }
    // 0 past either end.
    CardNumber At(int index) const;
    CardNumber First() const { return At(0); }
    CardNumber Last() const { return At(Size() - 1); }
    const std::vector<CardNumber>& Cards() const { return cards_; }

    // The first card `accepts` takes, 0 when there is none.
    CardNumber FindFirst(const std::function<bool(CardNumber)>& accepts) const;
    // Takes the card out of the list; false when the list does not hold it.
    bool Take(CardNumber card);
    // Takes the first card out; 0 when the list is empty.
    CardNumber TakeFirst();
    void DropIf(const std::function<bool(CardNumber)>& drops);

private:
    std::vector<CardNumber> cards_;
};

// Moves the first `count` cards of the list, in list order, face down onto
// the pile. A count beyond the list deals what is left; returns how many
// cards were dealt.
int DealFaceDown(GameContext& ctx, DealList& list, PileRef pile, int count);
// Deals `count` cards and turns those same cards face up.
void DealFaceUp(GameContext& ctx, DealList& list, PileRef pile, int count);

// Takes the card at the 0-based position out of the pile text.
CardNumber RemoveCardAt(std::string& pile, int position);

// The height of the highest of the game's tableau piles, in cards.
int HighestTableauPile(const GameContext& ctx);

}  // namespace vis
