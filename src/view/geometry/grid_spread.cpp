#include "view/geometry/grid_spread.h"

#include <algorithm>

#include "model/piles.h"
#include "model/rule_index.h"
#include "view/geometry/fan_types.h"

namespace vis {

namespace {
constexpr int kCardRowSpacing = 2;  // pixels between the cards of a fan type 9 row
constexpr int kScreenWideRow = -1;
}  // namespace

bool IsGridFan(int fanType) {
    return fanType == fan::kRowOfCells || fanType == fan::kCardRow;
}

int CellsPerRow(const GameContext& ctx) {
    const TableLayout& layout = ctx.game.layout;
    int cells = ctx.rules[rule::kPairingDetail];
    if (cells == kScreenWideRow)
        cells = layout.screen.width / std::max(1, layout.cardWidth + layout.fan.gridGapX);
    return std::max(1, cells);
}

int CellOfSlot(std::string_view pileText, int slot) {
    int cell = 0;
    for (int j = 0; j < slot && j < CardCount(pileText); ++j)
        if (CardAt(pileText, j) == 0) ++cell;
    return cell;
}

Point GridCellPosition(const TableLayout& layout, Point origin, int cellsPerRow, int cell) {
    const int row = cell / cellsPerRow;
    int column = cell % cellsPerRow;
    if (row % 2 == 1) column = cellsPerRow - 1 - column;  // the snake turns back
    return Point{origin.x + column * (layout.cardWidth + layout.fan.gridGapX),
                 origin.y + row * (layout.cardHeight + layout.fan.gridGapY)};
}

Point GridSlotPosition(const GameContext& ctx, int pileIndex, std::string_view pileText, int slot) {
    const TableLayout& layout = ctx.game.layout;
    const Point origin = OriginOf(layout, PileRef{PileList::Fila, pileIndex});
    const int fanType = ctx.rules[rule::kTableauFan];
    if (slot < 0) return origin;
    if (fanType == fan::kCardRow)
        return Point{origin.x + slot * (layout.cardWidth + kCardRowSpacing), origin.y};
    if (fanType == fan::kRowOfCells)
        return GridCellPosition(layout, origin, CellsPerRow(ctx), CellOfSlot(pileText, slot));
    return origin;
}

Rect CardRowExtent(const TableLayout& layout, Point origin, int cardCount) {
    const int last = std::max(1, cardCount) - 1;
    return Rect{origin.x, origin.y,
                origin.x + last * (layout.cardWidth + kCardRowSpacing) + layout.cardWidth,
                origin.y + layout.cardHeight};
}

}  // namespace vis
