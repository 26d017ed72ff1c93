// What the Players dialog's "&Delete", "Select" and closing do to the
// records and to the game in play.
#pragma once

#include <string>
#include <vector>

#include "model/game_context.h"
#include "model/new_game.h"

namespace vis {

// The run counters (state fields 112 and 116) back to "0000": they count
// the games of one game and one player.
void ResetRunCounters(StateBlock& state);

// "&Delete": refuses the current player; otherwise asks, then clears the
// player's statistics in every game (the hi-scores and the overall score
// stay). True when the dialog may take the name off its list.
bool DeletePlayer(GameContext& ctx, const std::string& name);

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

// Closing the dialog: the list when it was changed, then the chosen player
// into state field 77 and `UserDefault`, and the caption.
void SavePlayers(GameContext& ctx, const std::vector<std::string>& players, bool listChanged,
                 const std::string& chosen);

}  // namespace vis
