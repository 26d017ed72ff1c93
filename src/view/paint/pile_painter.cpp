#include "view/paint/pile_painter.h"

#include "model/rule_index.h"
#include "view/geometry/card_position.h"
#include "view/geometry/fan_types.h"
#include "view/geometry/grid_spread.h"
#include "view/paint/card_painter.h"
#include "view/paint/pixel_ops.h"

namespace vis {

namespace {

constexpr int kCardsPerPixel = 7;
constexpr int kPreviewCardsPerPixel = 28;
// Rule 17 with this value keeps the waste face down.
constexpr int kWasteFaceDown = 2;
// The edge strips stand out this far beyond the card, and are one pixel
// deeper than the block.
constexpr int kEdgeOverhang = 13;
constexpr int kEdgeExtraLength = 11;

// Whether the card at `slot` lies under a later card of the pile.
bool IsCovered(int fanType, int slot, int cardCount) {
    if (slot >= cardCount - 1) return false;
    return fanType == fan::kDown || fanType == fan::kStackedReserve || fanType == fan::kOneStep ||
           fanType == fan::kRight || fanType == fan::kOverlap;
}

// The top of a stock-group block: face down for a face-down stock or waste.
bool ShowsBack(const GameContext& ctx, int index) {
    if (index == kStockIndex) return ctx.rules[rule::kStockFaceDown] != 0;
    if (index == kWasteIndex) return ctx.rules[rule::kWasteLocked] == kWasteFaceDown;
    return false;
}

void PaintStackEdges(PaintScene& scene, QPoint base, int depth) {
    const TableLayout& layout = scene.Layout();
    const QImage& horizontal = scene.images.StackEdge(2);
    const QImage& vertical = scene.images.StackEdge(1);
    const int line = kMaxStockDepth - depth;
    paint::BlitKeyed(scene.Back(),
                     QPoint(base.x() - kEdgeOverhang, base.y() + layout.cardHeight - depth - 1),
                     horizontal, QRect(0, line, layout.cardWidth + kEdgeExtraLength, depth + 1),
                     kStackEdgeKeyColour);
    paint::BlitKeyed(scene.Back(),
                     QPoint(base.x() + layout.cardWidth - depth - 1, base.y() - kEdgeOverhang),
                     vertical, QRect(line, 0, depth + 1, layout.cardHeight + kEdgeOverhang),
                     kStackEdgeKeyColour);
}

}  // namespace

bool IsSquaredFan(int fanType) {
    return fanType != fan::kDown && fanType != fan::kRight && fanType != fan::kSideBySide &&
           fanType != fan::kStackedReserve && fanType != fan::kOverlap &&
           fanType != fan::kOneStep && fanType != fan::kRowOfCells && fanType != fan::kCardRow;
}

int StockDepth(int cardCount, bool preview) {
    if (cardCount <= 1) return 0;
    if (cardCount == 2) return 1;
    return std::min(kMaxStockDepth,
                    cardCount / (preview ? kPreviewCardsPerPixel : kCardsPerPixel) + 1);
}

void PaintPileCard(PaintScene& scene, PileRef pile, std::string_view pileText, int slot) {
    const int count = CardCount(pileText);
    if (count == 0) {
        if (slot == 0)
            PaintMark(scene, MarkKindOf(pile), OriginOf(scene.Layout(), pile), pile.index);
        return;
    }
    const CardNumber card = CardAt(pileText, slot);
    if (card <= 0) return;
    const Point at = CardPositionIn(scene.ctx, pile, pileText, count - 1 - slot, false);
    PaintCardAsItLies(scene, card, at,
                      IsCovered(FanTypeOf(scene.ctx.rules, pile.list), slot, count));
}

int FirstShownSlot(int fanType, int cardCount) {
    if (IsSquaredFan(fanType)) return std::max(0, cardCount - 1);
    if (fanType == fan::kOneStep) return std::max(0, cardCount - 2);
    return 0;
}

void PaintPile(PaintScene& scene, PileRef pile, int firstSlot) {
    PaintPileText(scene, pile, scene.ctx.piles.Pile(pile), firstSlot);
}

void PaintPileText(PaintScene& scene, PileRef pile, std::string_view pileText, int firstSlot) {
    if (!IsOnTable(scene.Layout(), pile)) return;
    if (pile.list == PileList::Mazzo) {
        PaintStockBlock(scene, pile.index, pileText);
        return;
    }
    const int count = CardCount(pileText);
    if (count == 0) {
        PaintPileCard(scene, pile, pileText, 0);
        return;
    }
    const int fanType = FanTypeOf(scene.ctx.rules, pile.list);
    const int first = std::max(firstSlot, FirstShownSlot(fanType, count));
    for (int slot = first; slot < count; ++slot) PaintPileCard(scene, pile, pileText, slot);
}

PileOrigin StockBase(const PaintScene& scene, int index) {
    const StockBlock& block = scene.stockBlocks[static_cast<std::size_t>(index)];
    const PileOrigin stored = scene.Layout().stockGroup[static_cast<std::size_t>(index)];
    // The layout was computed afresh since the block moved the origin.
    if (stored != block.placed) return stored;
    return block.base;
}

void PaintStockBlock(PaintScene& scene, int index) {
    if (index < 0 || index >= kMazzoPileCount) return;
    PaintStockBlock(scene, index, scene.ctx.piles.mazzo[static_cast<std::size_t>(index)]);
}

void PaintStockBlock(PaintScene& scene, int index, std::string_view text) {
    if (index < 0 || index >= kMazzoPileCount) return;
    TableLayout& layout = scene.Layout();
    const PileOrigin base = StockBase(scene, index);
    if (base.x < kOffTableLimit || base.y < kOffTableLimit) return;
    const PileRef pile{PileList::Mazzo, index};
    const int count = CardCount(text);
    const int depth = StockDepth(count, layout.preview);
    StockBlock& previous = scene.stockBlocks[static_cast<std::size_t>(index)];
    // Only where a thicker block of this pile stood goes back to the
    // background: a neighbour within the band keeps its edge. A pile placed
    // afresh lies on a freshly painted background.
    const int band = previous.base == base ? std::max(previous.depth, depth) : depth;

    const PileOrigin placed{ToOriginValue(base.x - depth), ToOriginValue(base.y - depth)};
    layout.stockGroup[static_cast<std::size_t>(index)] = placed;
    previous = StockBlock{base, placed, depth};

    // Stored origins are on the unscrolled table, as the bitmap is.
    const QPoint onBitmap(base.x, base.y);
    const QRect block(onBitmap - QPoint(band, band),
                      QSize(layout.cardWidth + band, layout.cardHeight + band));
    paint::CopySameRect(scene.Back(), scene.Background(), block);
    if (depth > 0) PaintStackEdges(scene, onBitmap, depth);
    scene.picture.Changed(block);

    const Point top = OriginOf(layout, pile);
    if (count == 0) {
        PaintMark(scene, MarkKindOf(pile), top, index);
    } else if (ShowsBack(scene.ctx, index)) {
        PaintBack(scene, top, layout.cardHeight, false);
    } else {
        PaintCard(scene, TopCard(text), top, false);
    }
}

}  // namespace vis
