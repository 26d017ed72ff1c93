// Autoplay: cards that a foundation accepts go home by themselves, reserve
// tops first, then the waste card, then the tableau tops, cycle after cycle
// until nothing moves. A switch of the player's, allowed per game.
#pragma once

#include "engine/play_hooks.h"
#include "model/game_context.h"

namespace vis {

// The switch is on and the game allows autoplay (the command is enabled).
bool IsAutoplayOn(const GameContext& ctx);

// The Autoplay command: turns the switch off; or turns it on and plays
// everything that may go home, filling gaps between the passes.
void ToggleAutoplay(GameContext& ctx, PlayHooks& hooks);

// Enables or disables the Autoplay command and its buttons; nothing when
// they already are so.
void SetAutoplayEnabled(GameContext& ctx, bool enabled);

// One pass of autoplay; true when a card moved. Ends the game when a move
// completed it; the end of the game stops a pass at once.
bool AutoplayPass(GameContext& ctx, PlayHooks& hooks);

}  // namespace vis
