// Redraws one pile after a move changed its text: the part of the table the
// moved cards uncovered goes back to the background, the pile's new end is
// painted, and neighbours reaching into the uncovered part are repainted.
#pragma once

#include <string_view>

#include "view/paint/paint_scene.h"

namespace vis {

// The uncovered strip of a fanned pile reaches this far beyond the card on
// each side, covering the sideways offsets of irregular piles.
inline constexpr int kUncoverMargin = 2;

void RepaintPile(PaintScene& scene, PileRef pile, std::string_view oldText,
                 std::string_view newText);

// The rectangle (on the off-screen table) a pile's cards cover as it
// stands; empty for a pile off the table.
QRect PileExtent(const PaintScene& scene, PileRef pile);

}  // namespace vis
