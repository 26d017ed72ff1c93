// A game context with a headless UI and helpers to describe a table by its
// layout rules, shared by the geometry tests.
#pragma once

#include <gtest/gtest.h>

#include <ostream>

#include "model/game_context.h"
#include "model/headless_ui.h"
#include "model/rule_index.h"
#include "view/geometry/compute_layout.h"

namespace vis::test {

// One pile group: row digit rule value, arrangement and count.
struct Group {
    int row = 0;
    int arrangement = 0;
    int count = 0;
};

class LayoutFixture : public ::testing::Test {
protected:
    LayoutFixture() {
        ctx.state.Set(field::kCardSize, "B");
        ctx.state.Set(field::kIrregularPiles, "N");
        ctx.state.Set(field::kCardsShadowed, "N");
    }

    void SetStock(Group g, int hasStock = 1, int hasWaste = 1) {
        SetGroup(rule::kStockRow, rule::kStockArrangement, rule::kStockGroupPlaced, g);
        ctx.rules.Set(rule::kHasStock, hasStock);
        ctx.rules.Set(rule::kHasWaste, hasWaste);
    }
    void SetFoundations(Group g) {
        SetGroup(rule::kFoundationRow, rule::kFoundationArrangement, rule::kFoundationCount, g);
    }
    void SetTableau(Group g) {
        SetGroup(rule::kTableauRow, rule::kTableauArrangement, rule::kTableauCount, g);
    }
    void SetReserves(Group g) {
        SetGroup(rule::kReserveRow, rule::kReserveArrangement, rule::kReserveCount, g);
    }
    void SetExtraPile(Group g) {
        SetGroup(rule::kExtraStockRow, rule::kExtraStockArrangement, rule::kExtraStockPiles, g);
    }
    void SetGroup(int rowRule, int arrangementRule, int countRule, Group g) {
        ctx.rules.Set(rowRule, g.row);
        ctx.rules.Set(arrangementRule, g.arrangement);
        ctx.rules.Set(countRule, g.count);
    }

    void SetFans(int tableau, int foundation, int reserve) {
        ctx.rules.Set(rule::kTableauFan, tableau);
        ctx.rules.Set(rule::kFoundationFan, foundation);
        ctx.rules.Set(rule::kReserveFan, reserve);
    }
    // Every fan step different, so that a wrong step shows: down 18 after a
    // face-up card and 4 after a face-down one, right 12 and 5, side gap 6,
    // reserve stack 3, overlap 7, grid gaps 12 and 8.
    void UseDistinctFanSteps() { ctx.game.layout.fan = FanSteps{18, 4, 12, 5, 6, 3, 7, 12, 8}; }

    // A window whose usable width is `width` and whose form is `height`
    // high, toolbar bottom at 5.
    static TableWindow Window(int width, int height) {
        TableWindow window;
        window.top = 5;
        window.width = width;
        window.formHeight = height;
        window.bottom = height - 40;
        return window;
    }

    LayoutOutcome Layout(const TableWindow& window, ScreenSize screen = {1280, 1024}) {
        return ComputeLayout(ctx, window, screen);
    }

    PileOrigin Tableau(int number) const { return ctx.game.layout.tableau[number - 1]; }
    PileOrigin Foundation(int number) const { return ctx.game.layout.foundations[number - 1]; }
    PileOrigin Reserve(int number) const { return ctx.game.layout.reserves[number - 1]; }
    PileOrigin StockGroup(int entry) const { return ctx.game.layout.stockGroup[entry]; }

    HeadlessUi ui;
    GameContext ctx{ui};
};

}  // namespace vis::test

namespace vis {
inline void PrintTo(const PileOrigin& o, std::ostream* out) {
    *out << "(" << o.x << ", " << o.y << ")";
}
inline void PrintTo(const Point& p, std::ostream* out) {
    *out << "(" << p.x << ", " << p.y << ")";
}
inline void PrintTo(const Rect& r, std::ostream* out) {
    *out << "(" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << ")";
}
}  // namespace vis
