// How much undo history a script keeps. The program keeps every step of a
// game played by hand; a script of millions of stock presses would keep
// gigabytes of positions nobody can undo back to.
#pragma once

#include <cstddef>

#include "model/move_history.h"

namespace vis::cli {

// A script can undo this many steps back, at least.
inline constexpr std::size_t kScriptUndoSteps = 10000;

// Once the side holds twice `steps` steps, drops the oldest snapshots down
// to `steps` (in batches, so the cost stays small per command). The log is
// kept whole: the rules of some games count its events from the first move
// on, and its entries for the newest steps stay paired with their
// snapshots, since undo takes the newest of both.
void KeepRecentHistory(HistorySide& side, std::size_t steps);

}  // namespace vis::cli
