// The deal numbers the player dealt last, newest first, kept in the
// configuration file for the game number dialog.
#pragma once

namespace vis {

struct GameContext;

// Puts the current deal number at the head of the recent numbers.
void RememberDealNumber(GameContext& ctx);

}  // namespace vis
