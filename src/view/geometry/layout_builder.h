// The working state of one ComputeLayout run, shared by the files that
// place the pile groups. Not for use outside the layout.
#pragma once

#include <array>
#include <functional>
#include <optional>

#include "model/game_rules.h"
#include "model/table_layout.h"
#include "view/geometry/table_window.h"

namespace vis::layout_detail {

// One pile group's layout code: the row digit (first character of the row
// rule's decimal text), the arrangement number and the pile count.
struct GroupCode {
    char rowDigit = '0';
    int arrangement = 0;
    int count = 0;
};

// Every layout division is done in floating point and truncated towards 0.
int Trunc(double value);
int TruncDiv(double numerator, double denominator);

class LayoutBuilder {
public:
    LayoutBuilder(const GameRules& rules, TableLayout& layout, const TableWindow& window,
                  ScreenSize screen);

    // Places every pile, going round again while a reserve row pushes the
    // tableau aside. False when a whole-table layout is not available.
    bool Run();

private:
    // compute_layout.cpp: the grid, the margin and the re-run test.
    void BuildRowGrid();
    void ComputeLeftMargin();
    std::optional<int> Row(char digit) const;
    // The row of a group that has piles; none when it has none or its row
    // digit names no row.
    std::optional<int> GroupRow(const GroupCode& group) const;
    int CenteredRow(int first, int row) const;  // C and D grids, row from 1
    int ThreeRowGrid(int row) const;
    int FourRowGrid(int row) const;
    bool LastReserveCrowdsTableau() const;
    void FillIn();

    // tableau_arrangements.cpp
    void PlaceTableau();
    // Piles side by side from x0, `gap` apart; the first `leadingGaps` gaps
    // are `leadingGap` instead.
    void PlaceTableauRow(int x0, int gap, int y, int leadingGaps = 0, int leadingGap = 0);
    // Rows of `perRow` piles from x0; row r (from 0) at rowY(r).
    void PlaceWrappedTableau(int x0, int gap, int perRow, const std::function<int(int)>& rowY);
    int PilesPerWrappedRow() const;
    void PlaceTableauUnderFoundations();

    // group_arrangements.cpp
    void PlaceStockGroup();
    void PlaceFoundations();
    void PlaceReserves();
    void PlaceExtraPile();
    std::optional<int> RowAbove(char digit) const;

    // special_layouts.cpp
    bool PlaceSpecialLayout();
    void PlaceFourByFourGrid();
    void PlaceCross();
    void PlaceRowsOnFourRowGrid();

    // Origins, 1-based pile numbers; unset markers outside the used range.
    int TableauX(int pileNumber) const;
    int LastTableauX() const { return TableauX(tableau_.count); }
    void SetTableau(int pileNumber, int x, int y);
    void SetFoundation(int pileNumber, int x, int y);
    void SetReserve(int pileNumber, int x, int y);
    void SetStockGroup(int entry, int x, int y);
    void SetX(PileOrigin& origin, int x) { origin.x = ToOriginValue(x); }
    void SetY(PileOrigin& origin, int y) { origin.y = ToOriginValue(y); }
    // Pile `pileNumber` (from 1) of a table with `used` piles.
    template <std::size_t N>
    void Place(std::array<PileOrigin, N>& origins, int used, int pileNumber, int x, int y) {
        if (pileNumber < 1 || pileNumber > used) return;
        PileOrigin& origin = origins[static_cast<std::size_t>(pileNumber - 1)];
        SetX(origin, x);
        SetY(origin, y);
    }

    const GameRules& rules_;
    TableLayout& layout_;
    const TableWindow window_;
    const ScreenSize screen_;
    const int cw_;
    const int ch_;

    GroupCode stock_, foundations_, tableau_, reserves_, extra_;
    int width_ = 0;       // usable width after the frame allowance
    int gap_ = 10;        // between the rows of the grid
    int rows_[7] = {};    // rows 1-6 of the row grid (index 0 unused)
    int margin_ = 10;     // left margin L
    int tableauGap_ = 0;  // the tableau's gap Z, read by other groups
    std::optional<int> forcedTableauX_;
};

}  // namespace vis::layout_detail
