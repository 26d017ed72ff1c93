// The winning animation on the table of the main window: cards painted over
// the table and into `BackBitmap` until the time is over or the player
// presses a key or a button, which does nothing else meanwhile.
#pragma once

#include <string_view>

#include "model/game_context.h"
#include "view/winning/winning_patterns.h"

class QWidget;

namespace vis {

class TablePainter;

// Where the cards may go on `table`: `top` is the bottom of the toolbar in
// table coordinates.
WinningArea WinningAreaOf(const GameContext& ctx, const QWidget& table, int top);

// The circle outline of the Circles style, found on a drawn circle.
CircleOffsets DrawnCircleOffsets();

// Plays `styleName` ("(Random)" picks one of the six; "(None)" or an unknown
// name shows nothing) for `seconds`. The animation flag is held while it
// runs; a close asked for meanwhile stops it and stays asked for in
// `closeAfterAnimation`, for the caller to honour.
void PlayWinningAnimation(GameContext& ctx, TablePainter& painter, QWidget& table,
                          const WinningArea& area, std::string_view styleName, int seconds);

// The style and duration the preferences choose.
std::string ConfiguredWinningStyle(const GameContext& ctx);
int ConfiguredWinningSeconds(const GameContext& ctx);

}  // namespace vis
