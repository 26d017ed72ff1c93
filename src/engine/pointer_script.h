// Whole pointer gestures for scripted play (the command-line driver, the
// scenario tests): each is made of the same pointer events the window
// sends, so a script goes through exactly the code a mouse does.
#pragma once

#include <optional>
#include <string_view>

#include "engine/play_hooks.h"
#include "engine/pointer_drop.h"
#include "model/game_context.h"

namespace vis {

// A point on the visible part of `card` where a press picks it; none when
// the card is not on a pile of the table.
std::optional<Point> PointOnCard(const GameContext& ctx, CardNumber card);

// The drop target a pile key names ("Fila3", "Dest1", "Appogg2",
// "Mazzo_Vis"); none for any other key.
std::optional<DropCandidate> DropCandidateFor(std::string_view key);

// A left press on `card`; false when the card is not on a pile of the table.
// What the press does (lift, turn up, deal) is the game's.
bool PressOnCard(GameContext& ctx, PlayHooks& hooks, CardNumber card);

// Drags the lifted block until it lies on the place of `target` and
// releases it there.
void DropLiftedBlockOn(GameContext& ctx, PlayHooks& hooks, const DropCandidate& target);

// A left press on the stock spot, and the release that follows it. False
// when the stock is not on the table.
bool PressOnStock(GameContext& ctx, PlayHooks& hooks);
void ReleaseOnStock(GameContext& ctx, PlayHooks& hooks);

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
