#include "view/geometry/layout_fit.h"

#include <gtest/gtest.h>

#include "view/geometry/card_size.h"
#include "view/geometry/layout_fixture.h"

namespace vis {
namespace {

using test::Group;

class LayoutFitTest : public test::LayoutFixture {
protected:
    // A maximised main window on a screen of that size: toolbar down to
    // 40, a 16-pixel scroll bar, caption and menu 50 pixels high.
    static TableWindow MaximisedOn(ScreenSize screen) {
        TableWindow window;
        window.top = 40;
        window.width = screen.width - 16;
        window.formHeight = screen.height;
        window.bottom = screen.height - 50 - 1;
        return window;
    }
};

TEST_F(LayoutFitTest, FamiliarTablesFitSmallAndLargeScreens) {
    struct Case {
        const char* name;
        Group stock;
        Group foundations;
        Group tableau;
        Group reserves;
        Group extra;
        int wrapRows;
    };
    const Case cases[] = {
        {"Klondike", {1, 5, 2}, {1, 8, 4}, {2, 1, 7}, {}, {}, 0},
        {"FreeCell", {}, {1, 8, 4}, {2, 1, 8}, {1, 5, 4}, {}, 0},
        {"Spider", {5, 13, 1}, {5, 8, 8}, {1, 1, 10}, {}, {}, 0},
        {"Forty Thieves", {5, 13, 2}, {1, 1, 8}, {2, 14, 10}, {}, {}, 0},
        {"Canfield", {1, 11, 2}, {1, 7, 4}, {2, 1, 4}, {2, 12, 1}, {}, 0},
        {"cross", {0, 0, 2}, {0, 0, 4}, {0, 52, 5}, {}, {}, 0},
        {"four by four", {0, 0, 1}, {}, {0, 51, 16}, {}, {1, 0, 1}, 0},
        {"three rows of four", {}, {}, {0, 53, 12}, {}, {1, 0, 1}, 3},
        {"two wrapped rows", {}, {}, {1, 18, 8}, {}, {}, 2},
        {"under the foundations", {}, {1, 1, 8}, {2, 20, 8}, {}, {}, 0},
    };
    for (const Case& c : cases) {
        SetStock(c.stock);
        SetFoundations(c.foundations);
        SetTableau(c.tableau);
        SetReserves(c.reserves);
        SetExtraPile(c.extra);
        ctx.rules.Set(rule::kTableauWrapRows, c.wrapRows);
        for (const ScreenSize screen : {ScreenSize{800, 600}, ScreenSize{1280, 1024}}) {
            const TableWindow window = MaximisedOn(screen);
            ASSERT_EQ(ComputeLayout(ctx, window, screen), LayoutOutcome::kPlaced) << c.name;
            EXPECT_EQ(PilesOutsideWindow(ctx, window), std::vector<std::string>{})
                << c.name << " on " << screen.width;
            EXPECT_EQ(OverlappingPiles(ctx), std::vector<std::string>{})
                << c.name << " on " << screen.width;
        }
    }
}

TEST_F(LayoutFitTest, ReportsPilesOffTheTableOutsideTheWindowOrCoveringEachOther) {
    // Thirteen centred piles run past an 800-pixel window.
    SetFoundations({1, 1, 8});
    SetTableau({2, 1, 13});
    const TableWindow small = MaximisedOn({800, 600});
    ComputeLayout(ctx, small, {800, 600});
    EXPECT_EQ(PilesOutsideWindow(ctx, small),
              (std::vector<std::string>{"Fila11", "Fila12", "Fila13"}));

    // A foundation over a tableau pile in the same row.
    SetTableau({1, 1, 7});
    SetFoundations({1, 7, 1});
    ComputeLayout(ctx, small, {800, 600});
    EXPECT_EQ(OverlappingPiles(ctx), std::vector<std::string>{"Dest1/Fila7"});

    // A stock whose arrangement is not one of its own stays off the table.
    SetFoundations({});
    SetStock({1, 2, 2});
    ComputeLayout(ctx, small, {800, 600});
    EXPECT_EQ(PilesOutsideWindow(ctx, small), (std::vector<std::string>{"Mazzo", "Mazzo_Vis"}));
    EXPECT_EQ(OverlappingPiles(ctx), std::vector<std::string>{});
}

TEST(PilesInUseTest, StockGroupEntriesFollowTheirRules) {
    struct Case {
        int placed;
        int hasStock;
        int extraPiles;
        std::vector<std::string> keys;
    };
    const Case cases[] = {
        {2, 1, 0, {"Mazzo", "Mazzo_Vis"}},
        {1, 1, 0, {"Mazzo"}},
        {1, 0, 0, {"Mazzo_Vis"}},
        {0, 1, 1, {"Mazzo_Waste"}},
        {2, 1, 1, {"Mazzo", "Mazzo_Vis", "Mazzo_Waste"}},
    };
    for (const Case& c : cases) {
        GameRules rules;
        rules.Set(rule::kStockGroupPlaced, c.placed);
        rules.Set(rule::kHasStock, c.hasStock);
        rules.Set(rule::kExtraStockPiles, c.extraPiles);
        std::vector<std::string> keys;
        for (const PileRef pile : PilesInUse(rules)) keys.push_back(PileKey(pile));
        EXPECT_EQ(keys, c.keys) << c.placed << " " << c.hasStock << " " << c.extraPiles;
    }
    GameRules rules;
    rules.Set(rule::kFoundationCount, 20);  // counts are kept within the pile lists
    rules.Set(rule::kTableauCount, 2);
    rules.Set(rule::kReserveCount, 1);
    EXPECT_EQ(PilesInUse(rules).size(), 16u + 2u + 1u);
}

}  // namespace
}  // namespace vis
