// The table layout runs before every full repaint, so it has to be cheap:
// a Klondike table and a two-deck table of ten piles with eight foundations.
#include <benchmark/benchmark.h>

#include "model/game_context.h"
#include "model/headless_ui.h"
#include "model/rule_index.h"
#include "view/geometry/card_size.h"
#include "view/geometry/compute_layout.h"

namespace {

using namespace vis;

struct Groups {
    int stockRow, stockArrangement, stockPiles;
    int foundationRow, foundationArrangement, foundations;
    int tableauRow, tableauArrangement, tableauPiles;
};

void SetGroups(GameRules& rules, const Groups& g) {
    rules.Set(rule::kStockRow, g.stockRow);
    rules.Set(rule::kStockArrangement, g.stockArrangement);
    rules.Set(rule::kStockGroupPlaced, g.stockPiles);
    rules.Set(rule::kHasStock, 1);
    rules.Set(rule::kHasWaste, 1);
    rules.Set(rule::kFoundationRow, g.foundationRow);
    rules.Set(rule::kFoundationArrangement, g.foundationArrangement);
    rules.Set(rule::kFoundationCount, g.foundations);
    rules.Set(rule::kTableauRow, g.tableauRow);
    rules.Set(rule::kTableauArrangement, g.tableauArrangement);
    rules.Set(rule::kTableauCount, g.tableauPiles);
    rules.Set(rule::kTableauFan, 1);
}

void RunLayout(benchmark::State& state, const Groups& groups) {
    HeadlessUi ui;
    GameContext ctx(ui);
    ctx.state.Set(field::kCardSize, "B");
    SetGroups(ctx.rules, groups);
    ApplyCardSize(ctx);
    SetFanSteps(ctx);
    TableWindow window;
    window.top = 40;
    window.width = 1008;
    window.bottom = 700;
    window.formHeight = 768;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ComputeLayout(ctx, window, {1024, 768}));
        benchmark::ClobberMemory();
    }
}

void BM_ComputeLayoutKlondike(benchmark::State& state) {
    RunLayout(state, {1, 5, 2, 1, 8, 4, 2, 1, 7});
}

void BM_ComputeLayoutTwoDeckTenPiles(benchmark::State& state) {
    RunLayout(state, {5, 13, 2, 1, 1, 8, 2, 14, 10});
}

BENCHMARK(BM_ComputeLayoutKlondike);
BENCHMARK(BM_ComputeLayoutTwoDeckTenPiles);

}  // namespace
