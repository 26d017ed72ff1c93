#include "view/paint/pile_repaint.h"

#include <vector>

#include "model/families.h"
#include "model/rule_index.h"
#include "view/geometry/card_position.h"
#include "view/geometry/fan_types.h"
#include "view/geometry/grid_spread.h"
#include "view/paint/pile_painter.h"
#include "view/paint/pixel_ops.h"

namespace vis {

namespace {

constexpr int kCardTextLength = 3;

// Cards both texts share from the bottom.
int CommonCards(std::string_view a, std::string_view b) {
    const int count = std::min(CardCount(a), CardCount(b));
    int same = 0;
    while (same < count &&
           a.substr(static_cast<std::size_t>(same) * kCardTextLength, kCardTextLength) ==
               b.substr(static_cast<std::size_t>(same) * kCardTextLength, kCardTextLength))
        ++same;
    return same;
}

std::string_view Prefix(std::string_view text, int cards) {
    return text.substr(0, static_cast<std::size_t>(cards) * kCardTextLength);
}

bool IsDownwardFan(int fanType) {
    return fanType == fan::kDown || fanType == fan::kStackedReserve || fanType == fan::kOneStep;
}
bool IsRightwardFan(int fanType) {
    return fanType == fan::kRight || fanType == fan::kSideBySide || fanType == fan::kOverlap;
}

// The card places of a pile text, as painting puts them.
std::vector<QRect> CardRects(const PaintScene& scene, PileRef pile, std::string_view text) {
    std::vector<QRect> rects;
    const int count = CardCount(text);
    for (int slot = 0; slot < count; ++slot) {
        const Point at = CardPositionIn(scene.ctx, pile, text, count - 1 - slot, false);
        if (!IsUnsetPosition(at)) rects.push_back(scene.CardRectOnBitmap(at));
    }
    return rects;
}

QRect Union(const std::vector<QRect>& rects) {
    QRect all;
    for (const QRect& rect : rects) all = all.united(rect);
    return all;
}

// The part of the table the old cards from slot `from` up covered and the
// new ones may not: cleared back to the background.
QRect UncoveredPart(const PaintScene& scene, PileRef pile, std::string_view oldText, int from,
                    int fanType) {
    const TableLayout& layout = scene.Layout();
    const std::vector<QRect> old = CardRects(scene, pile, oldText);
    // An empty pile showed its mark, which the first card must not keep
    // in its corners.
    if (old.empty()) return scene.CardRectOnBitmap(OriginOf(scene.Layout(), pile));
    if (static_cast<int>(old.size()) <= from) return QRect();
    const QRect oldCards = Union(std::vector<QRect>(old.begin() + from, old.end()));
    const QPoint origin = scene.OnBitmap(OriginOf(layout, pile));
    if (IsDownwardFan(fanType)) {
        const Point start = CardPositionIn(scene.ctx, pile, Prefix(oldText, from), 0, true);
        const int top = from == 0 ? origin.y() : scene.OnBitmap(start).y();
        return QRect(QPoint(origin.x() - kUncoverMargin, top),
                     QPoint(origin.x() + layout.cardWidth - 1 + kUncoverMargin, oldCards.bottom()));
    }
    if (IsRightwardFan(fanType)) {
        const Point start = CardPositionIn(scene.ctx, pile, Prefix(oldText, from), 0, true);
        const int left = from == 0 ? origin.x() : scene.OnBitmap(start).x();
        return QRect(QPoint(left, origin.y()),
                     QPoint(oldCards.right(), origin.y() + layout.cardHeight - 1));
    }
    return oldCards;
}

struct PileToPaint {
    PileRef pile;
    int firstSlot;
};

// Every pile of the table in the order RepaintAll paints them.
std::vector<PileRef> PaintOrder(const GameContext& ctx) {
    std::vector<PileRef> order;
    for (int i = 0; i < kMazzoPileCount; ++i) order.push_back({PileList::Mazzo, i});
    for (int i = 0; i < kDestPileCount; ++i) order.push_back({PileList::Dest, i});
    const int reserves = std::clamp<int>(ctx.rules[rule::kReserveCount], 0, kAppoggPileCount);
    for (int i = 0; i < reserves; ++i) order.push_back({PileList::Appogg, i});
    const int tableau = std::clamp<int>(ctx.rules[rule::kTableauCount], 0, kFilaPileCount);
    for (int i = 0; i < tableau; ++i) order.push_back({PileList::Fila, i});
    return order;
}

}  // namespace

QRect PileExtent(const PaintScene& scene, PileRef pile) {
    const TableLayout& layout = scene.Layout();
    if (!IsOnTable(layout, pile)) return QRect();
    const QRect origin = scene.CardRectOnBitmap(OriginOf(layout, pile));
    if (pile.list == PileList::Mazzo) return origin;
    return origin.united(Union(CardRects(scene, pile, scene.ctx.piles.Pile(pile))));
}

void RepaintPile(PaintScene& scene, PileRef pile, std::string_view oldText,
                 std::string_view newText) {
    GameContext& ctx = scene.ctx;
    if (oldText == newText || !IsOnTable(scene.Layout(), pile)) return;
    if (pile.list == PileList::Mazzo) {
        PaintStockBlock(scene, pile.index, newText);
        return;
    }
    const int fanType = FanTypeOf(ctx.rules, pile.list);
    const int same = CommonCards(oldText, newText);
    const bool grid = pile.list == PileList::Fila && IsGridFan(fanType);
    const bool squared = IsSquaredFan(fanType);
    // An irregular pile's cards shift sideways as cards come and go on top
    // of them.
    const bool irregular = pile.list == PileList::Fila && fanType == fan::kDown &&
                           ctx.state.GetSettings().irregularPiles;
    // Squared, grid and irregular piles are redrawn whole on a cleared
    // place; fans from the last card that stays, whose lower part may have
    // been uncovered.
    const bool wholePile = squared || grid || irregular;
    const QRect uncovered = UncoveredPart(scene, pile, oldText, wholePile ? 0 : same, fanType);
    paint::CopySameRect(scene.Back(), scene.Background(), uncovered);
    scene.picture.Changed(uncovered);
    const int firstSlot = wholePile ? 0 : std::max(0, same - 1);

    std::vector<PileToPaint> toPaint;
    for (const PileRef other : PaintOrder(ctx)) {
        if (other == pile) {
            toPaint.push_back({pile, firstSlot});
        } else if (!uncovered.isEmpty() && PileExtent(scene, other).intersects(uncovered)) {
            toPaint.push_back({other, 0});
        }
    }
    // The pile itself shows the new text, which callers may give before the
    // pile holds it (a card lifted off, a card turned over).
    for (const PileToPaint& entry : toPaint) {
        if (entry.pile == pile)
            PaintPileText(scene, pile, newText, entry.firstSlot);
        else
            PaintPile(scene, entry.pile, entry.firstSlot);
    }

    if (pile.list == PileList::Fila && CardCount(newText) == 0 &&
        StockPaintedWithEmptyTableau(ctx.state.GetInt(field::kGameNumber, 0)))
        PaintStockBlock(scene, kStockIndex);
}

}  // namespace vis
