// The Players dialog's "Select": another player takes the table.
#pragma once

#include <string>

#include "game/new_game.h"

namespace vis {

enum class PlayerSelection {
    kDeclined,   // nothing selected, or the player would not leave the game
    kUnchanged,  // the player at opening was selected again
    kChanged,    // the game was ended, the table cleared: open the game selection
};

// "Select": a different player ends the running game (recorded under the
// player at opening), starts the run counters afresh and becomes the
// current player; the table is left without a game.
PlayerSelection SelectPlayer(GameContext& ctx, NewGameHooks& hooks, const std::string& selected,
                             const std::string& playerAtOpening);

}  // namespace vis
