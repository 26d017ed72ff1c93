// The special arrangements of rule 33: decks cut down before the deal, and
// the final rearrangement of the dealt table.
#pragma once

#include "model/deal_cards_list.h"

namespace vis {

struct GameContext;
class DealEngine;

// Arrangements 9, 11, 12 and 14 play with part of the deck only: the cards
// they leave out are dropped from the list before anything is dealt.
void ReduceDeck(const GameRules& rules, DealList& list);

// The last step of a deal for arrangements 1-10, 13 and 15. Cards the
// arrangement has no place for stay in the list, out of play.
void ApplyFinalArrangement(GameContext& ctx, DealEngine& engine, DealList& list);

}  // namespace vis
