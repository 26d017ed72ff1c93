// Runs of tableau cards moved together: whether they are built in sequence,
// and whether the game lets that many cards move as one.
#pragma once

#include "model/cards.h"
#include "model/game_context.h"

namespace vis {

// The cards from `card` to the top of its pile follow one another by the
// building rules of tableau pile `index` (rule 2: 1 by its building code,
// 10 by suit; any other value checks nothing).
bool RunFollowsRules(const GameContext& ctx, CardNumber card, int index);

// The run from `card` to the top of its pile is within the game's limit on
// cards moved as one (rule 11). Free cells and empty tableau piles add to
// the limit, they do not multiply it. Records the run's top card as the
// lifted run top.
bool RunWithinLimit(GameContext& ctx, CardNumber card, bool toEmptyTableau);

}  // namespace vis
