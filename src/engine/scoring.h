// The running score: the standard count of cards played home, or the
// family's own formula; and the one lost position the engine detects.
#pragma once

#include "model/game_context.h"

namespace vis {

// The score of the position as it stands (family 9 has its own count and
// gives 0 here).
int ComputeScore(const GameContext& ctx);
// Recomputes, stores and shows the score; in family 40 a hopeless position
// ends the game as lost.
void UpdateScore(GameContext& ctx);
// Five points a card dealt onto the foundations.
void AddDealScore(GameContext& ctx, int cards);

// Cards in the discard pile ("Mazzo_Waste").
int DiscardCount(const GameContext& ctx);

}  // namespace vis
