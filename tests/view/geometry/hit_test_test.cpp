#include "view/geometry/hit_test.h"

#include <gtest/gtest.h>

#include "view/geometry/layout_fixture.h"

namespace vis {
namespace {

// A small table placed by hand: stock and waste in the top row, a
// foundation and a reserve to their right, two tableau piles below.
class HitTest : public test::LayoutFixture {
protected:
    HitTest() {
        UseDistinctFanSteps();
        TableLayout& layout = ctx.game.layout;
        layout.stockGroup[0] = {10, 10};
        layout.stockGroup[1] = {100, 10};
        layout.foundations[0] = {300, 10};
        layout.reserves[0] = {400, 10};
        layout.tableau[0] = {10, 150};
        layout.tableau[1] = {100, 150};
        ctx.rules.Set(rule::kTableauCount, 2);
        ctx.rules.Set(rule::kFoundationCount, 1);
        ctx.rules.Set(rule::kReserveCount, 1);
        SetFans(1, 0, 1);
        ctx.piles.mazzo[0] = "030031";
        ctx.piles.dest[0] = "014";
        ctx.piles.appogg[0] = "020021";
        ctx.piles.fila[0] = "001002003";
        ctx.deck.SetCardFace(1, kFaceDown);
    }

    struct Expected {
        const char* key;
        CardNumber card;
        Rect rect;
    };
    void ExpectHit(int x, int y, const Expected& e) {
        const PileHit hit = PileAtPoint(ctx, x, y);
        EXPECT_EQ(hit.key, e.key) << "at " << x << ", " << y;
        EXPECT_EQ(hit.card, e.card) << "at " << x << ", " << y;
        EXPECT_EQ(hit.rect, e.rect) << "at " << x << ", " << y;
    }
    static constexpr Expected kNothing{"", 0, {0, 0, 0, 0}};
};

TEST_F(HitTest, DownwardTableauAndThePilesAroundIt) {
    struct Case {
        int x;
        int y;
        Expected expected;
    };
    const Case cases[] = {
        {15, 15, {"Mazzo", 31, {10, 10, 81, 106}}},
        {81, 106, {"Mazzo", 31, {10, 10, 81, 106}}},  // edges belong to the rectangle
        {150, 50, {"Mazzo_Vis", 0, {100, 10, 171, 106}}},
        {20, 152, {"Fila1", 1, {10, 150, 81, 246}}},  // the face-down card's 4 pixels
        {20, 155, {"Fila1", 2, {10, 154, 81, 250}}},
        {20, 260, {"Fila1", 3, {10, 172, 81, 268}}},
        {20, 268, kNothing},   // the pile's last row: no card owns it
        {110, 160, kNothing},  // an empty tableau pile names no pile
        {310, 20, {"Dest1", 14, {300, 10, 371, 106}}},
        {410,
         20,
         {"Appogg1", 20, {400, 10, 471, 124}}},  // a reserve card reaches to the pile's bottom
        {410, 50, {"Appogg1", 21, {400, 28, 471, 124}}},
        {900, 900, kNothing},
        {-5, 15, kNothing},
    };
    for (const Case& c : cases) ExpectHit(c.x, c.y, c.expected);
}

TEST_F(HitTest, EveryReserveCardLiftableGetsItsOwnCardRectangle) {
    ctx.rules.Set(rule::kReserveLift, -11);
    ExpectHit(410, 20, {"Appogg1", 20, {400, 10, 471, 106}});
    ExpectHit(410, 50, {"Appogg1", 21, {400, 28, 471, 124}});
}

TEST_F(HitTest, EmptyReserveAndPilesOffTheTableAreNotHit) {
    ctx.piles.appogg[0].clear();
    ExpectHit(410, 20, kNothing);
    ctx.game.layout.stockGroup[0] = {kStockGroupUnset, kStockGroupUnset};
    ctx.game.layout.foundations[0] = {kFoundationUnset, kFoundationUnset};
    ExpectHit(15, 15, kNothing);
    ExpectHit(310, 20, kNothing);
    // Tableau piles past the game's count are not looked at.
    ctx.game.layout.tableau[2] = {600, 150};
    ctx.piles.fila[2] = "005";
    ExpectHit(610, 160, kNothing);
}

TEST_F(HitTest, SideBySideRowsAreSearchedFromTheLastPile) {
    SetFans(4, 0, 1);
    ctx.piles.fila[0] = "001002";  // reaches from 10 to 158, under pile 2
    ctx.piles.fila[1] = "003";
    struct Case {
        const char* pile2;
        int x;
        Expected expected;
    };
    const Case cases[] = {
        {"003", 120, {"Fila2", 3, {100, 150, 171, 246}}},
        {"003", 90, {"Fila1", 2, {87, 150, 158, 246}}},
        {"003", 84, kNothing},  // in the side gap between two cards
        // A gap in pile 2 lets the card of pile 1 beneath it be found.
        {"000003", 120, {"Fila1", 2, {87, 150, 158, 246}}},
        {"000003", 200, {"Fila2", 3, {177, 150, 248, 246}}},
    };
    for (const Case& c : cases) {
        ctx.piles.fila[1] = c.pile2;
        ExpectHit(c.x, 160, c.expected);
    }
}

TEST_F(HitTest, SquaredAndOneStepFans) {
    SetFans(3, 0, 1);
    ExpectHit(20, 160, {"Fila1", 3, {10, 150, 81, 246}});  // a squared pile shows its top
    ExpectHit(20, 240, {"Fila1", 3, {10, 150, 81, 246}});
    ExpectHit(20, 250, kNothing);

    SetFans(7, 0, 1);
    ExpectHit(20, 160, {"Fila1", 1, {10, 150, 81, 246}});
    ExpectHit(20, 200, {"Fila1", 3, {10, 168, 81, 264}});
    ExpectHit(20, 264, kNothing);
}

TEST_F(HitTest, FoundationsFannedDownOrSideways) {
    ctx.piles.dest[0] = "014015";
    SetFans(1, 1, 1);  // down: only the lowest card place counts
    ExpectHit(310, 15, kNothing);
    ExpectHit(310, 100, {"Dest1", 15, {300, 28, 371, 124}});
    SetFans(1, 2, 1);  // right: the top card's place
    ExpectHit(305, 20, kNothing);
    ExpectHit(380, 20, {"Dest1", 15, {312, 10, 383, 106}});
}

TEST_F(HitTest, GridFans) {
    SetFans(8, 0, 1);
    ctx.rules.Set(rule::kPairingDetail, 2);
    ctx.game.layout.tableau[0] = {10, 20};
    ctx.game.layout.stockGroup[0] = {kStockGroupUnset, kStockGroupUnset};
    ctx.game.layout.stockGroup[1] = {kStockGroupUnset, kStockGroupUnset};
    ctx.piles.fila[0] = "001000002003000004";
    ExpectHit(100, 30, {"Fila1", 3, {93, 20, 164, 116}});  // card 3 lies on card 2
    ExpectHit(100, 200, {"Fila1", 4, {93, 124, 164, 220}});
    ExpectHit(50, 200, kNothing);
    // The grid covers the table, yet a miss there still reaches the foundation.
    ExpectHit(310, 20, {"Dest1", 14, {300, 10, 371, 106}});

    SetFans(9, 0, 1);
    ctx.game.layout.tableau[0] = {10, 150};
    ctx.piles.fila[0] = "001002003";
    ExpectHit(160, 160, {"Fila1", 3, {156, 150, 227, 246}});
    ExpectHit(84, 160, {"Fila1", 2, {83, 150, 154, 246}});
    ExpectHit(230, 160, kNothing);
}

TEST_F(HitTest, ScrolledTable) {
    ctx.game.layout.scrollOffset = 100;
    ctx.game.layout.tableau[0] = {10, 250};
    ctx.game.layout.stockGroup[0] = {kStockGroupUnset, kStockGroupUnset};
    ExpectHit(20, 155, {"Fila1", 2, {10, 154, 81, 250}});
    ExpectHit(15, 15, kNothing);
}

TEST_F(HitTest, PileBottomByFanType) {
    struct Case {
        const char* name;
        const char* key;
        int tableauFan;
        int reserveFan;
        const char* text;
        int expected;
    };
    const Case cases[] = {
        {"empty", "Fila1", 1, 1, "", 246},
        {"down, face down then up", "Fila1", 1, 1, "001002003", 268},
        {"negative top adds nothing", "Fila1", 1, 1, "001-01", 154},
        {"one step", "Fila1", 7, 1, "001002003", 264},
        {"one step, single card", "Fila1", 7, 1, "002", 246},
        {"sideways adds only the card", "Fila1", 2, 1, "001002003", 246},
        {"reserve stack", "Appogg1", 1, 5, "002003004", 112},
        {"stock", "Mazzo", 1, 1, "002003004", 106},
        {"bad key", "Fila0", 1, 1, "", kStockGroupUnset},
    };
    for (const Case& c : cases) {
        SetFans(c.tableauFan, 0, c.reserveFan);
        if (const auto pile = PileByKey(c.key)) ctx.piles.Pile(*pile) = c.text;
        EXPECT_EQ(PileBottom(ctx, c.key), c.expected) << c.name;
    }
}

}  // namespace
}  // namespace vis
