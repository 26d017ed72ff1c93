// Moves the program makes by itself for the player: a double click or a
// right click sending a card to a foundation or a tableau pile, the
// click-to-move games, and autoplay's foundation moves.
#pragma once

#include <string_view>

#include "engine/play_hooks.h"
#include "model/game_context.h"

namespace vis {

// Whether a card on tableau pile `tableau` may leave it in a grid layout
// (rules 24 and 25): every grid pile below it in its column is empty. Piles
// outside the grid are always free.
bool GridPileFree(const GameContext& ctx, int tableau);

// The shared automatic move of a double click, a right click and the
// click-to-move games: `card` lies on pile `key` at `cardRect`. Judges
// whether the card may leave its pile (alone or with the run above it),
// arms the swallow flag for a double click, tries the targets the player's
// preferences allow, and ends the game when that move completed it.
void AutoMoveCard(GameContext& ctx, PlayHooks& hooks, bool doubleClick, bool rightClick,
                  CardNumber card, std::string_view key, const Rect& cardRect);

// Tries the targets in their fixed order (foundations, non-empty and then
// empty tableau piles, reserves, the waste) and performs the first legal
// move; true when one happened. With `autoplay` the foundations are skipped
// while all of them wait for the player to choose their base rank, and no
// reserve is tried.
bool FindAndMoveToTarget(GameContext& ctx, PlayHooks& hooks, CardNumber card, const Rect& cardRect,
                         bool singleCard, bool autoplay, bool toTableau, bool toFoundations);

}  // namespace vis
