// Listing every legal command of a position in the middle of a game, as
// random play and the headless player ask for it: FreeCell, Klondike and
// two-deck Spider, each dealt and played 30 random legal moves in.
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

constexpr int kFreeCell = 1;
constexpr int kKlondike = 2;
constexpr int kSpider = 11;
constexpr int kMovesIn = 30;

void BM_LegalCommands(benchmark::State& state) {
    const int game = static_cast<int>(state.range(0));
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
    StartGame(ctx, hooks,
              {.number = game,
               .name = GameName(ctx, game),
               .player = "",
               .persist = false,
               .dealNumber = "20261211"});
    std::mt19937 random(20261211);
    for (int n = 0; n < kMovesIn; ++n) {
        std::vector<PlayCommand> legal = LegalCommands(ctx);
        std::erase_if(legal, [](const PlayCommand& c) {
            return c.verb == PlayVerb::kUndo || c.verb == PlayVerb::kRedo;
        });
        if (legal.empty()) break;
        std::uniform_int_distribution<std::size_t> pick(0, legal.size() - 1);
        CarryOutCommand(ctx, play, legal[pick(random)]);
    }
    ui.ClearLog();
    std::size_t listed = 0;
    for (auto _ : state) {
        const std::vector<PlayCommand> legal = LegalCommands(ctx);
        listed = legal.size();
        benchmark::DoNotOptimize(legal.data());
    }
    state.counters["commands"] = static_cast<double>(listed);
}
BENCHMARK(BM_LegalCommands)
    ->Arg(kFreeCell)
    ->Arg(kKlondike)
    ->Arg(kSpider)
    ->ArgName("game")
    ->Unit(benchmark::kMicrosecond);

}  // namespace
