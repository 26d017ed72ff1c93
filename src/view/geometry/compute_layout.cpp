#include "view/geometry/compute_layout.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "model/rule_index.h"
#include "view/geometry/layout_builder.h"

namespace vis {

namespace layout_detail {

namespace {

// A re-run moves the tableau right of the reserve row, which ends the
// overlap; the bound only guards against a layout that cannot be fixed.
constexpr int kMaxReruns = 3;
// Tableau slots count as crowded by the reserve row this far to each side.
constexpr int kReserveClearance = 85;

GroupCode ReadGroupCode(const GameRules& rules, int rowRule, int arrangementRule, int countRule,
                        int maxCount) {
    GroupCode code;
    code.rowDigit = std::to_string(rules[rowRule]).front();
    code.arrangement = rules[arrangementRule];
    code.count = std::clamp<int>(rules[countRule], 0, maxCount);
    return code;
}

bool Overlaps(const Rect& a, const Rect& b) {
    return a.left <= b.right && b.left <= a.right && a.top <= b.bottom && b.top <= a.bottom;
}

}  // namespace

int Trunc(double value) {
    // Clamped so that no window size can overflow the conversion.
    if (std::isnan(value)) return 0;
    return static_cast<int>(std::trunc(std::clamp(value, -1e9, 1e9)));
}

int TruncDiv(double numerator, double denominator) {
    return Trunc(numerator / denominator);
}

LayoutBuilder::LayoutBuilder(const GameRules& rules, TableLayout& layout, const TableWindow& window,
                             ScreenSize screen)
    : rules_(rules),
      layout_(layout),
      window_(window),
      screen_(screen),
      cw_(layout.cardWidth),
      ch_(layout.cardHeight) {
    stock_ = ReadGroupCode(rules, rule::kStockRow, rule::kStockArrangement, rule::kStockGroupPlaced,
                           kMazzoPileCount);
    foundations_ = ReadGroupCode(rules, rule::kFoundationRow, rule::kFoundationArrangement,
                                 rule::kFoundationCount, kDestPileCount);
    tableau_ = ReadGroupCode(rules, rule::kTableauRow, rule::kTableauArrangement,
                             rule::kTableauCount, kFilaPileCount);
    reserves_ = ReadGroupCode(rules, rule::kReserveRow, rule::kReserveArrangement,
                              rule::kReserveCount, kAppoggPileCount);
    extra_ = ReadGroupCode(rules, rule::kExtraStockRow, rule::kExtraStockArrangement,
                           rule::kExtraStockPiles, 1);
}

bool LayoutBuilder::Run() {
    // Small windows lose room for the frame and pack the rows closer.
    const bool smallWindow = window_.formHeight < 500;
    width_ = window_.width - 2 - (smallWindow ? 10 : 0);
    gap_ = smallWindow ? 5 : 10;

    for (int pass = 0;; ++pass) {
        layout_.ResetOrigins();
        tableauGap_ = 0;
        BuildRowGrid();
        ComputeLeftMargin();
        if (IsSpecialLayout(tableau_.arrangement)) {
            const bool placed = PlaceSpecialLayout();
            FillIn();
            return placed;
        }
        PlaceTableau();
        PlaceStockGroup();
        PlaceFoundations();
        if (tableau_.arrangement == 20) PlaceTableauUnderFoundations();
        PlaceReserves();
        PlaceExtraPile();

        forcedTableauX_.reset();
        // Only a tableau that takes a forced origin can make room; any other
        // would come out the same again.
        if (reserves_.arrangement != 5 || tableau_.arrangement != 2 || pass >= kMaxReruns ||
            !LastReserveCrowdsTableau())
            break;
        const int lastReserveX = layout_.reserves[static_cast<std::size_t>(reserves_.count - 1)].x;
        const int forced = lastReserveX + cw_ + kReserveClearance + 1;
        forcedTableauX_ = forced < 1 ? margin_ : forced;
    }
    FillIn();
    return true;
}

void LayoutBuilder::BuildRowGrid() {
    const int top = window_.top;
    rows_[1] = top + gap_ + (stock_.rowDigit == '1' ? 15 : 0);
    rows_[2] = rows_[1] + gap_ + ch_ + (stock_.rowDigit == '2' || stock_.arrangement == 3 ? 15 : 0);
    rows_[3] = rows_[2] + gap_ + ch_;
    rows_[4] = rows_[3] + gap_ + ch_;
    // The bottom row stands at the foot of a window that fills most of the
    // screen, otherwise at the foot of the screen.
    rows_[5] = window_.formHeight > 0.8 * screen_.height ? window_.formHeight - 50 - ch_
                                                         : screen_.height - 30 - ch_;
    rows_[6] = rows_[2] + TruncDiv(rows_[3] - rows_[2], 2);
    if (tableau_.arrangement == 15) {
        rows_[1] = top + 15;
        rows_[2] = rows_[1] + 5 + ch_;
        rows_[3] = rows_[2] + 5 + ch_;
    }
}

std::optional<int> LayoutBuilder::GroupRow(const GroupCode& group) const {
    if (group.count < 1) return std::nullopt;
    return Row(group.rowDigit);
}

std::optional<int> LayoutBuilder::Row(char digit) const {
    if (digit == '0') return rows_[1];
    if (digit >= '1' && digit <= '6') return rows_[digit - '0'];
    return std::nullopt;
}

int LayoutBuilder::CenteredRow(int first, int row) const {
    return std::max(first, window_.top + 2) + (row - 1) * (ch_ + 10);
}

int LayoutBuilder::ThreeRowGrid(int row) const {
    const int top = window_.top;
    return CenteredRow(top + TruncDiv(window_.bottom - top - 3 * ch_ - 20, 2), row);
}

int LayoutBuilder::FourRowGrid(int row) const {
    const int top = window_.top;
    return CenteredRow(top + TruncDiv(window_.bottom - top - 4 * ch_ - 30, 2), row);
}

void LayoutBuilder::ComputeLeftMargin() {
    margin_ = width_ >= 650 ? 10 : 3;
    if (stock_.count >= 1) {
        margin_ += layout_.shadowMargin;
        const int a = stock_.arrangement;
        // Arrangements that put the stock left of or above the tableau
        // leave room for its drawn thickness.
        if (a == 3 || a == 4 || a == 5 || a == 16 || a == 19 || extra_.arrangement == 4)
            margin_ += 15;
    }
}

bool LayoutBuilder::LastReserveCrowdsTableau() const {
    if (reserves_.count < 1) return false;
    const PileOrigin last = layout_.reserves[static_cast<std::size_t>(reserves_.count - 1)];
    if (last.x < kOffTableLimit) return false;
    const Rect reserve{last.x, last.y, last.x + cw_, last.y + ch_};
    for (int i = 0; i < kFilaPileCount; ++i) {
        const PileOrigin slot = layout_.tableau[static_cast<std::size_t>(i)];
        if (slot.x < kOffTableLimit) continue;
        const Rect widened{slot.x - kReserveClearance, slot.y, slot.x + cw_ + kReserveClearance,
                           slot.y + ch_};
        if (Overlaps(reserve, widened)) return true;
    }
    return false;
}

void LayoutBuilder::FillIn() {
    // Special layouts leave some y at the stock-group marker to mean "as the
    // first pile of the kind"; the other markers stay.
    const auto fill = [](auto& origins, std::size_t from, std::size_t to) {
        for (std::size_t i = from; i <= to; ++i)
            if (origins[i].y == kStockGroupUnset) origins[i].y = origins[0].y;
    };
    fill(layout_.stockGroup, 1, 1);
    fill(layout_.foundations, 1, 3);
    fill(layout_.tableau, 1, 6);
}

int LayoutBuilder::TableauX(int pileNumber) const {
    if (pileNumber < 1 || pileNumber > kFilaPileCount) return kTableauUnset;
    return layout_.tableau[static_cast<std::size_t>(pileNumber - 1)].x;
}

void LayoutBuilder::SetTableau(int pileNumber, int x, int y) {
    Place(layout_.tableau, kFilaPileCount, pileNumber, x, y);
}

void LayoutBuilder::SetFoundation(int pileNumber, int x, int y) {
    Place(layout_.foundations, kDestPileCount, pileNumber, x, y);
}

void LayoutBuilder::SetReserve(int pileNumber, int x, int y) {
    Place(layout_.reserves, kAppoggPileCount, pileNumber, x, y);
}

void LayoutBuilder::SetStockGroup(int entry, int x, int y) {
    Place(layout_.stockGroup, kMazzoPileCount, entry + 1, x, y);
}

}  // namespace layout_detail

bool IsSpecialLayout(int tableauArrangement) {
    return tableauArrangement >= 51 && tableauArrangement <= 147 && tableauArrangement != 102;
}

bool IsBuiltSpecialLayout(int tableauArrangement) {
    return tableauArrangement >= 51 && tableauArrangement <= 53;
}

LayoutOutcome ComputeLayout(GameContext& ctx, const TableWindow& window, ScreenSize screen) {
    TableLayout& layout = ctx.game.layout;
    layout.screen = screen;
    layout.scrollOffset = 0;
    const bool placed = layout_detail::LayoutBuilder(ctx.rules, layout, window, screen).Run();
    layout.scrollOffset = window.scrollPosition;
    return placed ? LayoutOutcome::kPlaced : LayoutOutcome::kSpecialLayoutMissing;
}

}  // namespace vis
