// The card size chosen by the player, the shadow margin, and the steps by
// which cards are fanned inside a pile.
#pragma once

#include "model/game_context.h"

namespace vis {

// Card width and height from the size letter (state field 128): "B" 71 x 96,
// "M" 59 x 80, "L" 25 x 32; any other letter keeps the size in force. The
// card pictures are reloaded for the size either way.
void ApplyCardSize(GameContext& ctx);

// 9 pixels when cards are drawn with a shadow (state field 178 "Y"), else 0.
int ShadowMargin(const StateBlock& state);
// Stores ShadowMargin in the layout.
void UpdateShadowMargin(GameContext& ctx);

// Fan steps for the size letter and the tableau and reserve fan types
// (rules 3 and 5).
void SetFanSteps(GameContext& ctx);

}  // namespace vis
