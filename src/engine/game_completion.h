// Whether the current game is won: by default every pile but the
// foundations is empty; some families have a test of their own.
#pragma once

#include "model/game_context.h"

namespace vis {

bool IsGameComplete(const GameContext& ctx);

// Whether an unfinished game has come to a stop that its rules call the
// end: in the discard games (Golf) the stock is spent and no top card is
// one rank from the discard pile's top. Other games leave the player to
// undo or give up.
bool IsDiscardGameOver(const GameContext& ctx);

}  // namespace vis
