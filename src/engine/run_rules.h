// Runs of tableau cards moved together: whether they are built in sequence,
// and whether the game lets that many cards move as one.
#pragma once

#include "model/cards.h"
#include "model/game_context.h"

namespace vis {

// The cards from `card` to the top of its pile follow one another by the
// building rules of tableau pile `index` (rule 2: 1 by its building code,
// 10 by suit; any other value checks nothing). `run`: the cards are lifted
// as a run rather than as a single card.
bool RunFollowsRules(const GameContext& ctx, CardNumber card, int index, bool run);

// The run from `card` to the top of its pile is within the game's limit on
// cards moved as one (rule 11). Free cells and empty tableau piles add to
// the limit, they do not multiply it.
bool RunWithinLimit(const GameContext& ctx, CardNumber card, bool toEmptyTableau);

// The top card of the pile that holds `card`: the top of the run lifted
// from it; 0 when the card is on no pile.
CardNumber RunTop(const GameContext& ctx, CardNumber card);

}  // namespace vis
