// Moves between the cells of a tableau laid out as a grid of a given width
// (rule 27): to a neighbouring cell, or jumping over one cell.
#pragma once

#include "model/cards.h"
#include "model/game_context.h"

namespace vis {

// `from` and `to` are tableau indices of neighbouring cells: side by side in
// one row, or one above the other.
bool AreGridNeighbours(int from, int to, int gridWidth);

// The cell jumped over when `card` moves into cell `to`: it lies two cells
// away in the same row, or two rows above or below, and the cell between
// holds a card. -1 when the card makes no such jump.
int JumpedCell(const GameContext& ctx, CardNumber card, int to);

}  // namespace vis
