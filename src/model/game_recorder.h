// Where a finished game's result goes: the game log, the statistics and the
// hi-scores. The records layer implements it; without one nothing is kept.
#pragma once

#include "model/ui_port.h"

namespace vis {

struct GameContext;

class GameRecorder {
public:
    virtual ~GameRecorder() = default;
    // Called once for every game that was in progress when it ended.
    virtual void RecordFinishedGame(GameContext& ctx, bool won, int elapsedSeconds,
                                    const ClockReading& end) = 0;
};

}  // namespace vis
