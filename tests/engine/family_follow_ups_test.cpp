#include "engine/family_follow_ups.h"

#include "engine/move_execution_fixture.h"

namespace vis::test {
namespace {

using FamilyFollowUpsTest = PlayTest;

TEST_F(FamilyFollowUpsTest, FourOfAKindOnTopAreDiscarded) {
    ctx.rules.Set(rule::kFamily, 29);
    Lay({PileList::Fila, 0}, "009005018031");  // 9 then the fives of hearts, diamonds, clubs
    Lay({PileList::Fila, 1}, "044");           // the five of spades
    EXPECT_TRUE(Move(44, "Fila1"));
    EXPECT_EQ(Fila(0), "009");
    EXPECT_EQ(Discard(), "044031018005");
    EXPECT_EQ(CountLogged("slide "), 4);

    Lay({PileList::Fila, 2}, "005018031");
    Lay({PileList::Fila, 3}, "045");  // a six does not make four
    EXPECT_TRUE(Move(45, "Fila3"));
    EXPECT_EQ(Fila(2), "005018031045");
}

TEST_F(FamilyFollowUpsTest, TenConsecutiveRanks) {
    struct Case {
        std::vector<CardNumber> cards;
        bool consecutive;
    };
    const Case cases[] = {
        {{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, true},
        {{5, 19, 33, 47, 9, 10, 11, 12, 13, 1}, true},  // King followed by Ace, any suits
        {{105, 2, 3, 4, 5, 6, 7, 8, 9, 10}, true},      // a joker for the Ace
        {{1, 2, 3, 106, 5, 6, 7, 8, 9, 10}, true},
        {{105, 106, 107, 108, 105, 106, 107, 108, 105, 106}, true},
        {{1, 2, 3, 4, 5, 6, 7, 8, 9, 11}, false},
        {{10, 9, 8, 7, 6, 5, 4, 3, 2, 1}, false},  // downwards does not count
        {{1, 2, 106, 3, 4, 5, 6, 7, 8, 9}, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ReadsConsecutiveRanks(c.cards), c.consecutive) << c.cards[0];
}

class RowOfTenTest : public PlayTest {
public:
    RowOfTenTest() {
        ctx.rules.Set(rule::kTableauCount, 25);
        for (int i = 0; i < 25; ++i) ctx.rules.Set(rule::kTableauBuilding + i, 69);
        // Piles 1-9 hold 5 6 7 8 9 10 J Q K; the Ace comes from pile 11.
        for (int i = 0; i < 9; ++i) Lay({PileList::Fila, i}, CardText(5 + i));
        Lay({PileList::Fila, 10}, "040001");
    }
};

TEST_F(RowOfTenTest, ConsecutiveRowIsDiscardedWithTheRestWhenLittleIsLeft) {
    Lay({PileList::Fila, 11}, "041");
    Lay({PileList::Appogg, 0}, "042043");
    const TableState before = State();

    EXPECT_TRUE(Move(1, "Fila10"));
    EXPECT_EQ(hooks.calls, std::vector<std::string>{"fill gaps"});
    EXPECT_EQ(Discard(), "005006007008009010011012013001040041043042");
    for (int i = 0; i < 25; ++i) EXPECT_TRUE(Fila(i).empty()) << i;
    EXPECT_TRUE(Appogg(0).empty());
    EXPECT_EQ(Steps(), 1);

    Undo();
    EXPECT_EQ(State(), before);
}

TEST_F(RowOfTenTest, RestStaysWhileMoreThanEightPilesHoldCards) {
    for (int i = 11; i < 20; ++i) Lay({PileList::Fila, i}, CardText(30 + i));
    EXPECT_TRUE(Move(1, "Fila10"));
    EXPECT_EQ(CardCount(Discard()), 10);
    EXPECT_EQ(Fila(10), "040");
    EXPECT_EQ(Fila(19), "049");
}

TEST_F(RowOfTenTest, BrokenRowStays) {
    Lay({PileList::Fila, 10}, "003");
    EXPECT_TRUE(Move(3, "Fila10"));
    EXPECT_TRUE(Discard().empty());
    EXPECT_EQ(Fila(9), "003");
}

TEST_F(RowOfTenTest, NothingHappensWhileAPileOfTheRowHoldsTwoCards) {
    Lay({PileList::Fila, 0}, "005020");
    EXPECT_TRUE(Move(1, "Fila10"));
    EXPECT_TRUE(hooks.calls.empty());
    EXPECT_TRUE(Discard().empty());
}

TEST_F(FamilyFollowUpsTest, JumpingOverACellRemovesTheJumpedCard) {
    struct Case {
        int from;
        int to;
        int jumped;  // -1: nothing removed
    };
    const Case cases[] = {
        {0, 2, 1},   // along a row
        {2, 0, 1},   // and back
        {0, 6, 3},   // down a column of a grid three wide
        {7, 1, 4},   // up a column
        {0, 4, -1},  // not in a straight line two cells away
        {2, 4, -1},  // two apart, but across the end of a row
    };
    ctx.rules.Set(rule::kGridWidth, 3);
    ctx.rules.Set(rule::kTableauCount, 9);
    for (const Case& c : cases) {
        ctx.piles.Clear();
        for (int i = 0; i < 9; ++i) {
            ctx.rules.Set(rule::kTableauBuilding + i, 71);
            if (i != c.to) Lay({PileList::Fila, i}, CardText(20 + i));
        }
        const CardNumber moving = 20 + c.from;
        EXPECT_TRUE(Move(moving, PileKey({PileList::Fila, c.to})));
        for (int i = 0; i < 9; ++i) {
            const bool shouldBeEmpty = i == c.from || i == c.jumped;
            EXPECT_EQ(Fila(i).empty(), shouldBeEmpty) << c.from << "->" << c.to << " pile " << i;
        }
    }
}

class ClockTest : public PlayTest {
public:
    ClockTest() {
        ctx.rules.Set(rule::kFamily, 40);
        ctx.rules.Set(rule::kTableauCount, 13);
        ctx.rules.Set(rule::kScoreValueB, 140);
        ctx.rules.Set(rule::kWinningScore, 140);
    }
};

TEST_F(ClockTest, CardPlayedOnItsPileGoesUnderAndTheNextShowsItsFace) {
    Lay({PileList::Fila, 2}, "045", 1);  // the six of spades face down
    Lay({PileList::Appogg, 0}, "003");
    EXPECT_TRUE(Move(3, "Fila3"));
    EXPECT_EQ(Fila(2), "003045");
    EXPECT_TRUE(ctx.deck.IsFaceUp(45));
}

TEST_F(ClockTest, ItsOwnRankTurnsTheSamePileAgainWhileItHidesCards) {
    Lay({PileList::Fila, 2}, "045016", 2);  // six of spades, three of diamonds, both face down
    Lay({PileList::Appogg, 0}, "003");
    EXPECT_TRUE(Move(3, "Fila3"));
    EXPECT_EQ(Fila(2), "016003045");
    EXPECT_TRUE(ctx.deck.IsFaceUp(16));
    EXPECT_TRUE(ctx.deck.IsFaceUp(45));
}

TEST_F(ClockTest, FinishedPileHandsOnToTheNextPileThatHidesCards) {
    Lay({PileList::Fila, 2}, "016", 1);  // the three of diamonds face down
    Lay({PileList::Fila, 3}, "017");     // face up: skipped
    Lay({PileList::Fila, 5}, "050", 1);  // the Jack of spades face down
    Lay({PileList::Fila, 1}, "051", 1);  // before the pile: only when none after
    Lay({PileList::Appogg, 0}, "003");
    EXPECT_TRUE(Move(3, "Fila3"));
    EXPECT_EQ(Fila(2), "003016");
    EXPECT_TRUE(ctx.deck.IsFaceUp(50));
    EXPECT_FALSE(ctx.deck.IsFaceUp(51));
}

TEST_F(ClockTest, WithNoPileAfterItTheFirstPileBeforeItTurns) {
    Lay({PileList::Fila, 2}, "016", 1);
    Lay({PileList::Fila, 0}, "051", 1);
    Lay({PileList::Appogg, 0}, "003");
    EXPECT_TRUE(Move(3, "Fila3"));
    EXPECT_TRUE(ctx.deck.IsFaceUp(51));
}

TEST_F(ClockTest, RedrawLetsTheCentrePlayOnFromAKing) {
    Lay({PileList::Fila, 12}, "001013", 1);  // a King face up on a face-down Ace
    ContinueClock(ctx, 12);
    EXPECT_EQ(Fila(12), "013001");
    EXPECT_TRUE(ctx.deck.IsFaceUp(1));
}

TEST_F(ClockTest, FourthKingOnTheCentreLosesTheGame) {
    Lay({PileList::Fila, 12}, "013026039");
    Lay({PileList::Fila, 0}, "040", 1);
    Lay({PileList::Appogg, 0}, "052");
    EXPECT_TRUE(Move(52, "Fila13"));
    EXPECT_EQ(Fila(12), "052013026039");
    EXPECT_EQ(ui.Messages(), std::vector<std::string>{"The game is lost."});
    EXPECT_FALSE(ctx.flags[Flag::kGameInProgress]);
}

TEST_F(FamilyFollowUpsTest, LabelledPilesShowTheirCounts) {
    ctx.rules.Set(rule::kFamily, 42);
    ctx.rules.Set(rule::kTableauCount, 3);
    Lay({PileList::Fila, 0}, "013001002003004005006007008009010011");
    Lay({PileList::Fila, 1}, "040");
    Lay({PileList::Fila, 2}, "042");
    EXPECT_TRUE(Move(42, "Fila1"));
    EXPECT_TRUE(Logged("label 0: Completed (bold)"));
    EXPECT_TRUE(Logged("label 1: 1 card"));
    EXPECT_TRUE(Logged("label 2: 0 cards"));
}

TEST_F(FamilyFollowUpsTest, CompanionFollowsAJackOrKingHomeInTheSameStep) {
    struct Case {
        CardNumber opener;
        int foundation;
        CardNumber companion;
        int home;
    };
    const Case cases[] = {
        {11, 4, 1, 1},   // Jack of hearts; the Ace three places before
        {26, 7, 25, 4},  // King of diamonds; the Queen
        {37, 2, 0, -1},  // no foundation three places before
    };
    ctx.rules.Set(rule::kFamily, 30);
    ctx.rules.Set(rule::kFoundationCount, 8);
    for (const Case& c : cases) {
        ctx.piles.Clear();
        ctx.history.undo.Clear();
        Lay({PileList::Fila, 0}, CardText(c.opener));
        Lay({PileList::Fila, 3}, "046" + CardText(c.companion == 0 ? 27 : c.companion), 1);
        const TableState before = State();
        EXPECT_TRUE(Move(c.opener, PileKey({PileList::Dest, c.foundation})));
        if (c.home >= 0) {
            EXPECT_EQ(Dest(c.home), CardText(c.companion));
            EXPECT_EQ(Fila(3), "046");
        } else {
            EXPECT_EQ(CardCount(Fila(3)), 2);
        }
        Undo(Steps());
        EXPECT_EQ(State(), before) << c.opener;
    }
}

TEST_F(FamilyFollowUpsTest, MemoryGameEndsOnceTheFirstTenPilesHoldCards) {
    ctx.rules.Set(rule::kFamily, 38);
    ctx.rules.Set(rule::kTableauCount, 20);
    for (int i = 0; i < 9; ++i) Lay({PileList::Fila, i}, CardText(53 + i));
    Lay({PileList::Fila, 12}, "070");
    Lay({PileList::Fila, 13}, "071");
    EXPECT_TRUE(Move(71, "Fila12"));
    EXPECT_TRUE(hooks.calls.empty());
    EXPECT_TRUE(Move(70, "Fila10"));
    EXPECT_EQ(hooks.calls, std::vector<std::string>{"memory"});
}

}  // namespace
}  // namespace vis::test
