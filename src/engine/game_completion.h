// Whether the current game is won: by default every pile but the
// foundations is empty; some families have a test of their own.
#pragma once

#include "model/game_context.h"

namespace vis {

bool IsGameComplete(const GameContext& ctx);

}  // namespace vis
