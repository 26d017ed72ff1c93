// Starting and deleting a customized game: the game in play gives way first.
#pragma once

#include <string>

#include "game/new_game.h"

namespace vis {

// Offers to start the new game now when an unwon game is in progress (and
// starts it without asking otherwise). True when it was started.
bool StartCustomGame(GameContext& ctx, NewGameHooks& hooks, int number, const std::string& name);

// Deletes a customized game after asking, with its favourite entry, its
// statistics and its hi-scores; a game in play is ended first and the table
// left empty. True when it was deleted.
bool DeleteCustomGame(GameContext& ctx, NewGameHooks& hooks, int game, bool fromSelection,
                      const std::string& name);

}  // namespace vis
