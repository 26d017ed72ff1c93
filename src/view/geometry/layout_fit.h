// Whether the piles a game uses all stand inside a window: a check for game
// definitions, so that a layout that leaves a pile off the table or outside
// the window is found before a player meets it.
#pragma once

#include <string>
#include <vector>

#include "model/game_context.h"
#include "view/geometry/table_window.h"

namespace vis {

// The piles the rules put on the table: the stock group entries (stock,
// waste, extra pile) by rules 298, 7 and 302, and the foundations, tableau
// piles and reserves by their counts.
std::vector<PileRef> PilesInUse(const GameRules& rules);

// Keys of the piles in use whose first card place is off the table or not
// wholly inside the window, after ComputeLayout for that window.
std::vector<std::string> PilesOutsideWindow(const GameContext& ctx, const TableWindow& window);

// Pairs of piles in use, on the table, whose first card places cover each
// other, as "Fila1/Dest2".
std::vector<std::string> OverlappingPiles(const GameContext& ctx);

}  // namespace vis
