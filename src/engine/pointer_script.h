// Whole pointer gestures for scripted play (the command-line driver, the
// scenario tests): each is made of the same pointer events the window
// sends, so a script goes through exactly the code a mouse does.
#pragma once

#include <optional>
#include <string_view>

#include "engine/play_hooks.h"
#include "model/game_context.h"

namespace vis {

// A point on the visible part of `card` where a press picks it; none when
// the card is not on a pile of the table.
std::optional<Point> PointOnCard(const GameContext& ctx, CardNumber card);

// Presses on `card`, drags the block until it lies on the place of pile
// `key` ("Fila3", "Dest1", "Appogg2", "Mazzo_Vis") and releases. False when
// the card cannot be pressed or the pile is not on the table; otherwise
// true, whether or not the pile took the card.
bool DragCardToPile(GameContext& ctx, PlayHooks& hooks, CardNumber card, std::string_view key);

// A double click on `card`: press, release, double click, press, release.
bool DoubleClickCard(GameContext& ctx, PlayHooks& hooks, CardNumber card);

// A left click on the stock spot. False when the stock is not on the table.
bool ClickStock(GameContext& ctx, PlayHooks& hooks);

}  // namespace vis
