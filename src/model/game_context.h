// Everything one running game shares: created at start-up and passed by
// reference, so a test can build as many independent games as it needs.
#pragma once

#include "model/cards.h"
#include "model/game_recorder.h"
#include "model/game_rules.h"
#include "model/main_game.h"
#include "model/move_history.h"
#include "model/piles.h"
#include "model/state_block.h"
#include "model/state_flags.h"
#include "model/ui_port.h"

namespace vis {

struct GameContext {
    explicit GameContext(UiPort& port) : ui(port) {}
    GameContext(const GameContext&) = delete;
    GameContext& operator=(const GameContext&) = delete;

    UiPort& ui;
    StateBlock state;
    DeckTable deck;
    PileLists piles;
    GameRules rules;
    MainGame game;
    StateFlags flags;
    MoveHistory history;
    // Receives the result of every finished game; none in most tests.
    GameRecorder* recorder = nullptr;
};

}  // namespace vis
