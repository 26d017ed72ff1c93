// Sending a finished thirteen-card sequence off the tableau to a sequence
// foundation without any further input from the player.
#pragma once

#include "engine/play_hooks.h"
#include "model/game_context.h"

namespace vis {

// When tableau pile `tableau` ends in a complete sequence and a sequence
// foundation is free, moves those 13 cards there one by one, as part of
// the undo step of the move that completed it. True when it did.
bool RemoveCompleteSequence(GameContext& ctx, PlayHooks& hooks, int tableau);

}  // namespace vis
