// Automatic filling of empty tableau piles (and in one game of empty
// reserves) from a reserve, the waste or the stock, by the game's
// gap-filling rule. Each fill is taken back with the move that emptied the
// pile.
#pragma once

#include "engine/play_hooks.h"
#include "model/game_context.h"

namespace vis {

// Fills the empty piles the rule names; true when an empty pile to fill was
// found.
bool FillGaps(GameContext& ctx, PlayHooks& hooks);

}  // namespace vis
