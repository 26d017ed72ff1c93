// The game selection dialog: opening it (the remembered folder filled and
// the game in play described and previewed), one more live preview in an
// open dialog, and filling a group folder, which reads four rules of every
// game.
#include <benchmark/benchmark.h>

#include "dialogs/app_services.h"
#include "dialogs/game_preview.h"
#include "dialogs/open_game_dialog.h"
#include "engine/engine_hooks.h"
#include "media/resource_library.h"
#include "model/catalog.h"
#include "model/headless_ui.h"
#include "model/program_paths.h"
#include "records/game_tree.h"

namespace {

const QString kLibraryPath = QStringLiteral(VIS_PROGRAM_DIR "/VIS.RGF");
constexpr int kKlondike = 2;

struct Selection {
    explicit Selection(benchmark::State& state) {
        SetProgramDir(ctx.state, VIS_PROGRAM_DIR);
        ctx.state.Set(vis::field::kConfigPath, vis::kConfigRelativePath);
        ctx.state.Set(vis::field::kCardSize, "B");
        ctx.state.Set(vis::field::kCardSet, "001");
        ctx.state.Set(vis::field::kBackCard, "011");
        ctx.state.SetFlag(vis::field::kBackgroundDefault, true);
        ctx.state.SetZeroPadded(vis::field::kGameNumber, kKlondike);
        if (library.Load(kLibraryPath))
            state.SkipWithError("VIS.RGF cannot be loaded");
        else if (!vis::LoadCatalog(ctx))
            state.SkipWithError("GAMES.DAT cannot be read");
        else
            ready = true;
    }
    vis::HeadlessUi ui;
    vis::GameContext ctx{ui};
    vis::ResourceLibrary library;
    vis::DefaultPlayHooks play;
    vis::EngineHooks hooks{play};
    vis::AppServices app{ctx, hooks, library};
    bool ready = false;
};

void BM_OpenGameDialog(benchmark::State& state) {
    Selection selection(state);
    if (!selection.ready) return;
    for (auto _ : state) {
        vis::TfrmOpenGame dialog(nullptr, selection.app);
        dialog.FlushPreview();
        benchmark::DoNotOptimize(dialog.SelectedCode());
    }
}
BENCHMARK(BM_OpenGameDialog)->Unit(benchmark::kMillisecond);

void BM_GamePreview(benchmark::State& state) {
    Selection selection(state);
    if (!selection.ready) return;
    vis::GamePreview preview(selection.ctx, selection.library);
    for (auto _ : state) {
        const QImage image = preview.Render(kKlondike, QSize(300, 210));
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_GamePreview)->Unit(benchmark::kMillisecond);

void BM_FillGroupFolder(benchmark::State& state) {
    Selection selection(state);
    if (!selection.ready) return;
    for (auto _ : state) {
        vis::GameTree tree(selection.ctx);
        benchmark::DoNotOptimize(tree.Children(-203020).size());
    }
}
BENCHMARK(BM_FillGroupFolder)->Unit(benchmark::kMillisecond);

}  // namespace
