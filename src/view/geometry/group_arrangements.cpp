// The arrangements of the stock group, the foundations, the reserves and the
// extra stock-group pile, most of them placed relative to the tableau.
#include <algorithm>

#include "model/rule_index.h"
#include "view/geometry/layout_builder.h"

namespace vis::layout_detail {

namespace {

constexpr int kStock = kStockIndex;
constexpr int kWaste = kWasteIndex;
constexpr int kExtra = kSecondWasteIndex;

}  // namespace

void LayoutBuilder::PlaceStockGroup() {
    const int s = stock_.count;
    const std::optional<int> row = GroupRow(stock_);
    if (!row) return;
    const int y = *row;
    const int t1 = TableauX(1);
    // A game without a stock shows only its waste.
    const int present = rules_[rule::kHasStock] == 1 ? kStock : kWaste;
    SetY(layout_.stockGroup[kStock], y);

    switch (stock_.arrangement) {
        case 4:  // above the first tableau piles
            if (s >= 2) {
                SetStockGroup(kStock, t1, y);
                SetStockGroup(kWaste, TableauX(2), y);
            } else {
                SetStockGroup(present, t1, y);
            }
            return;
        case 5: {  // a row from the left margin
            int x = margin_;
            for (int j = 0; j < s; ++j) {
                SetStockGroup(j, x, y);
                x += margin_ + cw_;
            }
            return;
        }
        case 3: {  // left of the tableau, the waste under the stock
            const int x = t1 - cw_ - 22;
            SetStockGroup(kStock, x, y);
            if (rules_[rule::kHasWaste] == 1) SetStockGroup(kWaste, x, rows_[2]);
            return;
        }
        case 11: {
            const int wasteX = t1 - cw_ - 45;
            SetStockGroup(kWaste, wasteX, y);
            SetStockGroup(kStock, wasteX - cw_ - 15, y);
            return;
        }
        case 13: {  // at the far left
            const int x = layout_.shadowMargin == 9 && screen_.height >= 500 ? 19 : 15;
            SetStockGroup(kStock, x, y);
            if (s > 1) SetStockGroup(kWaste, x + cw_ + 15, y);
            return;
        }
        case 16:
            SetStockGroup(present, t1 - cw_ - 30, y);
            return;
        case 19:
            SetStockGroup(present, t1 - cw_ - 60, y);
            return;
        case 21: {
            const int wasteX = t1 - cw_ - 15;
            SetStockGroup(kWaste, wasteX, y);
            SetStockGroup(kStock, wasteX - cw_ - 20, y);
            return;
        }
        default:
            return;
    }
}

void LayoutBuilder::PlaceFoundations() {
    const int g = foundations_.count;
    const int n = tableau_.count;
    const std::optional<int> row = GroupRow(foundations_);
    if (!row) return;
    const int y = *row;
    const bool lowScreen = screen_.height < 500;

    // Foundation g at lastX, each earlier one `step` further left.
    const auto packLeftOf = [&](int lastX, int step) {
        for (int i = g; i >= 1; --i) SetFoundation(i, lastX - (g - i) * step, y);
    };
    // Foundation 1 at firstX, each later one `step` further right.
    const auto spreadFrom = [&](int firstX, int step, int rowY) {
        for (int i = 1; i <= g; ++i) SetFoundation(i, firstX + (i - 1) * step, rowY);
    };
    // Each foundation over one of the last g tableau piles.
    const auto overLastTableau = [&] {
        for (int i = 1; i <= g; ++i) {
            const int pile = n - g + i;
            if (pile >= 1) SetFoundation(i, TableauX(pile), y);
        }
    };

    switch (foundations_.arrangement) {
        case 7:
            overLastTableau();
            return;
        case 9:
            packLeftOf(LastTableauX(), cw_ + std::max(1, TruncDiv(tableauGap_, 3)));
            return;
        case 1: {
            const int gap = std::max(1, TruncDiv(width_ - g * cw_ - 2, g + 1));
            spreadFrom(gap, cw_ + gap, y);
            return;
        }
        case 2: {
            const int gap = std::max(1, TruncDiv(tableauGap_, 2));
            spreadFrom(TruncDiv(width_ - g * cw_ - (g - 1) * gap, 2), cw_ + gap, y);
            return;
        }
        case 8:
            packLeftOf(width_ - cw_ - margin_ - 5, cw_ + margin_);
            return;
        case 13:
            if (lowScreen)
                packLeftOf(LastTableauX(), cw_ + 1);
            else
                overLastTableau();
            return;
        case 17: {  // in the stock row, after the stock group
            const PileOrigin after =
                layout_.stockGroup[rules_[rule::kHasWaste] == 1 ? kWaste : kStock];
            if (after.x < kOffTableLimit) return;
            spreadFrom(after.x + cw_ + (lowScreen ? 10 : 20), cw_ + (lowScreen ? 1 : 3), after.y);
            return;
        }
        default:
            return;
    }
}

void LayoutBuilder::PlaceReserves() {
    const int r = reserves_.count;
    const int n = tableau_.count;
    const std::optional<int> row = GroupRow(reserves_);
    if (!row) return;
    const int y = *row;
    const int t1 = TableauX(1);

    switch (reserves_.arrangement) {
        case 6: {
            if (t1 < kOffTableLimit) return;  // stepping right must not bring it on
            const int step = cw_ + std::max(1, TruncDiv(tableauGap_, 3));
            for (int j = 1; j <= r; ++j) SetReserve(j, t1 + (j - 1) * step, y);
            return;
        }
        case 4:
            for (int j = 1; j <= r; ++j) SetReserve(j, TableauX(j), y);
            return;
        case 5:
            for (int j = 1; j <= r; ++j) SetReserve(j, margin_ + (j - 1) * (cw_ + margin_), y);
            return;
        case 7:
            for (int j = 1; j <= r; ++j)
                if (n - r + j >= 1) SetReserve(j, TableauX(n - r + j), y);
            return;
        case 11:
            SetReserve(1, layout_.stockGroup[kWaste].x, y);
            return;
        case 12:
            SetReserve(1, n > 7 ? t1 - cw_ - 22 : t1 - cw_ - 45, y);
            return;
        default:
            return;
    }
}

std::optional<int> LayoutBuilder::RowAbove(char digit) const {
    switch (digit) {
        case '0':
        case '1':
            return rows_[1];  // nothing lies above the first row: under it, then
        case '2':
        case '3':
        case '4':
        case '5':
            return rows_[digit - '0' - 1];
        case '6':
            return rows_[2];  // the middle row lies between rows 2 and 3
        default:
            return std::nullopt;
    }
}

void LayoutBuilder::PlaceExtraPile() {
    if (extra_.count < 1) return;
    switch (extra_.arrangement) {
        case 16: {
            const std::optional<int> above = RowAbove(extra_.rowDigit);
            if (above) SetStockGroup(kExtra, layout_.stockGroup[kStock].x, *above + ch_ + 20);
            return;
        }
        case 6:
            if (const auto row = Row(extra_.rowDigit)) SetStockGroup(kExtra, TableauX(2), *row);
            return;
        case 7:
            if (const auto row = Row(extra_.rowDigit)) SetStockGroup(kExtra, LastTableauX(), *row);
            return;
        default:
            return;
    }
}

}  // namespace vis::layout_detail
