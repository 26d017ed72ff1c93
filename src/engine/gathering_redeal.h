// The redeals that gather the tableau (in some games the reserves too) and
// lay it out again, by the game's redeal type.
#pragma once

#include <vector>

#include "model/game_context.h"

namespace vis {

// The pile the gathered cards go to: the stock, or the waste.
PileRef GatheringPile(const GameContext& ctx);

// The order in which gathered cards are dealt again. It uses no random
// numbers, so that a game and its deal number always play out the same.
std::vector<CardNumber> ReorderGathered(std::vector<CardNumber> gathered);

// Gathers and redeals by the game's redeal type. The caller records the
// undo step and counts the pass.
void GatheringRedeal(GameContext& ctx);

}  // namespace vis
