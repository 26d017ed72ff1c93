// Turning face-down tableau cards face up, one by a click or all exposed
// ones after a move.
#pragma once

#include "model/game_context.h"

namespace vis {

// Turns the face-down `card` at `slot` of tableau pile `tableau` face up,
// as one undo step.
void TurnFaceUp(GameContext& ctx, CardNumber card, int slot, int tableau);

// Turns up every face-down top card of the tableau, unless the player or
// the game leaves that to a click.
void AutoFaceUp(GameContext& ctx);

}  // namespace vis
