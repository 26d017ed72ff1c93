// Where every pile of the current game lies in a window: computed from the
// five layout codes of the rules, the card size and the window size.
#pragma once

#include "model/game_context.h"
#include "model/table_layout.h"
#include "view/geometry/table_window.h"

namespace vis {

enum class LayoutOutcome {
    kPlaced,
    // The tableau names a whole-table layout that this program does not
    // draw: every pile stays off the table.
    kSpecialLayoutMissing,
};

// Tableau arrangements 051-147 except 102 place the whole table themselves.
bool IsSpecialLayout(int tableauArrangement);
// Whether ComputeLayout can place a game with this tableau arrangement as a
// whole-table layout (051, 052, 053).
bool IsBuiltSpecialLayout(int tableauArrangement);

// Fills the pile origins of ctx.game.layout for the window. Card size, fan
// steps and shadow margin must be set first. The scroll offset ends at the
// window's scroll position.
LayoutOutcome ComputeLayout(GameContext& ctx, const TableWindow& window, ScreenSize screen);

}  // namespace vis
