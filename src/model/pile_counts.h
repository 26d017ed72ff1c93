// How many tableau piles and foundations the game in play uses: the deal,
// the rules and the layout all count them the same way.
#pragma once

#include "model/game_context.h"

namespace vis {

// The number of tableau piles the game uses (rule 300, kept within 0-28).
int UsedTableauPiles(const GameContext& ctx);
int UsedFoundations(const GameContext& ctx);

}  // namespace vis
