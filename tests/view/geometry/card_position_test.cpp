#include "view/geometry/card_position.h"

#include <gtest/gtest.h>

#include "view/geometry/layout_fixture.h"

namespace vis {
namespace {

// Piles placed by hand, big cards, and every fan step different so that a
// wrong step shows.
class CardPositionTest : public test::LayoutFixture {
protected:
    CardPositionTest() {
        UseDistinctFanSteps();
        TableLayout& layout = ctx.game.layout;
        layout.tableau[0] = {100, 200};
        layout.tableau[1] = {10, 20};
        layout.tableau[8] = {300, 200};
        layout.foundations[0] = {400, 10};
        layout.reserves[0] = {500, 10};
        layout.stockGroup[0] = {10, 10};
        // Card 1 face down, the rest face up.
        ctx.deck.SetCardFace(1, kFaceDown);
    }
};

TEST_F(CardPositionTest, EveryFanTypeStepsByItsOwnDistance) {
    struct Case {
        const char* name;
        PileRef pile;
        int tableauFan;
        int foundationFan;
        int reserveFan;
        const char* text;
        int leftOff;
        bool countTop;
        Point expected;
    };
    const PileRef fila1{PileList::Fila, 0};
    const PileRef dest1{PileList::Dest, 0};
    const PileRef appogg1{PileList::Appogg, 0};
    const PileRef stock{PileList::Mazzo, 0};
    const Case cases[] = {
        // Downward fan: 4 after the face-down card, 18 after a face-up one.
        {"down, top card", fila1, 1, 0, 0, "001002003", 0, false, {100, 222}},
        {"down, next place", fila1, 1, 0, 0, "001002003", 0, true, {100, 240}},
        {"down, one left off", fila1, 1, 0, 0, "001002003", 1, false, {100, 204}},
        {"down, one left off, counted", fila1, 1, 0, 0, "001002003", 1, true, {100, 222}},
        {"down, all left off", fila1, 1, 0, 0, "001002003", 3, false, {100, 200}},
        {"down, more left off than cards", fila1, 1, 0, 0, "001002003", 5, true, {100, 200}},
        {"down, empty pile, next place", fila1, 1, 0, 0, "", 0, true, {100, 200}},
        {"down, negative slot adds nothing", fila1, 1, 0, 0, "001-01003", 0, false, {100, 204}},
        {"right", fila1, 2, 0, 0, "001002003", 0, false, {117, 200}},
        {"right, next place", fila1, 2, 0, 0, "001002003", 0, true, {129, 200}},
        {"side by side", fila1, 4, 0, 0, "001002003", 0, false, {254, 200}},
        {"squared", fila1, 3, 0, 0, "001002003", 0, true, {100, 200}},
        {"overlap", fila1, 6, 0, 0, "001002003", 0, false, {114, 200}},
        {"one step, single card", fila1, 7, 0, 0, "002", 0, false, {100, 200}},
        {"one step, single card, next place", fila1, 7, 0, 0, "002", 0, true, {100, 218}},
        {"one step, three cards", fila1, 7, 0, 0, "001002003", 0, false, {100, 218}},
        {"one step, bottom card", fila1, 7, 0, 0, "001002003", 2, false, {100, 218}},
        {"one step, nothing counted", fila1, 7, 0, 0, "", 0, true, {100, 200}},
        {"reserve stack", appogg1, 0, 0, 5, "002003004", 0, false, {500, 16}},
        {"reserve fans by rule 5", appogg1, 2, 0, 1, "002003", 0, true, {500, 46}},
        {"foundation fans by rule 4", dest1, 1, 2, 0, "002003", 0, false, {412, 10}},
        {"foundation without fan", dest1, 1, 0, 0, "002003", 0, true, {400, 10}},
        {"stock never fans", stock, 1, 1, 1, "002003", 0, true, {10, 10}},
    };
    for (const Case& c : cases) {
        SetFans(c.tableauFan, c.foundationFan, c.reserveFan);
        ctx.piles.Pile(c.pile) = c.text;
        EXPECT_EQ(CardPosition(ctx, c.pile, c.leftOff, c.countTop), c.expected) << c.name;
    }
}

TEST_F(CardPositionTest, KeysNameThePileAndUnknownKeysAreOffTheTable) {
    SetFans(1, 0, 0);
    ctx.piles.fila[8] = "002003";
    EXPECT_EQ(CardPosition(ctx, "Fila9", 0, true), (Point{300, 236}));
    EXPECT_LT(CardPosition(ctx, "Fila29", 0, true).x, kOffTableLimit);
    EXPECT_LT(CardPosition(ctx, "Heap1", 0, true).x, kOffTableLimit);
}

TEST_F(CardPositionTest, ScrolledTableMovesEveryPlaceUp) {
    SetFans(1, 0, 0);
    ctx.piles.fila[0] = "002003";
    ctx.game.layout.scrollOffset = 50;
    EXPECT_EQ(CardPosition(ctx, PileRef{PileList::Fila, 0}, 0, true), (Point{100, 186}));
}

TEST_F(CardPositionTest, CellsOfAGridRowSnakeBackEveryOtherRow) {
    SetFans(8, 0, 0);
    const PileRef fila1{PileList::Fila, 0};
    // Cells: card 1 | cards 2 and 3 | card 4. A cell is 71 + 12 wide, 96 + 8 high.
    ctx.piles.fila[0] = "001000002003000004";
    ctx.game.layout.tableau[0] = {10, 20};
    struct Case {
        int cellsPerRow;
        int leftOff;
        bool countTop;
        Point expected;
    };
    const Case cases[] = {
        {2, 0, false, {93, 124}},  // cell 2 opens row 2, which runs right to left
        {2, 0, true, {93, 124}},   // one more card joins the last cell
        {2, 3, false, {93, 20}},   // card 2, cell 1
        {2, 2, false, {93, 20}},   // card 3 shares cell 1
        {3, 0, false, {176, 20}},  // three cells to a row: all in row 1
        {1, 0, false, {10, 228}},  // one cell to a row: cell 2 in row 3
        {0, 0, false, {10, 228}},  // no width at all counts as one cell
    };
    for (const Case& c : cases) {
        ctx.rules.Set(rule::kPairingDetail, c.cellsPerRow);
        EXPECT_EQ(CardPosition(ctx, fila1, c.leftOff, c.countTop), c.expected)
            << c.cellsPerRow << " per row, " << c.leftOff << " left off";
    }

    // -1: as many cells as fit across the screen, 1024 / 83 = 12.
    ctx.rules.Set(rule::kPairingDetail, -1);
    ctx.game.layout.screen = {1024, 768};
    ctx.piles.fila[0] = "001";
    for (int cell = 1; cell <= 12; ++cell) ctx.piles.fila[0] += "000005";
    EXPECT_EQ(CardPosition(ctx, fila1, 0, false), (Point{10 + 11 * 83, 124}));
}

TEST_F(CardPositionTest, CardRowsLieTwoPixelsApart) {
    SetFans(9, 0, 0);
    ctx.piles.fila[1] = "001002003";
    EXPECT_EQ(CardPosition(ctx, PileRef{PileList::Fila, 1}, 0, false), (Point{10 + 2 * 73, 20}));
    EXPECT_EQ(CardPosition(ctx, PileRef{PileList::Fila, 1}, 0, true), (Point{10 + 3 * 73, 20}));
}

TEST_F(CardPositionTest, IrregularPilesShiftTableauCardsSideways) {
    SetFans(1, 0, 1);
    IrregularOffsets& offsets = ctx.game.layout.irregular;
    offsets[0] = {0, 1, 2, -1, -2, 0, 0, 0, 0, 0, 0, 0, 0};
    offsets[2] = {0, -2, -2, -2, -2, -2, -2, -2, -2, -2, -2, -2, -2};
    ctx.piles.fila[0] = "001002003";
    ctx.piles.fila[8] = "002003";
    ctx.piles.appogg[0] = "002003";
    const PileRef fila1{PileList::Fila, 0};

    ctx.state.Set(field::kIrregularPiles, "Y");
    struct Case {
        PileRef pile;
        int leftOff;
        bool countTop;
        int expectedX;
    };
    const Case cases[] = {
        {fila1, 0, false, 102},                  // the top card, slot 2
        {fila1, 0, true, 99},                    // the next place, slot 3
        {fila1, 1, false, 102},                  // with cards left off the column is one further on
        {fila1, 3, false, 100},                  // nothing counted: no offset
        {{PileList::Fila, 8}, 0, false, 298},    // pile 9 uses row 8 mod 6 = 2
        {{PileList::Appogg, 0}, 0, false, 500},  // reserves stay in line
    };
    for (const Case& c : cases)
        EXPECT_EQ(CardPosition(ctx, c.pile, c.leftOff, c.countTop).x, c.expectedX)
            << PileKey(c.pile) << " " << c.leftOff << " " << c.countTop;

    ctx.state.Set(field::kIrregularPiles, "N");
    EXPECT_EQ(CardPosition(ctx, fila1, 0, false).x, 100);
    SetFans(2, 0, 0);
    ctx.state.Set(field::kIrregularPiles, "Y");
    EXPECT_EQ(CardPosition(ctx, fila1, 0, false).x, 117);  // only downward fans wander
}

}  // namespace
}  // namespace vis
