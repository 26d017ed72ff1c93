// The first position of the deal in play, which a restart puts back.
#pragma once

#include "model/move_history.h"
#include "model/position_snapshot.h"

namespace vis {

// The oldest snapshot of the undo side: the position the deal started from
// (empty lines where the side holds none).
PositionSnapshot FirstSnapshot(const HistorySide& undo);

}  // namespace vis
