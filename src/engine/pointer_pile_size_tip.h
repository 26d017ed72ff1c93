// The pile-size tip: resting the pointer on a pile shows how many cards it
// holds.
#pragma once

#include <string>

#include "model/game_context.h"

namespace vis {

// How long the pointer must rest before the tip shows.
inline constexpr int kPileSizeTipRestMs = 500;

// "1 card", "7 cards".
std::string PileSizeTipText(int cards);

// Where the tip's panel goes for a pointer at `pointer`: its left edge at
// the pointer and its top 57 pixels below the pointer less its height;
// to the left of the pointer or above it where it would cross the window's
// right or bottom edge less 57 pixels.
Point PileSizeTipPosition(Point pointer, int panelWidth, int panelHeight, int windowWidth,
                          int windowHeight);

// The once-a-second table timer: shows the tip when the option is on and
// the pointer has rested on a pile that holds cards.
void PileSizeTipTick(GameContext& ctx);

// Hides the tip.
void HidePileSizeTip(GameContext& ctx);

}  // namespace vis
