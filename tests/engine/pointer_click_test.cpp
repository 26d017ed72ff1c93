#include "engine/pointer_pile_size_tip.h"
#include "engine/pointer_table_fixture.h"
#include "view/geometry/hit_test.h"

namespace vis::test {
namespace {

class ClickTest : public PointerTable {};

TEST_F(ClickTest, DoubleClickSendsACardHomeAndSwallowsTheSecondPress) {
    Put("Dest1", {H(1), H(2)});
    Put("Fila2", {S(9), H(3)});
    const Point at = On(H(3));
    Press(at);
    Release(at);
    PointerDoubleClick(ctx, autoplayHooks);
    EXPECT_EQ(Pile("Dest1"), PileText({H(1), H(2), H(3)}));
    EXPECT_EQ(Steps(), 1);
    // The press the window reports for the second click lifts nothing, even
    // though a card lies under it now.
    ASSERT_EQ(PileAtPoint(ctx, at.x, at.y).card, S(9));
    Press(at);
    EXPECT_EQ(ctx.game.draggedCard, 0);
    Release(at);
    // The next press is an ordinary one again.
    Press(at);
    EXPECT_EQ(ctx.game.draggedCard, S(9));
    Release(at);
}

TEST_F(ClickTest, DoubleClickFollowsThePreferences) {
    struct Case {
        const char* what;
        const char* toFoundations;
        const char* toTableaus;
        const char* expectedPile;
    };
    const Case cases[] = {
        {"both off", "N", "N", "Fila3"},
        {"foundations", "Y", "N", "Dest1"},
        {"tableaus", "N", "Y", "Fila1"},
        {"foundations come first", "Y", "Y", "Dest1"},
    };
    for (const Case& c : cases) {
        ctx.piles.Clear();
        ctx.game.pointer = {};
        ctx.state.Set(field::kDoubleClickToFoundations, c.toFoundations);
        ctx.state.Set(field::kDoubleClickToTableaus, c.toTableaus);
        Put("Dest1", {H(1)});
        Put("Fila1", {S(3)});
        Put("Fila3", {H(2)});
        ASSERT_TRUE(DoubleClickCard(ctx, autoplayHooks, H(2)));
        EXPECT_EQ(TopCard(Pile(c.expectedPile)), H(2)) << c.what;
    }
}

TEST_F(ClickTest, DoubleClickOnTheStockDealsTwice) {
    Put("Mazzo", {C(4), C(5), C(6)}, 3);
    ASSERT_TRUE(ClickStock(ctx, autoplayHooks));
    PointerDoubleClick(ctx, autoplayHooks);
    ClickStock(ctx, autoplayHooks);
    EXPECT_EQ(Pile("Mazzo_Vis"), PileText({C(6), C(5)}));
}

TEST_F(ClickTest, RightClickMovesOnlyWithItsPreferenceAndCtrlPeeks) {
    Put("Dest1", {H(1)});
    Put("Fila3", {H(2)});
    Put("Fila4", {C(9), H(8), S(7)});
    const TableState before = State();
    Press(On(H(2)), PointerButton::kRight);
    Release(On(H(2)), PointerButton::kRight);
    EXPECT_EQ(State(), before);

    ui.ClearLog();
    Press(On(H(8)), PointerButton::kRight, {.ctrl = true});
    EXPECT_TRUE(Logged("show whole 008 at 280,170"));
    Release(On(H(8)), PointerButton::kRight);
    EXPECT_TRUE(Logged("cover peeked card"));
    EXPECT_EQ(State(), before);
    // Nothing to show on a top card: a beep.
    Press(On(S(7)), PointerButton::kRight, {.ctrl = true});
    EXPECT_TRUE(Logged("beep"));

    ctx.state.Set(field::kRightClickToFoundations, "Y");
    Press(On(H(2)), PointerButton::kRight);
    Release(On(H(2)), PointerButton::kRight);
    EXPECT_EQ(Pile("Dest1"), PileText({H(1), H(2)}));
}

// Holding the right button on a covered card shows it whole, whatever the
// right-click preferences say, unless the press moved it.
TEST_F(ClickTest, RightButtonHeldOnACoveredCardShowsItWhole) {
    // Empty piles take nothing here, so only Fila1 below can take a run.
    for (int i = 0; i < 7; ++i) ctx.rules.Set(rule::kTableauEmpty + i, 0);
    for (const char* preference : {"N", "Y"}) {
        SCOPED_TRACE(preference);
        ctx.piles.Clear();
        ctx.game.pointer = {};
        ctx.state.Set(field::kRightClickToFoundations, preference);
        ctx.state.Set(field::kRightClickToTableaus, preference);
        Put("Fila4", {C(9), H(8), S(7)});
        const TableState before = State();
        ui.ClearLog();
        Press(On(H(8)), PointerButton::kRight);
        EXPECT_TRUE(Logged("show whole 008 at 280,170"));
        Release(On(H(8)), PointerButton::kRight);
        EXPECT_TRUE(Logged("cover peeked card"));
        EXPECT_EQ(State(), before);
        // A top card has nothing hidden: no peek and no beep.
        ui.ClearLog();
        Press(On(S(7)), PointerButton::kRight);
        Release(On(S(7)), PointerButton::kRight);
        EXPECT_FALSE(Logged("show whole"));
        EXPECT_FALSE(Logged("beep"));
    }
    // A covered card whose run the right click moves is moved, not shown.
    ctx.piles.Clear();
    Put("Fila1", {S(9)});
    Put("Fila4", {C(10), H(8), S(7)});
    ui.ClearLog();
    Press(On(H(8)), PointerButton::kRight);
    Release(On(H(8)), PointerButton::kRight);
    EXPECT_EQ(Pile("Fila1"), PileText({S(9), H(8), S(7)}));
    EXPECT_FALSE(Logged("show whole"));
}

TEST_F(ClickTest, StockPressDealsAndAnEmptyStockRedealsOnlyOnReleaseOverIt) {
    Put("Mazzo", {C(4)}, 1);
    ClickStock(ctx, autoplayHooks);
    EXPECT_EQ(Pile("Mazzo_Vis"), PileText({C(4)}));
    Put("Mazzo_Vis", {C(4), C(5)});

    const Point stock{15, 15};
    Press(stock);
    EXPECT_TRUE(ctx.game.stockPressed);
    MoveTo({40, 40});  // still on the stock spot
    EXPECT_TRUE(ctx.game.stockPressed);
    MoveTo({200, 300});  // off it: the redeal is called off
    EXPECT_FALSE(ctx.game.stockPressed);
    Release({200, 300});
    EXPECT_TRUE(Pile("Mazzo").empty());

    Press(stock);
    Release(stock);
    EXPECT_EQ(Pile("Mazzo"), PileText({C(5), C(4)}));
    EXPECT_TRUE(Pile("Mazzo_Vis").empty());
    EXPECT_EQ(ctx.game.passNumber, 2);
}

TEST_F(ClickTest, ClickToMoveGamesMoveOnEveryLeftPress) {
    ctx.rules.Set(rule::kClickToMove, 1);
    Put("Dest1", {H(1)});
    Put("Fila1", {S(3)});
    Put("Fila3", {H(2)});
    Put("Fila5", {D(2)});
    Press(On(H(2)));
    Release(On(H(2)));
    Press(On(D(2)));
    Release(On(D(2)));
    EXPECT_EQ(Pile("Dest1"), PileText({H(1), H(2)}));
    EXPECT_EQ(Pile("Fila1"), PileText({S(3), D(2)}));
}

TEST_F(ClickTest, NoPressCountsDuringADemoOrWithoutAGame) {
    Put("Fila3", {H(2)});
    ctx.flags[Flag::kDemoMode] = true;
    Press(On(H(2)));
    EXPECT_TRUE(Logged("beep"));
    EXPECT_EQ(ctx.game.draggedCard, 0);
    ctx.flags[Flag::kDemoMode] = false;
    ctx.flags[Flag::kGameInProgress] = false;
    ctx.state.Set(field::kShowMainPopupMenu, "Y");
    Press(On(H(2)));
    EXPECT_EQ(ctx.game.draggedCard, 0);
    Press({5, 500}, PointerButton::kRight, {.ctrl = true});
    EXPECT_TRUE(Logged("popup menu at 5,500"));
}

// Records the presses a selection game takes over.
class SelectionHooks : public RecordingHooks {
public:
    void PressInSelectionGame(GameContext&, std::string_view key, CardNumber card,
                              bool rightButton) override {
        calls.push_back(std::string(key) + " " + CardText(card) + (rightButton ? " right" : ""));
    }
};

TEST_F(ClickTest, SelectionGamesTakeOverEveryPressButTheStocksDeal) {
    ctx.rules.Set(rule::kSelectionGame, 1);
    Put("Mazzo", {C(4)}, 1);
    Put("Fila2", {H(9)});
    SelectionHooks selection;
    for (const Point at : {Point{15, 15}, On(H(9))}) {
        PointerDown(ctx, selection, PointerButton::kLeft, {}, at.x, at.y);
        PointerUp(ctx, selection, PointerButton::kLeft, at.x, at.y);
    }
    const Point at = On(H(9));
    PointerDown(ctx, selection, PointerButton::kRight, {.ctrl = true}, at.x, at.y);
    // Every release also runs the gap filling.
    const std::vector<std::string> expected = {"selection stock", "fill gaps", "Fila2 009",
                                               "fill gaps", "Fila2 009 right"};
    EXPECT_EQ(selection.calls, expected);
    EXPECT_EQ(ctx.game.draggedCard, 0);
}

TEST(PileSizeTipTextTest, OneCardOrCards) {
    EXPECT_EQ(PileSizeTipText(1), "1 card");
    EXPECT_EQ(PileSizeTipText(2), "2 cards");
    EXPECT_EQ(PileSizeTipText(52), "52 cards");
}

TEST(PileSizeTipPositionTest, StaysInsideTheWindow) {
    struct Case {
        const char* what;
        Point pointer;
        Point expected;
    };
    // A 60 x 20 panel in an 800 x 600 window.
    const Case cases[] = {
        {"beside the pointer", {100, 100}, {100, 137}},
        {"too far right: left of the pointer", {700, 100}, {638, 137}},
        {"too far down: above the pointer", {100, 540}, {100, 518}},
        {"both", {700, 540}, {638, 518}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PileSizeTipPosition(c.pointer, 60, 20, 800, 600), c.expected) << c.what;
}

TEST_F(ClickTest, PileSizeTipShowsAfterARestOnAPileWithCards) {
    ctx.state.Set(field::kShowPilesSize, "Y");
    Put("Fila1", {S(9)});
    Put("Fila2", {S(9 - 1), H(7), C(6)});
    struct Case {
        const char* what;
        Point at;
        std::string tip;
    };
    const Case cases[] = {
        {"one card", {20, 160}, "1 card"},
        {"three cards", {110, 160}, "3 cards"},
        {"empty pile", {290, 160}, ""},
        {"nothing there", {700, 500}, ""},
    };
    for (const Case& c : cases) {
        MoveTo(c.at);
        PileSizeTipTick(ctx);
        EXPECT_EQ(ui.PileSizeTipShown(), "") << c.what << ": too soon";
        ui.AdvanceClock(kPileSizeTipRestMs);
        PileSizeTipTick(ctx);
        EXPECT_EQ(ui.PileSizeTipShown(), c.tip) << c.what;
        MoveTo({c.at.x + 1, c.at.y});  // a move hides it
        EXPECT_EQ(ui.PileSizeTipShown(), "") << c.what;
    }
    ctx.state.Set(field::kShowPilesSize, "N");
    MoveTo({20, 160});
    ui.AdvanceClock(kPileSizeTipRestMs);
    PileSizeTipTick(ctx);
    EXPECT_EQ(ui.PileSizeTipShown(), "");
}

}  // namespace
}  // namespace vis::test
