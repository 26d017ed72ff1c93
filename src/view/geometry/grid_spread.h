// The grid spreads of tableau fan types 8 and 9, where every card has its
// own place: painting, hit-testing and the drop candidates share them.
#pragma once

#include <string_view>

#include "model/game_context.h"
#include "model/table_layout.h"

namespace vis {

bool IsGridFan(int fanType);

// Cells per row of fan type 8: rule 42, or as many card places as fit
// across the screen when it is -1. Never below 1.
int CellsPerRow(const GameContext& ctx);

// The cell a slot of a fan type 8 pile falls into: the number of "000"
// separators before it.
int CellOfSlot(std::string_view pileText, int slot);

// Where a cell lies: rows of `cellsPerRow`, every second row running from
// right to left. `origin` is the pile's origin, already scrolled.
Point GridCellPosition(const TableLayout& layout, Point origin, int cellsPerRow, int cell);

// Top-left corner of slot `slot` (0-based from the bottom) of a tableau
// pile with a grid fan, scrolled; the pile's origin for any other fan.
Point GridSlotPosition(const GameContext& ctx, int pileIndex, std::string_view pileText, int slot);

// The area a fan type 9 pile covers: its row of cards, at least one card.
Rect CardRowExtent(const TableLayout& layout, Point origin, int cardCount);

}  // namespace vis
