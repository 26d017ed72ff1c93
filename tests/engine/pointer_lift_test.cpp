#include "engine/pointer_table_fixture.h"

namespace vis::test {
namespace {

class LiftTest : public PointerTable {
public:
    // Whether a left press on `card` lifts it; the press is released
    // without a move, which must leave the table as it was.
    bool PressLifts(CardNumber card) {
        const TableState before = State();
        const Point at = On(card);
        Press(at);
        const bool lifted = ctx.game.draggedCard == card;
        Release(at);
        EXPECT_EQ(State(), before) << "after the press on " << CardText(card);
        return lifted;
    }
};

TEST_F(LiftTest, FoundationCardsLiftByTheirRule) {
    struct Case {
        const char* what;
        int rule;
        std::vector<CardNumber> cards;
        bool lifts;
    };
    const Case cases[] = {
        {"never", 0, {H(1), H(2)}, false},
        {"always", 1, {H(1)}, true},
        {"above the base: one card", 2, {H(1)}, false},
        {"above the base: two cards", 2, {H(1), H(2)}, true},
        {"jokers only: a real card", 3, {H(1)}, false},
        {"jokers only: a joker", 3, {H(1), kJoker}, true},
    };
    for (const Case& c : cases) {
        ctx.piles.Clear();
        ctx.rules.Set(rule::kFoundationLift, c.rule);
        std::string text;
        for (CardNumber card : c.cards) text += CardText(card);
        Lay({PileList::Dest, 0}, text);
        EXPECT_EQ(PressLifts(TopCard(text)), c.lifts) << c.what;
    }
}

TEST_F(LiftTest, ReserveWasteAndTableauCards) {
    ctx.rules.Set(rule::kReserveCount, 2);
    ctx.rules.Set(rule::kReserveFan, 1);
    Put("Appogg1", {C(3), C(4)});
    Put("Appogg2", {D(9)}, 1);
    Put("Mazzo_Vis", {C(8)});
    Put("Fila1", {S(5), H(4)});
    EXPECT_TRUE(PressLifts(C(4))) << "reserve top";
    EXPECT_FALSE(PressLifts(C(3))) << "covered reserve card";
    EXPECT_FALSE(PressLifts(D(9))) << "face-down reserve card";
    ctx.rules.Set(rule::kReserveLift, -11);
    EXPECT_TRUE(PressLifts(C(3))) << "any reserve card";
    EXPECT_TRUE(PressLifts(C(8))) << "waste";
    ctx.rules.Set(rule::kWasteLocked, 2);
    EXPECT_FALSE(PressLifts(C(8))) << "locked waste";
    EXPECT_TRUE(PressLifts(S(5))) << "a run";
    ctx.rules.Set(rule::kMoveUnitLimit, 0);
    EXPECT_FALSE(PressLifts(H(4))) << "no tableau card moves";
}

TEST_F(LiftTest, AGridPileLiftsOnlyWithTheColumnBelowItEmpty) {
    // Two rows of three piles: Fila1-3 above Fila4-6.
    ctx.rules.Set(rule::kGridRows, 2);
    ctx.rules.Set(rule::kGridColumns, 3);
    Put("Fila1", {C(5)});
    Put("Fila2", {C(6)});
    Put("Fila4", {C(7)});
    Put("Fila7", {S(9), D(8)});
    EXPECT_FALSE(PressLifts(C(5))) << "Fila4 below holds a card";
    EXPECT_TRUE(PressLifts(C(6))) << "Fila5 below is empty";
    EXPECT_TRUE(PressLifts(C(7))) << "bottom row";
    EXPECT_TRUE(PressLifts(S(9))) << "outside the grid";
}

TEST_F(LiftTest, TheFaceDownBuildingFamilyLiftsOnlyAFaceUpTopCard) {
    ctx.rules.Set(rule::kFamily, 40);
    Put("Fila1", {S(5), H(4)});
    Put("Fila2", {S(7)}, 1);
    EXPECT_TRUE(PressLifts(H(4)));
    EXPECT_FALSE(PressLifts(S(5)));
    Press(On(S(7)));
    EXPECT_FALSE(ctx.deck.IsFaceUp(S(7))) << "not turned by a press";
}

TEST_F(LiftTest, DiscardGamesSendANeighbouringRankStraightToTheDiscard) {
    struct Case {
        const char* what;
        int family;
        CardNumber onDiscard;
        CardNumber pressed;
        bool discarded;
    };
    const Case cases[] = {
        {"one above", 2, C(7), H(8), true},
        {"one below", 2, C(7), H(6), true},
        {"same rank", 2, C(7), H(7), false},
        {"King on Ace without wrap", 2, C(1), H(13), false},
        {"King on Ace with wrap", 12, C(1), H(13), true},
        {"Ace on King with wrap", 15, C(13), H(1), true},
    };
    ctx.rules.Set(rule::kTableauCount, 2);
    for (const Case& c : cases) {
        ctx.piles.Clear();
        ui.ClearLog();
        ctx.rules.Set(rule::kFamily, c.family);
        // A stock to turn: the game goes on after the discard.
        Put("Mazzo", {D(10)});
        Put("Mazzo_Waste", {c.onDiscard});
        Put("Fila1", {S(2), c.pressed});
        Put("Fila2", {S(3)});
        Press(On(c.pressed));
        EXPECT_EQ(TopCard(Pile("Mazzo_Waste")) == c.pressed, c.discarded) << c.what;
        EXPECT_EQ(Logged("beep"), !c.discarded) << c.what;
        EXPECT_EQ(ctx.game.draggedCard, 0) << c.what;
        Release(On(S(3)));
    }
}

TEST_F(LiftTest, DraggingNearTheBottomScrollsTheTable) {
    ui.SetScrollView(
        {.shown = true, .position = 0, .maximum = 200, .tableTop = 40, .clientBottom = 700});
    Put("Fila1", {S(5)});
    Press(On(S(5)));
    MoveTo({30, 698});
    EXPECT_TRUE(Logged("scroll down"));
    EXPECT_EQ(ctx.game.layout.scrollOffset, 50);
    MoveTo({30, 42});
    EXPECT_TRUE(Logged("scroll up"));
    EXPECT_EQ(ctx.game.layout.scrollOffset, 0);
    Release({30, 42});
}

TEST_F(LiftTest, FamilyTwentyThreeCountsDropsOnTheTableau) {
    ctx.rules.Set(rule::kFamily, 23);
    Put("Fila1", {S(6)});
    Put("Fila2", {H(5)});
    ASSERT_TRUE(Drag(H(5), "Fila1"));
    EXPECT_EQ(ctx.history.undo.log, "001,");
}

}  // namespace
}  // namespace vis::test
