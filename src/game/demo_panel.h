// The demo panel: the game's history rewound, then walked through position
// by position with the panel's buttons and scroll bar.
#pragma once

#include "game/new_game.h"
#include "model/game_context.h"

namespace vis {

// Where the panel stands: 0 is the first position of the history, `maximum`
// the position the demo started from.
struct DemoPanel {
    int position = 0;
    int maximum = 0;
};

// "&Demo": turns the demo on (after ConfirmAbandonGame) or off. Turning it
// on replays the game's recorded demo when there is one ("Demos\G" + four
// digits + ".GAM"), else restarts the deal; in both directions the history
// is then rewound to its start. False when the player declined.
bool ToggleDemo(GameContext& ctx, NewGameHooks& hooks, DemoPanel& panel);

// Steps from the panel's position to `target` (kept within 0 .. maximum):
// one step is an ordinary undo or redo, more are taken silently and the
// table is repainted once.
void StepDemoTo(GameContext& ctx, DemoPanel& panel, int target);

// The panel's buttons.
inline constexpr int kDemoButtonStep = 3;
void DemoFirst(GameContext& ctx, DemoPanel& panel);
void DemoLast(GameContext& ctx, DemoPanel& panel);
void DemoPrevious(GameContext& ctx, DemoPanel& panel);  // "Previous 3 moves"
void DemoNext(GameContext& ctx, DemoPanel& panel);      // "Next 3 moves"

}  // namespace vis
