#include "view/paint/table_painter.h"

#include "view/geometry/compute_layout.h"
#include "view/geometry/scroll_bar.h"
#include "view/paint/background_painter.h"
#include "view/paint/card_inversion.h"
#include "view/paint/foundation_highlight.h"
#include "view/paint/pile_painter.h"
#include "view/paint/pile_repaint.h"
#include "view/paint/table_repaint.h"

namespace vis {

namespace {

// What the state block holds before any preference is read.
constexpr char kDefaultSize = 'B';
constexpr std::string_view kDefaultFaceSet = "001";
constexpr std::string_view kDefaultBack = "011";

std::string FieldOr(const StateBlock& state, StateField field, std::string_view fallback) {
    const std::string value = state.Get(field);
    return value.empty() ? std::string(fallback) : value;
}

}  // namespace

TablePainter::TablePainter(GameContext& ctx, const ResourceLibrary& library)
    : ctx_(ctx), library_(library) {
    const ScreenSize plain = PlainBackBitmapSize(screen_);
    picture_.Resize(QSize(plain.width, plain.height));
}

void TablePainter::SetWindow(const TableWindow& window, ScreenSize screen) {
    window_ = window;
    screen_ = screen;
}

PaintScene TablePainter::Scene() {
    DisplayFacts display = display_;
    if (previewBackground_) display.customBackground = previewBackground_;
    return PaintScene{ctx_, library_, images_, picture_, stockBlocks_, display};
}

void TablePainter::ReloadImages() {
    const std::string size =
        FieldOr(ctx_.state, field::kCardSize, std::string_view(&kDefaultSize, 1));
    images_.Reload(library_, size.front(), FieldOr(ctx_.state, field::kCardSet, kDefaultFaceSet),
                   FieldOr(ctx_.state, field::kBackCard, kDefaultBack));
}

void TablePainter::PaintBackground() {
    PaintScene scene = Scene();
    vis::PaintBackground(scene);
}

void TablePainter::RepaintTable(const std::vector<QRect>& selected) {
    PaintScene scene = Scene();
    vis::RepaintTable(scene, window_, screen_, ConfiguredHighlight(ctx_), selected);
}

void TablePainter::RepaintAll(bool deal, DealShow* show) {
    PaintScene scene = Scene();
    vis::RepaintAll(scene, deal, ConfiguredHighlight(ctx_), show);
}

void TablePainter::DealTable(DealShow& show) {
    PaintScene scene = Scene();
    ComputeLayout(ctx_, window_, screen_);
    vis::PaintBackground(scene);
    picture_.ClearInverted();
    vis::RepaintAll(scene, true, ConfiguredHighlight(ctx_), &show);
}

void TablePainter::RepaintPile(PileRef pile, const std::string& oldText,
                               const std::string& newText) {
    PaintScene scene = Scene();
    vis::RepaintPile(scene, pile, oldText, newText);
}

void TablePainter::PaintPile(PileRef pile) {
    PaintScene scene = Scene();
    vis::PaintPile(scene, pile);
}

void TablePainter::RepaintStockSpot() {
    PaintScene scene = Scene();
    PaintStockBlock(scene, kStockIndex);
}

void TablePainter::HighlightFoundations(int index) {
    PaintScene scene = Scene();
    vis::HighlightFoundations(scene, index, ConfiguredHighlight(ctx_));
}

void TablePainter::InvertCard(bool invert, const QRect& card) {
    PaintScene scene = Scene();
    vis::InvertCard(scene, invert, card);
}

void TablePainter::RestoreCorners(const QRect& card) {
    PaintScene scene = Scene();
    vis::RestoreCorners(scene, card);
}

}  // namespace vis
