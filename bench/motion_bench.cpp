// One frame of a dragged 10-card run over a 1280 x 1024 table: the frame
// itself, and the frame with the window's repaint of what it reports.
#include <benchmark/benchmark.h>

#include <QPainter>
#include <memory>

#include "media/resource_library.h"
#include "model/game_context.h"
#include "model/headless_ui.h"
#include "model/rule_index.h"
#include "view/geometry/card_size.h"
#include "view/motion/card_motion.h"
#include "view/paint/table_painter.h"

namespace {

const QString kLibraryPath = QStringLiteral(VIS_PROGRAM_DIR "/VIS.RGF");
constexpr QSize kTable{1280 + 30, 1024 + 30};
constexpr int kRunLength = 10;
constexpr int kDownwardFan = 1;

// A painted table with a 10-card run lifted off it, drawn at the pointer.
struct DraggedRun {
    explicit DraggedRun(benchmark::State& state) {
        if (library.Load(kLibraryPath)) {
            state.SkipWithError("VIS.RGF cannot be loaded");
            return;
        }
        ctx.state.Set(vis::field::kCardSize, "B");
        ctx.state.Set(vis::field::kCardSet, "001");
        ctx.state.Set(vis::field::kBackCard, "011");
        ctx.state.SetFlag(vis::field::kBackgroundDefault, true);
        ctx.rules.Set(vis::rule::kTableauFan, kDownwardFan);
        vis::ApplyCardSize(ctx);
        vis::SetFanSteps(ctx);
        painter = std::make_unique<vis::TablePainter>(ctx, library);
        painter->ResizePictures(kTable);
        painter->ReloadImages();
        painter->PaintBackground();
        painter->Picture().SetChangeListener(
            [this](const QRect& rect) { changed.push_back(rect); });
        motion = std::make_unique<vis::CardMotion>(ctx, *painter);
        std::vector<vis::CardNumber> run;
        for (vis::CardNumber card = 1; card <= kRunLength; ++card) {
            ctx.deck.SetCardFace(card, vis::kFaceUp);
            run.push_back(card);
        }
        motion->BeginMove(run, {100, 100});
        ready = true;
    }
    // The next pointer position: a slow diagonal sweep to and fro.
    vis::Point Next() {
        step = (step + 1) % 600;
        const int along = step < 300 ? step : 600 - step;
        return vis::Point{100 + 3 * along, 100 + 2 * along};
    }
    vis::HeadlessUi ui;
    vis::GameContext ctx{ui};
    vis::ResourceLibrary library;
    std::unique_ptr<vis::TablePainter> painter;
    std::unique_ptr<vis::CardMotion> motion;
    std::vector<QRect> changed;
    int step = 0;
    bool ready = false;
};

void BM_MoveFrameRun10(benchmark::State& state) {
    DraggedRun drag(state);
    if (!drag.ready) return;
    for (auto _ : state) {
        drag.changed.clear();
        benchmark::DoNotOptimize(drag.motion->MoveFrame(drag.Next(), vis::FrameKind::kFloat));
    }
}
BENCHMARK(BM_MoveFrameRun10)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// The frame and the window repainting every rectangle it reported, as the
// window's paint event does.
void BM_MoveFrameRun10WithWindowPaint(benchmark::State& state) {
    DraggedRun drag(state);
    if (!drag.ready) return;
    QImage window(kTable, QImage::Format_RGB32);
    for (auto _ : state) {
        drag.changed.clear();
        drag.motion->MoveFrame(drag.Next(), vis::FrameKind::kFloat);
        QPainter painter(&window);
        for (const QRect& rect : drag.changed)
            drag.painter->Picture().PaintWindow(painter, rect, 0);
        painter.end();
        benchmark::DoNotOptimize(window.constBits());
    }
}
BENCHMARK(BM_MoveFrameRun10WithWindowPaint)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace
