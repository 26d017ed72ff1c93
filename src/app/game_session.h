// The game a program runs: the shared context with the real play engine,
// the program's deal bookkeeping and the records every finished game goes to.
#pragma once

#include "engine/autoplay_hooks.h"
#include "engine/engine_hooks.h"
#include "model/game_context.h"
#include "records/end_of_game_records.h"

namespace vis {

// The engine with the recent deal numbers of the game selection kept.
class ProgramHooks : public EngineHooks {
public:
    using EngineHooks::EngineHooks;
    void RememberDealNumber(GameContext& ctx) override;
};

struct GameSession {
    explicit GameSession(UiPort& ui);
    GameSession(const GameSession&) = delete;
    GameSession& operator=(const GameSession&) = delete;

    GameContext ctx;
    AutoplayPlayHooks play;
    ProgramHooks hooks{play};
    RecordKeeper recorder;
};

}  // namespace vis
