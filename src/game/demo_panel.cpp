#include "game/demo_panel.h"

#include <algorithm>
#include <cstdlib>

#include "engine/move_log.h"
#include "game/open_game.h"
#include "store/durable_file.h"

namespace vis {

namespace {

void ShowPosition(GameContext& ctx, const DemoPanel& panel) {
    ctx.ui.ShowDemoPosition(panel.position, panel.maximum);
}

// Undoes silently back to the first position; the number of steps taken.
int Rewind(GameContext& ctx) {
    int steps = 0;
    while (!ctx.history.undo.stock.empty()) {
        const std::size_t before = ctx.history.undo.stock.size();
        StepHistory(ctx, HistoryDirection::kUndo, true);
        // A step that took nothing off would never end.
        if (ctx.history.undo.stock.size() >= before) break;
        ++steps;
    }
    return steps;
}

void StartDemoGame(GameContext& ctx, NewGameHooks& hooks) {
    const int game = ctx.state.GetInt(field::kGameNumber, -1);
    const auto demoFile = DemoGamePath(ctx.state, game);
    if (game >= 0 && FileExists(demoFile) && OpenDemoGame(ctx, hooks, demoFile)) return;
    OpenGame(ctx, hooks, OpenMode::kDemoRestart);
}

}  // namespace

bool ToggleDemo(GameContext& ctx, NewGameHooks& hooks, DemoPanel& panel) {
    const bool wasOn = ctx.flags[Flag::kDemoMode];
    if (!wasOn && !ConfirmAbandonGame(ctx)) return false;
    ctx.flags[Flag::kGameInProgress] = false;
    ctx.flags[Flag::kGameWon] = false;
    ctx.flags[Flag::kDemoMode] = !wasOn;
    ctx.ui.ShowDemoPanel(!wasOn);
    ctx.ui.RepaintMainWindow();
    if (!wasOn) StartDemoGame(ctx, hooks);
    panel.maximum = Rewind(ctx);
    panel.position = 0;
    ctx.ui.RepaintTable();
    ShowPosition(ctx, panel);
    return true;
}

void StepDemoTo(GameContext& ctx, DemoPanel& panel, int target) {
    target = std::clamp(target, 0, panel.maximum);
    const int distance = std::abs(target - panel.position);
    if (distance == 0) return;
    const HistoryDirection direction =
        target < panel.position ? HistoryDirection::kUndo : HistoryDirection::kRedo;
    const bool silent = distance > 1;
    const int sign = direction == HistoryDirection::kUndo ? -1 : 1;
    // A refused step (undo turned off, say) leaves the panel where the table is.
    for (int i = 0; i < distance && StepHistory(ctx, direction, silent); ++i)
        panel.position += sign;
    if (silent) ctx.ui.RepaintTable();
    ShowPosition(ctx, panel);
}

void DemoFirst(GameContext& ctx, DemoPanel& panel) {
    StepDemoTo(ctx, panel, 0);
}

void DemoLast(GameContext& ctx, DemoPanel& panel) {
    StepDemoTo(ctx, panel, panel.maximum);
}

void DemoPrevious(GameContext& ctx, DemoPanel& panel) {
    StepDemoTo(ctx, panel, panel.position - kDemoButtonStep);
}

void DemoNext(GameContext& ctx, DemoPanel& panel) {
    StepDemoTo(ctx, panel, panel.position + kDemoButtonStep);
}

}  // namespace vis
