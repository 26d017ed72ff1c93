// The tableau arrangements: how the tableau piles spread across the window.
#include <algorithm>

#include "view/geometry/layout_builder.h"

namespace vis::layout_detail {

namespace {

// Tableau arrangements by number.
constexpr int kCentred = 1;
constexpr int kCentredFixedGap = 2;
constexpr int kRightOfStock = 3;
constexpr int kWrappedNarrow = 10;
constexpr int kRightOfStockAndWaste = 11;
constexpr int kRightOfReserve = 12;
constexpr int kFromFixedLeft = 13;
constexpr int kCentredSqueezed = 14;
constexpr int kCentredSqueezedHigh = 15;
constexpr int kWrappedWide = 18;
constexpr int kUnderFoundations = 20;
constexpr int kRightOfStockAndWasteTight = 21;

}  // namespace

void LayoutBuilder::PlaceTableau() {
    const int n = tableau_.count;
    const int a = tableau_.arrangement;
    const std::optional<int> row = Row(tableau_.rowDigit);
    const bool stockAboveTableau = stock_.arrangement == 4 || extra_.arrangement == 4;

    switch (a) {
        case kCentred:
        case kCentredSqueezed:
        case kCentredSqueezedHigh: {
            if (!row) return;
            int z = std::clamp(TruncDiv(width_ - n * cw_, n + 1), 4, 20);
            // Piles that carry the stock and waste above them need room for
            // the drawn thickness of the stock.
            if (a == kCentred && stockAboveTableau) z = std::max(z, 15);
            int x0 = TruncDiv(width_ - n * cw_ - (n - 1) * z, 2);
            if (x0 < margin_) {
                if (a != kCentred) {
                    if (n > 1)
                        z = std::clamp(z - Trunc(double(margin_ - x0) / (n - 1) + 0.99), 4, 20);
                    x0 = screen_.width < 650 ? margin_ - 2 : margin_;
                } else {
                    x0 = margin_;
                }
            }
            tableauGap_ = z;
            const bool widenUnderStock = a != kCentred && stockAboveTableau && z < 15;
            PlaceTableauRow(x0, z, *row, widenUnderStock ? stock_.count - 1 : 0, 15);
            return;
        }
        case kCentredFixedGap: {
            if (!row) return;
            const int z = width_ >= 650 ? 10 : 5;
            tableauGap_ = z;
            const int x0 = forcedTableauX_.value_or(TruncDiv(width_ - n * cw_ - (n - 1) * z, 2));
            PlaceTableauRow(x0, z, *row);
            return;
        }
        case kRightOfStock:
        case kRightOfStockAndWaste:
        case kRightOfReserve:
        case kRightOfStockAndWasteTight: {
            if (!row) return;
            // k card columns stay free left of the tableau.
            const int k = a == kRightOfStock || a == kRightOfReserve ? 1 : 2;
            int z = TruncDiv(width_ - (n + k) * cw_ - 32, n + 1 + k);
            if (z < 4)
                z = 4;
            else if (z > 20)
                z = 15;
            if (a == kRightOfStockAndWasteTight) z = 2;
            tableauGap_ = z;
            int x0 =
                std::max(TruncDiv(width_ - 40 + z - (n + k) * cw_ - (n - 1 + k) * z, 2), margin_);
            x0 += (22 + cw_) * k;
            if (a == kRightOfStockAndWaste || a == kRightOfReserve) x0 += 15;
            PlaceTableauRow(x0, z, *row);
            return;
        }
        case kWrappedNarrow: {
            const int z = Trunc(0.85 * cw_);
            tableauGap_ = z;
            PlaceWrappedTableau(15, z, PilesPerWrappedRow(),
                                [this](int r) { return ThreeRowGrid(r + 1); });
            return;
        }
        case kFromFixedLeft: {
            if (!row) return;
            tableauGap_ = 4;
            PlaceTableauRow(screen_.height < 500 ? 8 : 48, 4, *row);
            return;
        }
        case kWrappedWide: {
            const char d = tableau_.rowDigit;
            if (d < '0' || d > '6') return;
            const int firstRow = d == '0' ? 1 : d - '0';
            const int m = PilesPerWrappedRow();
            const int z = std::max(TruncDiv(width_ - m * cw_ - 2, m + 1), Trunc(1.5 * cw_));
            tableauGap_ = z;
            const int x0 = screen_.height < 500 ? 15 : margin_ + 10;
            PlaceWrappedTableau(x0, z, m,
                                [this, firstRow](int r) { return FourRowGrid(firstRow + r); });
            return;
        }
        case kUnderFoundations:
            // The gap is fixed now; x follows once the foundations stand.
            tableauGap_ = 10;
            if (!row) return;
            for (int i = 1; i <= n; ++i)
                SetY(layout_.tableau[static_cast<std::size_t>(i - 1)], *row);
            return;
        default:
            return;  // not an arrangement: the tableau stays off the table
    }
}

void LayoutBuilder::PlaceTableauRow(int x0, int gap, int y, int leadingGaps, int leadingGap) {
    int x = x0;
    for (int i = 1; i <= tableau_.count; ++i) {
        SetTableau(i, x, y);
        x += cw_ + (i <= leadingGaps ? leadingGap : gap);
    }
}

int LayoutBuilder::PilesPerWrappedRow() const {
    const int rows = std::max<int>(1, rules_[rule::kTableauWrapRows]);
    return std::max(1, tableau_.count / rows);
}

void LayoutBuilder::PlaceWrappedTableau(int x0, int gap, int perRow,
                                        const std::function<int(int)>& rowY) {
    int x = x0;
    int row = 0;
    for (int i = 1; i <= tableau_.count; ++i) {
        if (i > 1 && (i - 1) % perRow == 0) {
            ++row;
            x = x0;
        }
        SetTableau(i, x, rowY(row));
        x += cw_ + gap;
    }
}

void LayoutBuilder::PlaceTableauUnderFoundations() {
    const int n = tableau_.count;
    const int g = foundations_.count;
    if (g < 1 || n < 1 || !Row(tableau_.rowDigit)) return;
    const int first = layout_.foundations[0].x;
    const int last = layout_.foundations[static_cast<std::size_t>(g - 1)].x;
    if (first < kOffTableLimit || last < kOffTableLimit) return;
    const int x0 = first + TruncDiv(last + cw_ - first - n * cw_ - 10 * n + 10, 2);
    for (int i = 1; i <= n; ++i)
        SetX(layout_.tableau[static_cast<std::size_t>(i - 1)], x0 + (i - 1) * (cw_ + 10));
}

}  // namespace vis::layout_detail
