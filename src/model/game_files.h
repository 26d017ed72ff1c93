// The files that could bring the game on the table back: its bookmark and
// the held-game file it was resumed from. Once the game is over both go.
#pragma once

#include "model/game_context.h"

namespace vis {

// Deletes the bookmark file of the game and disables both bookmark commands.
void DiscardBookmark(GameContext& ctx);

// The game that came from a held-game file has been recorded, or is no
// longer on the table: its file goes.
void ReleaseResumedHeldGame(GameContext& ctx);

}  // namespace vis
