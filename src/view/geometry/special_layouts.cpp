// Whole-table layouts: one fixed picture per family of games, placing every
// pile itself instead of going through the group arrangements.
#include <algorithm>

#include "model/rule_index.h"
#include "view/geometry/layout_builder.h"

namespace vis::layout_detail {

bool LayoutBuilder::PlaceSpecialLayout() {
    switch (tableau_.arrangement) {
        case 51:
            PlaceFourByFourGrid();
            return true;
        case 52:
            PlaceCross();
            return true;
        case 53:
            PlaceRowsOnFourRowGrid();
            return true;
        default:
            return false;  // not built: every pile stays off the table
    }
}

// Sixteen tableau piles in four rows of four, the stock left of the grid
// and the extra pile right of it, both halfway down.
void LayoutBuilder::PlaceFourByFourGrid() {
    int x1 = TruncDiv(width_ - 4 * (cw_ + 10), 2);
    int side = 15;
    if (x1 - cw_ - 80 >= 0) {
        side = 70;
    } else if (x1 - cw_ - 45 >= 0) {
        side = 35;
    } else if (x1 - cw_ - 25 < 0) {
        x1 = cw_ + margin_ + 15;
    }
    const int top = window_.top;
    const int y1 = std::max(top + TruncDiv(window_.bottom - top - 4 * ch_ - 30, 2), rows_[1]);
    for (int pile = 1; pile <= 16; ++pile) {
        const int column = (pile - 1) % 4;
        const int row = (pile - 1) / 4;
        SetTableau(pile, x1 + column * (cw_ + 10), y1 + row * (ch_ + 10));
    }
    const int x4 = x1 + 3 * (cw_ + 10);
    const int sideY = y1 + (ch_ + 10) + TruncDiv(ch_ + 10, 2);
    SetStockGroup(kStockIndex, x1 - cw_ - side, sideY);
    SetStockGroup(kSecondWasteIndex, x4 + cw_ + side, sideY);
    SetX(layout_.stockGroup[kWasteIndex], kStockGroupUnset);
    for (int f = 0; f < 4; ++f)
        SetX(layout_.foundations[static_cast<std::size_t>(f)], kStockGroupUnset);
}

// Five tableau piles as a cross, a foundation tucked into each corner of it,
// the stock and waste to its left.
void LayoutBuilder::PlaceCross() {
    const int z = window_.formHeight < 500 ? 25 : 35;
    const int inset = 7;

    const int leftX = std::max(TruncDiv(width_ - 3 * cw_ - 2 * z, 2), cw_ + 2 * z + 25);
    const int middleX = leftX + cw_ + z;
    const int rightX = middleX + cw_ + z;
    const int top = window_.top;
    const int topY = std::max(top + TruncDiv(window_.bottom - top - 3 * ch_ - 2 * z, 2), rows_[1]);
    const int middleY = topY + z + ch_;
    const int bottomY = middleY + z + ch_;

    SetTableau(1, middleX, topY);
    SetTableau(2, leftX, middleY);
    SetTableau(3, middleX, middleY);
    SetTableau(4, rightX, middleY);
    SetTableau(5, middleX, bottomY);
    for (int pile = 6; pile <= 8; ++pile)
        SetX(layout_.tableau[static_cast<std::size_t>(pile - 1)], kStockGroupUnset);

    const int stockX = leftX - cw_ - 2 * z;
    SetStockGroup(kStockIndex, stockX, topY);
    SetStockGroup(kWasteIndex, stockX, middleY);

    SetFoundation(1, leftX + inset, topY + inset);
    SetFoundation(2, rightX - inset, topY + inset);
    SetFoundation(3, leftX + inset, bottomY - inset);
    SetFoundation(4, rightX - inset, bottomY - inset);
}

// The tableau wrapped into rows; the extra pile under it, or right of the
// last pile on a low screen.
void LayoutBuilder::PlaceRowsOnFourRowGrid() {
    const int top = window_.top;
    const int e1 = top + TruncDiv(window_.bottom - top - 4 * ch_ - 45, 2);
    const auto fourRowY = [this, e1](int r) {
        // The last of the four rows lies further down, apart from the others.
        return e1 + r * (ch_ + 10) + (r >= 3 ? 15 : 0);
    };
    const int m = PilesPerWrappedRow();
    const bool highScreen = screen_.height > 499;
    int z = TruncDiv(width_ - m * cw_ - 2, m + 1);
    if (highScreen) {
        z = std::max(z, Trunc(1.5 * cw_));
        PlaceWrappedTableau(margin_ + 10, z, m, fourRowY);
        SetStockGroup(kSecondWasteIndex, TableauX(1), fourRowY(3));
    } else {
        z = Trunc(0.85 * cw_);
        PlaceWrappedTableau(15, z, m, [this](int r) { return ThreeRowGrid(r + 1); });
        if (tableau_.count >= 1)
            SetStockGroup(kSecondWasteIndex, LastTableauX() + cw_ + z, ThreeRowGrid(3));
    }
    tableauGap_ = z;
}

}  // namespace vis::layout_detail
