// One tableau move through the move executor, with its undo snapshot, the
// redraw and sound calls, the score and the follow-ups, on a Klondike-like
// position in mid-game.
#include <benchmark/benchmark.h>

#include "engine/move_execution.h"
#include "engine/play_hooks.h"
#include "model/headless_ui.h"
#include "model/rule_index.h"

namespace {

using namespace vis;

void LayPosition(GameContext& ctx) {
    ctx.state.Set(field::kScoringScheme, "01");
    ctx.state.Set(field::kSoundsEnabled, "Y");
    ctx.state.Set(field::kSoundsTableau, "Y");
    ctx.state.Set(field::kAutomaticFaceUp, "Y");
    ctx.rules.Set(rule::kDeckSize, 52);
    ctx.rules.Set(rule::kTableauCount, 7);
    ctx.rules.Set(rule::kFoundationCount, 4);
    ctx.rules.Set(rule::kAutoFaceUpAllowed, 1);
    ctx.rules.Set(rule::kHasStock, 1);
    ctx.rules.Set(rule::kHasWaste, 1);
    ctx.flags[Flag::kGameInProgress] = true;
    ctx.game.fillCounter = 2;

    ctx.piles.mazzo[kStockIndex] = "027028029030031032033034035036037038";
    ctx.piles.mazzo[kWasteIndex] = "039040041042043044";
    ctx.piles.dest[0] = "001002003";
    ctx.piles.dest[1] = "014015";
    // Piles 1 and 2 trade a red Queen back and forth between two black Kings.
    ctx.piles.fila[0] = "004005006052";
    ctx.piles.fila[1] = "007008009039012";
    ctx.piles.fila[2] = "010011016017051";
    ctx.piles.fila[3] = "018019020021022023";
    ctx.piles.fila[4] = "024025026045046047048";
    ctx.piles.fila[5] = "049050013";
    for (const auto& pile : ctx.piles.fila)
        for (int i = 0; i < CardCount(pile); ++i)
            ctx.deck.SetCardFace(CardAt(pile, i), i + 1 == CardCount(pile) ? kFaceUp : kFaceDown);
}

void BM_ExecuteTableauMove(benchmark::State& state) {
    HeadlessUi ui;
    GameContext ctx{ui};
    DefaultPlayHooks hooks;
    LayPosition(ctx);
    // The Queen of hearts goes from pile 2 onto the King of spades of pile 1
    // and back; moving it leaves a face-up card behind, so no face-up follows.
    ctx.deck.SetCardFace(39, kFaceUp);
    const Move moves[] = {Move::Cards(12, {PileList::Fila, 0}),
                          Move::Cards(12, {PileList::Fila, 1})};
    int n = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ExecuteMove(ctx, hooks, moves[n & 1]));
        if (++n % 1024 == 0) {
            state.PauseTiming();
            ctx.history.undo.Clear();
            ui.ClearLog();
            state.ResumeTiming();
        }
    }
}
BENCHMARK(BM_ExecuteTableauMove);

}  // namespace
