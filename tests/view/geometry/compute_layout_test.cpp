#include "view/geometry/compute_layout.h"

#include <gtest/gtest.h>

#include "view/geometry/card_size.h"
#include "view/geometry/layout_fixture.h"

namespace vis {
namespace {

using test::Group;
using test::LayoutFixture;

class ComputeLayoutTest : public LayoutFixture {
protected:
    // A Klondike table: stock and waste from the left margin in row 1, four
    // foundations at the right of row 1, seven piles centred in row 2.
    void SetUpKlondike() {
        SetStock({1, 5, 2});
        SetFoundations({1, 8, 4});
        SetTableau({2, 1, 7});
    }
};

TEST_F(ComputeLayoutTest, KlondikeAtUsableWidth778) {
    SetUpKlondike();
    ASSERT_EQ(Layout(Window(780, 600)), LayoutOutcome::kPlaced);
    // Gap trunc(281 / 8) = 35 is clamped to 20; x0 = trunc(161 / 2) = 80.
    for (int i = 1; i <= 7; ++i)
        EXPECT_EQ(Tableau(i), (PileOrigin{int16_t(80 + (i - 1) * 91), 136}));
    // Row 1 = top + gap + 15 (stock in row 1); the margin grows by 15 for
    // a stock drawn from the left margin.
    EXPECT_EQ(StockGroup(0), (PileOrigin{25, 30}));
    EXPECT_EQ(StockGroup(1), (PileOrigin{121, 30}));
    EXPECT_EQ(Foundation(4), (PileOrigin{677, 30}));
    EXPECT_EQ(Foundation(1), (PileOrigin{389, 30}));
}

TEST_F(ComputeLayoutTest, WindowLowerThan500LosesTwelvePixelsAndUsesSmallGaps) {
    SetUpKlondike();
    Layout(Window(780, 480));
    // W = 768, gap 5: row 1 = 5 + 5 + 15, row 2 = 25 + 5 + 96.
    EXPECT_EQ(Tableau(1), (PileOrigin{75, 126}));
    EXPECT_EQ(StockGroup(0), (PileOrigin{25, 25}));
    EXPECT_EQ(Foundation(4), (PileOrigin{667, 25}));
}

TEST_F(ComputeLayoutTest, PilesTheGameDoesNotPlaceKeepTheirUnsetMarkers) {
    SetUpKlondike();
    Layout(Window(780, 600));
    EXPECT_EQ(Tableau(8), (PileOrigin{kTableauUnset, kTableauUnset}));
    EXPECT_EQ(Tableau(28), (PileOrigin{kTableauUnset, kTableauUnset}));
    EXPECT_EQ(Foundation(5), (PileOrigin{kFoundationUnset, kFoundationUnset}));
    EXPECT_EQ(Reserve(1), (PileOrigin{kReserveUnset, kReserveUnset}));
    EXPECT_EQ(StockGroup(2), (PileOrigin{kStockGroupUnset, kStockGroupUnset}));
    EXPECT_FALSE(IsOnTable(ctx.game.layout, {PileList::Fila, 7}));
    EXPECT_TRUE(IsOnTable(ctx.game.layout, {PileList::Fila, 6}));

    // A second layout for a smaller game takes the piles of the first away.
    SetTableau({2, 1, 4});
    Layout(Window(780, 600));
    EXPECT_FALSE(IsOnTable(ctx.game.layout, {PileList::Fila, 4}));
}

TEST_F(ComputeLayoutTest, RowDigitsPickTheRowsOfTheGrid) {
    struct Case {
        int stockRow;
        int stockArrangement;
        int tableauArrangement;
        int formHeight;
        int tableauRow;
        int expectedY;
    };
    // Tableau 013 sits at a fixed x, so only its row changes.
    const Case cases[] = {
        {0, 0, 13, 600, 0, 15},                            // digit 0 is row 1: top + gap
        {0, 0, 13, 600, 1, 15},  {0, 0, 13, 600, 2, 121},  // + gap + card height
        {0, 0, 13, 600, 3, 227}, {0, 0, 13, 600, 4, 333},
        {0, 0, 13, 600, 5, 898},  // screen height - 30 - card height
        {0, 0, 13, 900, 5, 754},  // a window taller than 0.8 screens: its height - 50 - card
        {0, 0, 13, 600, 6, 174},  // halfway between rows 2 and 3
        {1, 0, 13, 600, 1, 30},   // a stock in row 1 pushes row 1 down
        {2, 0, 13, 600, 2, 136},  // a stock in row 2 pushes row 2 down
        {2, 0, 13, 600, 3, 242}, {1, 3, 13, 600, 2, 151},  // so does a stock left of the tableau
        {0, 0, 15, 600, 1, 20},                            // arrangement 015 packs rows 1-3 closer
        {0, 0, 15, 600, 3, 222},
    };
    for (const Case& c : cases) {
        SetStock({c.stockRow, c.stockArrangement, 0});
        SetTableau({c.tableauRow, c.tableauArrangement, 2});
        Layout(Window(780, c.formHeight), {1280, 1024});
        EXPECT_EQ(Tableau(1).y, c.expectedY)
            << "stock row " << c.stockRow << ", tableau " << c.tableauArrangement << " row "
            << c.tableauRow << ", height " << c.formHeight;
    }
}

TEST_F(ComputeLayoutTest, TableauArrangements) {
    struct Case {
        const char* name;
        Group stock;
        Group tableau;
        int wrapRows;
        int width;
        int formHeight;
        ScreenSize screen;
        std::vector<PileOrigin> expected;  // tableau piles from 1
    };
    const Case cases[] = {
        {"002 centred, gap 10",
         {},
         {1, 2, 4},
         0,
         780,
         600,
         {1280, 1024},
         {{232, 15}, {313, 15}, {394, 15}, {475, 15}}},
        {"002 narrow window, gap 5",
         {},
         {1, 2, 2},
         0,
         500,
         600,
         {1280, 1024},
         {{175, 15}, {251, 15}}},
        {"003 right of the stock",
         {1, 3, 2},
         {1, 3, 7},
         0,
         780,
         600,
         {1280, 1024},
         {{121, 30}, {211, 30}, {301, 30}}},
        {"011 two columns for stock and waste",
         {1, 11, 2},
         {1, 11, 7},
         0,
         780,
         600,
         {1280, 1024},
         {{215, 30}, {296, 30}}},
        {"021 tight gap of 2",
         {1, 21, 2},
         {1, 21, 7},
         0,
         780,
         600,
         {1280, 1024},
         {{228, 30}, {301, 30}}},
        {"010 two rows on the centred grid",
         {},
         {1, 10, 8},
         2,
         780,
         600,
         {1280, 1024},
         {{15, 128}, {146, 128}, {277, 128}, {408, 128}, {15, 234}, {146, 234}}},
        {"010 one row",
         {},
         {1, 10, 3},
         1,
         780,
         600,
         {1280, 1024},
         {{15, 128}, {146, 128}, {277, 128}}},
        {"013 fixed left",
         {},
         {1, 13, 3},
         0,
         780,
         600,
         {1280, 1024},
         {{48, 15}, {123, 15}, {198, 15}}},
        {"013 low screen", {}, {1, 13, 2}, 0, 780, 600, {640, 480}, {{8, 15}, {83, 15}}},
        {"018 two rows on the four-row grid",
         {},
         {1, 18, 8},
         2,
         780,
         600,
         {1280, 1024},
         {{20, 75}, {197, 75}, {374, 75}, {551, 75}, {20, 181}}},
        {"018 starting in row 2",
         {},
         {2, 18, 4},
         2,
         780,
         600,
         {1280, 1024},
         {{20, 181}, {302, 181}, {20, 287}}},
    };
    for (const Case& c : cases) {
        SetStock(c.stock);
        SetTableau(c.tableau);
        ctx.rules.Set(rule::kTableauWrapRows, c.wrapRows);
        Layout(Window(c.width, c.formHeight), c.screen);
        for (std::size_t i = 0; i < c.expected.size(); ++i)
            EXPECT_EQ(Tableau(int(i) + 1), c.expected[i]) << c.name << ", pile " << i + 1;
    }
}

TEST_F(ComputeLayoutTest, SqueezedTableauNarrowsItsGapsWhereCentredOneRunsOver) {
    // Nine piles under a stock and waste laid over the first two piles.
    SetStock({1, 4, 2});
    SetTableau({2, 1, 9});
    Layout(Window(780, 600));
    // 001: gap at least 15, the row starts at the margin and runs past W.
    EXPECT_EQ(Tableau(1), (PileOrigin{25, 136}));
    EXPECT_EQ(Tableau(9).x + 71, 25 + 8 * 86 + 71);
    EXPECT_GT(Tableau(9).x + 71, 778);
    EXPECT_EQ(StockGroup(0), (PileOrigin{25, 30}));
    EXPECT_EQ(StockGroup(1), (PileOrigin{111, 30}));

    // 014: the gap shrinks from 13 to 12 instead, with 15 under the stock.
    SetTableau({2, 14, 9});
    Layout(Window(780, 600));
    EXPECT_EQ(Tableau(1).x, 25);
    EXPECT_EQ(Tableau(2).x, 111);
    EXPECT_EQ(Tableau(3).x, 194);
    EXPECT_EQ(Tableau(9).x, 111 + 7 * 83);
    EXPECT_LE(Tableau(9).x + 71, 778);
}

TEST_F(ComputeLayoutTest, SingleSqueezedPileDoesNotDivideByZero) {
    SetStock({1, 4, 1});
    SetTableau({2, 14, 1});
    // W = 78: the pile would start at 3, left of the margin 3 + 15.
    Layout(Window(80, 600), {640, 480});
    EXPECT_EQ(Tableau(1).x, 18 - 2);  // the margin less 2 on a screen narrower than 650
    Layout(Window(80, 600), {1280, 1024});
    EXPECT_EQ(Tableau(1).x, 18);
}

TEST_F(ComputeLayoutTest, StockGroupArrangements) {
    struct Case {
        const char* name;
        Group stock;
        int hasStock;
        int hasWaste;
        PileOrigin stockAt;
        PileOrigin wasteAt;
    };
    // Tableau 002 with four piles: T1 = 232, T2 = 313, whatever the margin.
    const PileOrigin unset{kStockGroupUnset, kStockGroupUnset};
    const Case cases[] = {
        {"004 stock and waste over T1 and T2", {1, 4, 2}, 1, 1, {232, 30}, {313, 30}},
        {"004 only a stock", {1, 4, 1}, 1, 0, {232, 30}, {kStockGroupUnset, 30}},
        {"004 only a waste", {1, 4, 1}, 0, 1, {kStockGroupUnset, 30}, {232, 30}},
        {"005 from the margin", {1, 5, 2}, 1, 1, {25, 30}, {121, 30}},
        {"003 waste under the stock", {1, 3, 2}, 1, 1, {139, 30}, {139, 151}},
        {"003 without waste", {1, 3, 1}, 1, 0, {139, 30}, {kStockGroupUnset, 30}},
        {"011", {1, 11, 2}, 1, 1, {30, 30}, {116, 30}},
        {"013 far left", {1, 13, 2}, 1, 1, {15, 30}, {101, 30}},
        {"016 present pile", {1, 16, 1}, 1, 0, {131, 30}, {kStockGroupUnset, 30}},
        {"019 present pile is the waste", {1, 19, 1}, 0, 1, {kStockGroupUnset, 30}, {101, 30}},
        {"021", {1, 21, 2}, 1, 1, {55, 30}, {146, 30}},
        {"no piles in the group", {1, 5, 0}, 1, 1, unset, unset},
        {"unknown arrangement", {1, 40, 2}, 1, 1, {kStockGroupUnset, 30}, {kStockGroupUnset, 30}},
    };
    for (const Case& c : cases) {
        SetStock(c.stock, c.hasStock, c.hasWaste);
        SetTableau({2, 2, 4});
        Layout(Window(780, 600));
        EXPECT_EQ(StockGroup(0), c.stockAt) << c.name;
        EXPECT_EQ(StockGroup(1), c.wasteAt) << c.name;
    }
}

TEST_F(ComputeLayoutTest, StockAtFarLeftMovesOutForShadows) {
    SetStock({1, 13, 1});
    SetTableau({2, 2, 4});
    ctx.game.layout.shadowMargin = 9;
    Layout(Window(780, 600));
    EXPECT_EQ(StockGroup(0).x, 19);
    Layout(Window(780, 600), {640, 480});
    EXPECT_EQ(StockGroup(0).x, 15);
}

TEST_F(ComputeLayoutTest, FoundationArrangements) {
    struct Case {
        const char* name;
        int arrangement;
        ScreenSize screen;
        std::vector<int> x;  // foundations 1-4
        int y;
    };
    // Seven piles of 001 at 80 + 91 i in row 2 (gap 20); stock and waste
    // at 25 and 121 in row 1.
    const Case cases[] = {
        {"007 over the last piles", 7, {1280, 1024}, {353, 444, 535, 626}, 30},
        {"009 packed right onto the last pile", 9, {1280, 1024}, {395, 472, 549, 626}, 30},
        {"001 spread over the width", 1, {1280, 1024}, {98, 267, 436, 605}, 30},
        {"002 centred", 2, {1280, 1024}, {232, 313, 394, 475}, 30},
        {"008 right-aligned to the window", 8, {1280, 1024}, {389, 485, 581, 677}, 30},
        {"013 as 007", 13, {1280, 1024}, {353, 444, 535, 626}, 30},
        {"013 on a low screen", 13, {640, 480}, {410, 482, 554, 626}, 30},
        {"017 after the waste", 17, {1280, 1024}, {212, 286, 360, 434}, 30},
        {"017 on a low screen", 17, {640, 480}, {202, 274, 346, 418}, 30},
    };
    for (const Case& c : cases) {
        SetStock({1, 5, 2});
        SetTableau({2, 1, 7});
        SetFoundations({1, c.arrangement, 4});
        Layout(Window(780, 600), c.screen);
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(Foundation(i + 1), (PileOrigin{int16_t(c.x[std::size_t(i)]), int16_t(c.y)}))
                << c.name << ", foundation " << i + 1;
    }
}

TEST_F(ComputeLayoutTest, FoundationsOverMoreTableauPilesThanThereAreStayOff) {
    SetTableau({2, 1, 2});
    SetFoundations({1, 7, 4});
    Layout(Window(780, 600));
    EXPECT_FALSE(IsOnTable(ctx.game.layout, {PileList::Dest, 0}));
    EXPECT_FALSE(IsOnTable(ctx.game.layout, {PileList::Dest, 1}));
    EXPECT_EQ(Foundation(3).x, Tableau(1).x);
    EXPECT_EQ(Foundation(4).x, Tableau(2).x);
}

TEST_F(ComputeLayoutTest, ReserveAndExtraPileArrangements) {
    struct Case {
        const char* name;
        Group reserves;
        Group extra;
        std::vector<PileOrigin> reservesAt;
        PileOrigin extraAt;
    };
    const PileOrigin noExtra{kStockGroupUnset, kStockGroupUnset};
    const Case cases[] = {
        {"006 from T1", {3, 6, 3}, {}, {{80, 242}, {157, 242}, {234, 242}}, noExtra},
        {"004 over the first piles", {3, 4, 3}, {}, {{80, 242}, {171, 242}, {262, 242}}, noExtra},
        {"005 from the margin", {3, 5, 3}, {}, {{25, 242}, {121, 242}, {217, 242}}, noExtra},
        {"007 over the last piles", {3, 7, 3}, {}, {{444, 242}, {535, 242}, {626, 242}}, noExtra},
        {"011 under the waste", {3, 11, 1}, {}, {{121, 242}}, noExtra},
        {"012 left of seven piles", {3, 12, 1}, {}, {{-36, 242}}, noExtra},
        {"extra 016 under the stock", {}, {2, 16, 1}, {}, {25, 146}},
        {"extra 016 in row 1", {}, {1, 16, 1}, {}, {25, 146}},
        {"extra 006 over T2", {}, {3, 6, 1}, {}, {171, 242}},
        {"extra 007 over the last pile", {}, {3, 7, 1}, {}, {626, 242}},
    };
    for (const Case& c : cases) {
        SetStock({1, 5, 2});
        SetTableau({2, 1, 7});
        SetReserves(c.reserves);
        SetExtraPile(c.extra);
        Layout(Window(780, 600));
        for (std::size_t i = 0; i < c.reservesAt.size(); ++i)
            EXPECT_EQ(Reserve(int(i) + 1), c.reservesAt[i]) << c.name << ", reserve " << i + 1;
        EXPECT_EQ(StockGroup(2), c.extraAt) << c.name;
    }
}

TEST_F(ComputeLayoutTest, ReserveLeftOfMoreThanSevenPilesComesCloser) {
    SetStock({1, 5, 2});
    SetReserves({3, 12, 1});
    SetTableau({2, 1, 8});
    Layout(Window(780, 600));
    EXPECT_EQ(Reserve(1).x, Tableau(1).x - 71 - 22);
}

TEST_F(ComputeLayoutTest, ArrangementReferringToAnUnplacedTableauStaysOffTheTable) {
    SetStock({1, 16, 1});
    SetFoundations({1, 9, 4});
    SetReserves({3, 6, 4});
    SetExtraPile({3, 6, 1});
    SetTableau({2, 30, 7});  // not an arrangement
    EXPECT_EQ(Layout(Window(780, 600)), LayoutOutcome::kPlaced);
    for (PileRef pile :
         {PileRef{PileList::Fila, 0}, PileRef{PileList::Mazzo, 0}, PileRef{PileList::Mazzo, 2},
          PileRef{PileList::Dest, 0}, PileRef{PileList::Dest, 3}, PileRef{PileList::Appogg, 0},
          PileRef{PileList::Appogg, 3}})
        EXPECT_FALSE(IsOnTable(ctx.game.layout, pile)) << PileKey(pile);
}

TEST_F(ComputeLayoutTest, TableauUnderFoundationsFollowsTheFoundationArrangement) {
    SetTableau({2, 20, 4});
    for (int foundationArrangement : {1, 2}) {
        SetFoundations({1, foundationArrangement, 4});
        Layout(Window(780, 600));
        const int foundationMiddle = Foundation(1).x + Foundation(4).x + 71;
        const int tableauMiddle = Tableau(1).x + Tableau(4).x + 71;
        EXPECT_NEAR(tableauMiddle, foundationMiddle, 1) << foundationArrangement;
        EXPECT_EQ(Tableau(2).x - Tableau(1).x, 81);
        EXPECT_EQ(Tableau(1).y, 121);
    }
    SetFoundations({1, 1, 4});
    Layout(Window(780, 600));
    EXPECT_EQ(Tableau(1).x, 230);
    SetFoundations({1, 2, 4});
    Layout(Window(780, 600));
    EXPECT_EQ(Tableau(1).x, 232);
}

TEST_F(ComputeLayoutTest, ReserveRowPushesACentredTableauAside) {
    // Four reserves from the margin at 10 .. 253 and eight piles of 002 in
    // the same row: the tableau restarts right of the last reserve.
    SetReserves({1, 5, 4});
    SetTableau({1, 2, 8});
    Layout(Window(780, 600));
    EXPECT_EQ(Reserve(4).x, 253);
    EXPECT_EQ(Tableau(1).x, 253 + 71 + 86);
    EXPECT_EQ(Tableau(2).x, 253 + 71 + 86 + 81);

    // Other arrangements take no forced origin.
    SetTableau({1, 1, 8});
    Layout(Window(780, 600));
    EXPECT_EQ(Tableau(1).x, 35);

    // Reserves in another row leave the tableau centred.
    SetReserves({3, 5, 4});
    SetTableau({1, 2, 8});
    Layout(Window(780, 600));
    EXPECT_EQ(Tableau(1).x, 70);
}

TEST_F(ComputeLayoutTest, ScrollOffsetEndsAtTheScrollBarPosition) {
    SetUpKlondike();
    TableWindow window = Window(780, 600);
    window.scrollPosition = 40;
    Layout(window);
    EXPECT_EQ(ctx.game.layout.scrollOffset, 40);
    EXPECT_EQ(Tableau(1).y, 136);  // stored unscrolled
    EXPECT_EQ(OriginOf(ctx.game.layout, {PileList::Fila, 0}), (Point{80, 96}));
}

TEST_F(ComputeLayoutTest, WholeTableCross) {
    SetTableau({0, 52, 5});
    SetFoundations({0, 0, 4});
    SetStock({0, 0, 2});
    ASSERT_EQ(Layout(Window(780, 600)), LayoutOutcome::kPlaced);
    EXPECT_EQ(Tableau(1), (PileOrigin{353, 103}));
    EXPECT_EQ(Tableau(2), (PileOrigin{247, 234}));
    EXPECT_EQ(Tableau(3), (PileOrigin{353, 234}));
    EXPECT_EQ(Tableau(4), (PileOrigin{459, 234}));
    EXPECT_EQ(Tableau(5), (PileOrigin{353, 365}));
    EXPECT_EQ(StockGroup(0), (PileOrigin{106, 103}));
    EXPECT_EQ(StockGroup(1), (PileOrigin{106, 234}));
    EXPECT_EQ(Foundation(1), (PileOrigin{254, 110}));
    EXPECT_EQ(Foundation(2), (PileOrigin{452, 110}));
    EXPECT_EQ(Foundation(3), (PileOrigin{254, 358}));
    EXPECT_EQ(Foundation(4), (PileOrigin{452, 358}));
    // Piles 6-8 are taken off the table; the fill-in copies only a y that
    // reads the stock-group marker, so their own marker stays.
    EXPECT_EQ(Tableau(6), (PileOrigin{kStockGroupUnset, kTableauUnset}));
    EXPECT_EQ(Tableau(8), (PileOrigin{kStockGroupUnset, kTableauUnset}));

    // A low window draws the cross tighter, and no higher than row 1.
    Layout(Window(780, 300));
    EXPECT_EQ(Tableau(3).x - Tableau(2).x, 71 + 25);
    EXPECT_EQ(Tableau(1).y, 10);
}

TEST_F(ComputeLayoutTest, WholeTableFourByFourGrid) {
    SetTableau({0, 51, 16});
    SetStock({0, 0, 1});
    SetExtraPile({0, 0, 1});
    SetFoundations({0, 0, 4});
    ASSERT_EQ(Layout(Window(780, 600)), LayoutOutcome::kPlaced);
    EXPECT_EQ(Tableau(1), (PileOrigin{227, 75}));
    EXPECT_EQ(Tableau(4), (PileOrigin{470, 75}));
    EXPECT_EQ(Tableau(5), (PileOrigin{227, 181}));
    EXPECT_EQ(Tableau(16), (PileOrigin{470, 393}));
    EXPECT_EQ(StockGroup(0), (PileOrigin{86, 234}));
    EXPECT_EQ(StockGroup(2), (PileOrigin{611, 234}));
    // The waste's y reads the stock-group marker and takes the stock's y;
    // the foundations keep their own marker as y.
    EXPECT_EQ(StockGroup(1), (PileOrigin{kStockGroupUnset, 234}));
    EXPECT_EQ(Foundation(1), (PileOrigin{kStockGroupUnset, kFoundationUnset}));
    EXPECT_EQ(Foundation(4), (PileOrigin{kStockGroupUnset, kFoundationUnset}));

    // A narrow window moves the grid right to keep the stock inside.
    Layout(Window(500, 600));
    EXPECT_EQ(Tableau(1).x, 71 + 3 + 15);
    EXPECT_EQ(StockGroup(0).x, 89 - 71 - 15);
}

TEST_F(ComputeLayoutTest, WholeTableRowsOnTheFourRowGrid) {
    SetTableau({0, 53, 12});
    ctx.rules.Set(rule::kTableauWrapRows, 3);
    SetExtraPile({0, 0, 1});
    ASSERT_EQ(Layout(Window(780, 600)), LayoutOutcome::kPlaced);
    EXPECT_EQ(Tableau(1), (PileOrigin{20, 68}));
    EXPECT_EQ(Tableau(4), (PileOrigin{551, 68}));
    EXPECT_EQ(Tableau(5), (PileOrigin{20, 174}));
    EXPECT_EQ(Tableau(12), (PileOrigin{551, 280}));
    EXPECT_EQ(StockGroup(2), (PileOrigin{20, 401}));  // under the tableau

    // A low screen: the narrow gap, the centred three-row grid, and the
    // extra pile right of the last pile.
    TableWindow low = Window(640, 460);
    Layout(low, {640, 480});
    EXPECT_EQ(Tableau(1), (PileOrigin{15, 58}));
    EXPECT_EQ(Tableau(2), (PileOrigin{146, 58}));
    EXPECT_EQ(Tableau(12), (PileOrigin{408, 270}));
    EXPECT_EQ(StockGroup(2), (PileOrigin{539, 270}));

    // One row holds every pile.
    ctx.rules.Set(rule::kTableauWrapRows, 1);
    SetTableau({0, 53, 4});
    Layout(Window(780, 600));
    EXPECT_EQ(Tableau(4).y, Tableau(1).y);
}

TEST_F(ComputeLayoutTest, WholeTableLayoutNotBuiltLeavesEveryPileOff) {
    SetUpKlondike();
    SetTableau({2, 60, 7});
    EXPECT_EQ(Layout(Window(780, 600)), LayoutOutcome::kSpecialLayoutMissing);
    for (int i = 0; i < kFilaPileCount; ++i)
        EXPECT_FALSE(IsOnTable(ctx.game.layout, {PileList::Fila, i}));
    EXPECT_FALSE(IsOnTable(ctx.game.layout, {PileList::Mazzo, 0}));
    EXPECT_FALSE(IsOnTable(ctx.game.layout, {PileList::Dest, 0}));

    // 102 is no whole-table layout: it goes the ordinary way and leaves
    // only the tableau off.
    SetTableau({2, 102, 7});
    EXPECT_EQ(Layout(Window(780, 600)), LayoutOutcome::kPlaced);
    EXPECT_FALSE(IsOnTable(ctx.game.layout, {PileList::Fila, 0}));
    EXPECT_TRUE(IsOnTable(ctx.game.layout, {PileList::Mazzo, 0}));
}

TEST_F(ComputeLayoutTest, UndefinedRowDigitLeavesTheGroupOff) {
    SetUpKlondike();
    SetFoundations({-1, 8, 4});  // the text "-1" starts with no digit
    Layout(Window(780, 600));
    EXPECT_FALSE(IsOnTable(ctx.game.layout, {PileList::Dest, 0}));
    EXPECT_TRUE(IsOnTable(ctx.game.layout, {PileList::Fila, 0}));
}

TEST_F(ComputeLayoutTest, AbsurdWindowSizesSaturateInsteadOfWrapping) {
    SetUpKlondike();
    Layout(Window(200000, 600));
    EXPECT_EQ(Foundation(4).x, 32767);
    Layout(Window(-5000, 600));
    EXPECT_TRUE(IsOnTable(ctx.game.layout, {PileList::Fila, 0}));
}

TEST(TableWindowTest, TopIsTheFirstVisiblePanelOrFive) {
    MainWindowFacts facts;
    facts.windowWidth = 800;
    facts.scrollBarWidth = 16;
    facts.clientHeight = 550;
    facts.windowHeight = 600;
    facts.scrollPosition = 12;
    EXPECT_EQ(MainWindowTable(facts).top, 5);
    facts.smallToolbarBottom = 30;
    EXPECT_EQ(MainWindowTable(facts).top, 30);
    facts.largeToolbarBottom = 50;
    EXPECT_EQ(MainWindowTable(facts).top, 50);
    facts.demoPanelBottom = 80;
    const TableWindow table = MainWindowTable(facts);
    EXPECT_EQ(table.top, 80);
    EXPECT_EQ(table.width, 784);
    EXPECT_EQ(table.bottom, 549);
    EXPECT_EQ(table.formHeight, 600);
    EXPECT_EQ(table.scrollPosition, 12);

    const TableWindow preview = PreviewTable(300, 200);
    EXPECT_EQ(preview.top, 3);
    EXPECT_EQ(preview.width, 300);
    EXPECT_EQ(preview.bottom, 200);
    EXPECT_EQ(preview.formHeight, 200);
}

}  // namespace
}  // namespace vis
