// The end of a game: stop the clock, hand the result to the records, and on
// a win the winning sound, animation and dialog.
#pragma once

#include "model/game_context.h"

namespace vis {

// Ends the game in progress (does nothing otherwise) and returns whether it
// was won. With a winning score set, the score alone decides.
bool EndGame(GameContext& ctx);

}  // namespace vis
