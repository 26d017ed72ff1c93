// Painting the whole table of a two-deck Spider in mid-game into the
// off-screen picture, and loading the resource library.
#include <benchmark/benchmark.h>

#include <memory>

#include "cli/cli_commands.h"
#include "engine/engine_hooks.h"
#include "media/resource_library.h"
#include "view/geometry/card_size.h"
#include "view/paint/table_painter.h"

namespace {

const QString kLibraryPath = QStringLiteral(VIS_PROGRAM_DIR "/VIS.RGF");
constexpr vis::ScreenSize kScreen{1280, 1024};
constexpr vis::TableWindow kWindow{.top = 5, .width = 1262, .bottom = 960, .formHeight = 1024};
constexpr int kSpider = 11;

// Spider dealt, then two rows from the stock laid face up on the tableau.
struct SpiderTable {
    SpiderTable() : session(VIS_PROGRAM_DIR) {
        session.ctx.state.Set(vis::field::kCardSize, "B");
        session.ctx.state.Set(vis::field::kCardSet, "001");
        session.ctx.state.Set(vis::field::kBackCard, "011");
        session.ctx.state.SetFlag(vis::field::kBackgroundDefault, true);
        session.ctx.state.SetFlag(vis::field::kIrregularPiles, false);
        vis::ApplyCardSize(session.ctx);
        hooks.SetWindow(kWindow, kScreen);
        dealt = vis::cli::DealGame(session, hooks, std::to_string(kSpider), "1234567");
        vis::GameContext& ctx = session.ctx;
        for (int row = 0; row < 2 && dealt; ++row) {
            for (int pile = 0; pile < 10; ++pile) {
                std::string& stock = ctx.piles.mazzo[vis::kStockIndex];
                if (stock.size() < 3) break;
                const vis::CardNumber card = vis::TopCard(stock);
                stock.resize(stock.size() - 3);
                vis::AppendCard(ctx.piles, ctx.deck, {vis::PileList::Fila, pile}, card,
                                vis::kFaceUp);
            }
        }
    }
    vis::cli::CliSession session;
    vis::DefaultPlayHooks play;
    vis::EngineHooks hooks{play};
    bool dealt = false;
};

// The library, the Spider table and a painter over them; `ready` is false,
// with the reason given to the benchmark, when either cannot be had.
struct PaintedSpider {
    explicit PaintedSpider(benchmark::State& state) {
        if (library.Load(kLibraryPath)) {
            state.SkipWithError("VIS.RGF cannot be loaded");
            return;
        }
        if (!table.dealt) {
            state.SkipWithError("Spider cannot be dealt");
            return;
        }
        painter = std::make_unique<vis::TablePainter>(table.session.ctx, library);
        painter->SetWindow(kWindow, kScreen);
        painter->ResizePictures(QSize(kScreen.width + 30, kScreen.height + 30));
        painter->ReloadImages();
        painter->RepaintTable();
        ready = true;
    }
    vis::ResourceLibrary library;
    SpiderTable table;
    std::unique_ptr<vis::TablePainter> painter;
    bool ready = false;
};

void BM_RepaintAllSpider(benchmark::State& state) {
    PaintedSpider spider(state);
    if (!spider.ready) return;
    for (auto _ : state) {
        spider.painter->RepaintAll(false);
        benchmark::DoNotOptimize(spider.painter->Picture().BackBitmap().constBits());
    }
}
BENCHMARK(BM_RepaintAllSpider)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// With the layout and the background, as after a resize.
void BM_RepaintTableSpider(benchmark::State& state) {
    PaintedSpider spider(state);
    if (!spider.ready) return;
    for (auto _ : state) {
        spider.painter->RepaintTable();
        benchmark::DoNotOptimize(spider.painter->Picture().BackBitmap().constBits());
    }
}
BENCHMARK(BM_RepaintTableSpider)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// Opening the library file and indexing every picture, pointer and sound.
void BM_LoadLibrary(benchmark::State& state) {
    for (auto _ : state) {
        vis::ResourceLibrary library;
        if (library.Load(kLibraryPath)) {
            state.SkipWithError("VIS.RGF cannot be loaded");
            return;
        }
    }
}
BENCHMARK(BM_LoadLibrary)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// The library opened and the card pictures of one size taken from it.
void BM_LoadLibraryAndCardImages(benchmark::State& state) {
    for (auto _ : state) {
        vis::ResourceLibrary library;
        if (library.Load(kLibraryPath)) {
            state.SkipWithError("VIS.RGF cannot be loaded");
            return;
        }
        vis::CardImages images;
        images.Reload(library, 'B', "001", "011");
        benchmark::DoNotOptimize(images.Back().constBits());
    }
}
BENCHMARK(BM_LoadLibraryAndCardImages)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace
