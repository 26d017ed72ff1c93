// One whole game of Klondike played by random legal commands through the
// player's command layer, as the random-play tests and the headless player
// drive it: every press, drag and release, the move executor, the history
// and the follow-ups, with a headless port. Play ends when no command is
// left, the game is over or the step limit is reached.
#include <benchmark/benchmark.h>

#include <random>
#include <string>

#include "engine/autoplay.h"
#include "engine/autoplay_hooks.h"
#include "engine/engine_hooks.h"
#include "engine/play_commands.h"
#include "game/new_game.h"
#include "model/catalog.h"
#include "model/headless_ui.h"
#include "model/program_paths.h"

namespace {

using namespace vis;

constexpr int kKlondike = 2;
constexpr int kMostSteps = 1000;

// Plays until the end; returns the number of commands carried out.
int PlayOut(GameContext& ctx, PlayHooks& play, HeadlessUi& ui, std::mt19937& random) {
    int steps = 0;
    for (; steps < kMostSteps && ctx.flags[Flag::kGameInProgress]; ++steps) {
        std::vector<PlayCommand> legal = LegalCommands(ctx);
        std::erase_if(legal, [](const PlayCommand& c) {
            return c.verb == PlayVerb::kUndo || c.verb == PlayVerb::kRedo;
        });
        if (legal.empty()) break;
        std::uniform_int_distribution<std::size_t> pick(0, legal.size() - 1);
        CarryOutCommand(ctx, play, legal[pick(random)]);
        ui.ClearLog();
    }
    return steps;
}

void BM_RandomKlondikePlayout(benchmark::State& state) {
    HeadlessUi ui;
    GameContext ctx(ui);
    SetProgramDir(ctx.state, VIS_PROGRAM_DIR);
    ctx.state.Set(field::kScoringScheme, "01");
    ctx.state.Set(field::kConfirmQuitGame, "N");
    if (!LoadCatalog(ctx)) {
        state.SkipWithError("GAMES.DAT not found beside the benchmarks");
        return;
    }
    AutoplayPlayHooks play;
    EngineHooks hooks(play);
    std::mt19937 random(20261210);
    long long deal = 0;
    long long steps = 0;
    for (auto _ : state) {
        state.PauseTiming();
        StartGame(ctx, hooks,
                  {.number = kKlondike,
                   .name = GameName(ctx, kKlondike),
                   .player = "",
                   .persist = false,
                   .dealNumber = std::to_string(++deal * 104729)});
        ui.ClearLog();
        state.ResumeTiming();
        steps += PlayOut(ctx, play, ui, random);
    }
    state.counters["commands"] =
        benchmark::Counter(static_cast<double>(steps), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_RandomKlondikePlayout)->Unit(benchmark::kMillisecond);

}  // namespace
