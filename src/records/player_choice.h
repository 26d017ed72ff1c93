// What the Players dialog's "&Delete" and closing do to the records.
#pragma once

#include <string>
#include <vector>

#include "model/game_context.h"

namespace vis {

// The run counters (state fields 112 and 116) back to "0000": they count
// the games of one game and one player.
void ResetRunCounters(StateBlock& state);

// "&Delete": refuses the current player; otherwise asks, then clears the
// player's statistics in every game (the hi-scores and the overall score
// stay). True when the dialog may take the name off its list.
bool DeletePlayer(GameContext& ctx, const std::string& name);

// Closing the dialog: the list when it was changed, then the chosen player
// into state field 77 and `UserDefault`, and the caption.
void SavePlayers(GameContext& ctx, const std::vector<std::string>& players, bool listChanged,
                 const std::string& chosen);

}  // namespace vis
