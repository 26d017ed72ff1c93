#include "engine/move_execution.h"

#include "engine/card_removal.h"
#include "engine/move_execution_fixture.h"

namespace vis::test {
namespace {

// Hearts 1-13, diamonds 14-26, clubs 27-39, spades 40-52 (Ace first).
constexpr int kAceHearts = 1;
constexpr int kTwoHearts = 2;
constexpr int kFiveClubs = 31;
constexpr int kSixHearts = 6;
constexpr int kSevenSpades = 46;

using MoveExecutionTest = PlayTest;

TEST_F(MoveExecutionTest, TargetThatNamesNothingChangesNothing) {
    Lay({PileList::Fila, 0}, "001002");
    ctx.history.redo.stock = {"", "", ""};
    ctx.history.redo.log = ",";
    ctx.game.fillCounter = 0;
    const TableState before = State();
    for (const char* target :
         {"", "Dest0", "Dest17", "Dest01", "Fila29", "Fila", "Appogg9", "Appogg0", "Mazz", "Foo",
          "Dest_Autoplay", "Dest_Autoplay17", "Add_Tableau_3", "Add_Tableau_29", "Add_Reserve_9",
          "Add_Reserve_", "Wastes", "Stock2"}) {
        EXPECT_FALSE(Move(kTwoHearts, target)) << target;
        EXPECT_EQ(State(), before) << target;
        EXPECT_EQ(ctx.history.redo.stock.size(), 3u) << target;
        EXPECT_EQ(ctx.game.fillCounter, 0) << target;
    }
    EXPECT_EQ(Steps(), 0);
}

TEST_F(MoveExecutionTest, EveryPileTargetTakesTheCardFaceUpWithItsSound) {
    struct Case {
        const char* target;
        PileRef landing;
        int family;
        const char* sound;  // empty: none
    };
    const Case cases[] = {
        {"Dest1", {PileList::Dest, 0}, 0, "sound event: Foundation"},
        {"Dest16", {PileList::Dest, 15}, 0, "sound event: Foundation"},
        {"Dest_Autoplay2", {PileList::Dest, 1}, 0, "sound event: Autoplay"},
        {"Fila3", {PileList::Fila, 2}, 0, "sound event: Tableau"},
        {"Fila28", {PileList::Fila, 27}, 0, "sound event: Tableau"},
        {"Appogg3", {PileList::Appogg, 2}, 0, "sound event: Tableau"},
        {"Stock02", {PileList::Mazzo, kWasteIndex}, 0, "sound event: Tableau"},
        {"Waste", {PileList::Mazzo, kSecondWasteIndex}, 0, ""},
        {"Waste", {PileList::Mazzo, kSecondWasteIndex}, 12, "sound event: Eddy"},
    };
    for (const Case& c : cases) {
        ctx.piles.Clear();
        ui.ClearLog();
        ctx.history.redo.stock = {"", "", ""};
        ctx.rules.Set(rule::kFamily, c.family);
        Lay({PileList::Fila, 0}, "040007");
        ctx.deck.SetCardFace(7, kFaceDown);  // the moving card shows its face once moved
        const int steps = Steps();

        EXPECT_TRUE(Move(7, c.target)) << c.target;
        EXPECT_EQ(Fila(0), "040") << c.target;
        EXPECT_EQ(ctx.piles.Pile(c.landing), "007") << c.target;
        EXPECT_TRUE(ctx.deck.IsFaceUp(7)) << c.target;
        EXPECT_EQ(Steps(), steps + 1) << c.target;
        EXPECT_TRUE(ctx.history.redo.IsEmpty()) << c.target;
        if (*c.sound != '\0') {
            EXPECT_TRUE(Logged(c.sound)) << c.target;
        }
        EXPECT_EQ(CountLogged("sound event: "), *c.sound != '\0' ? 1 : 0) << c.target;
        EXPECT_TRUE(Logged("repaint " + PileKey(c.landing) + ":  -> 007")) << c.target;
    }
}

TEST_F(MoveExecutionTest, RunKeepsItsOrderAndLowestCardLiesOnTheOldTop) {
    Lay({PileList::Fila, 0}, "013");                 // King of hearts
    Lay({PileList::Fila, 1}, "001051037023009", 1);  // ace face down, then Q, J, 10, 9
    EXPECT_TRUE(Move(51, "Fila1", true));
    EXPECT_EQ(Fila(0), "013051037023009");
    EXPECT_EQ(Fila(1), "001");
}

TEST_F(MoveExecutionTest, RunIntoAReserveThatTakesRunsMovesWhole) {
    Lay({PileList::Fila, 0}, "005004003");
    EXPECT_TRUE(Move(4, "Appogg1", true));
    EXPECT_EQ(Appogg(0), "004003");
    EXPECT_EQ(Fila(0), "005");
}

TEST_F(MoveExecutionTest, RunFlagIsIgnoredForFoundations) {
    Lay({PileList::Fila, 0}, "005001");
    EXPECT_TRUE(Move(kAceHearts, "Dest1", true));
    EXPECT_EQ(Dest(0), "001");
    EXPECT_EQ(Fila(0), "005");
}

TEST_F(MoveExecutionTest, CardNotOnTheTableIsRefusedWithoutAStep) {
    Lay({PileList::Fila, 0}, "005");
    const TableState before = State();
    EXPECT_FALSE(Move(kSixHearts, "Dest1"));
    EXPECT_FALSE(Move(0, "Dest1"));
    EXPECT_EQ(State(), before);
    EXPECT_EQ(Steps(), 0);
}

TEST_F(MoveExecutionTest, OriginsAreFoundInEveryKindOfPile) {
    struct Case {
        PileRef pile;
        OriginKind kind;
    };
    const Case cases[] = {
        {{PileList::Mazzo, kStockIndex}, OriginKind::kStock},
        {{PileList::Mazzo, kWasteIndex}, OriginKind::kWaste},
        {{PileList::Mazzo, kSecondWasteIndex}, OriginKind::kSecondWaste},
        {{PileList::Fila, 27}, OriginKind::kTableau},
        {{PileList::Dest, 15}, OriginKind::kFoundation},
        {{PileList::Appogg, 7}, OriginKind::kReserve},
    };
    for (const Case& c : cases) {
        ctx.piles.Clear();
        Lay(c.pile, "040007041");
        const CardOrigin origin = FindOrigin(ctx.piles, 7);
        EXPECT_EQ(origin.kind, c.kind) << PileKey(c.pile);
        EXPECT_EQ(origin.pile, c.pile);
        EXPECT_EQ(origin.slot, 1);
    }
    ctx.piles.Clear();
    Fila(0) = "000007";
    EXPECT_EQ(FindOrigin(ctx.piles, 0).kind, OriginKind::kNone);  // a gap is not a card
}

TEST_F(MoveExecutionTest, SideBySideRowsKeepAGapWhereTheCardWas) {
    ctx.rules.Set(rule::kTableauFan, 4);
    Lay({PileList::Fila, 0}, "001002003");
    Lay({PileList::Appogg, 0}, "004005");
    EXPECT_TRUE(Move(kTwoHearts, "Dest1"));
    EXPECT_EQ(Fila(0), "001000003");
    EXPECT_TRUE(Move(5, "Dest2"));
    EXPECT_EQ(Appogg(0), "004");  // only the tableau keeps its places
}

TEST_F(MoveExecutionTest, FillPhaseLetsOnlyTableauCardsGoHomeUntilTheFirstHasGone) {
    ctx.rules.Set(rule::kFillPhase, 1);
    ctx.game.fillCounter = 0;
    Lay({PileList::Fila, 0}, "001");
    Lay({PileList::Fila, 1}, "031");
    Lay({PileList::Appogg, 0}, "002");
    Lay({PileList::Mazzo, kStockIndex}, "046");
    ctx.rules.Set(rule::kHasWaste, 1);

    EXPECT_FALSE(Move(kFiveClubs, "Fila3"));  // tableau to tableau
    EXPECT_FALSE(Move(kTwoHearts, "Dest1"));  // reserve to foundation
    EXPECT_FALSE(Move(0, "Mazzo_Vis"));       // stock operations too
    EXPECT_EQ(Steps(), 0);
    EXPECT_EQ(ctx.game.fillCounter, 0);

    EXPECT_TRUE(Move(kAceHearts, "Dest1"));
    EXPECT_EQ(ctx.game.fillCounter, 1);
    EXPECT_TRUE(Move(kFiveClubs, "Fila3"));
    EXPECT_TRUE(Move(0, "Mazzo_Vis"));
}

TEST_F(MoveExecutionTest, FirstMoveFillsTheEmptyPilesOnceAsPartOfItsStep) {
    ctx.rules.Set(rule::kFillAfterFirstMove, 1);
    ctx.rules.Set(rule::kTableauCount, 4);
    ctx.game.fillCounter = 0;
    Lay({PileList::Fila, 0}, "001");
    Lay({PileList::Fila, 1}, "031");
    Lay({PileList::Fila, 3}, "046");
    Lay({PileList::Mazzo, kStockIndex}, "010011012", 3);
    const TableState before = State();

    EXPECT_TRUE(Move(kAceHearts, "Dest1"));
    // Piles 1 and 3 were empty after the move: each took a stock card.
    EXPECT_EQ(Fila(0), "012");
    EXPECT_EQ(Fila(2), "011");
    EXPECT_EQ(Stock(), "010");
    EXPECT_TRUE(ctx.deck.IsFaceUp(12));
    EXPECT_EQ(Steps(), 1);
    EXPECT_EQ(ctx.game.fillCounter, 2);

    EXPECT_TRUE(Move(kFiveClubs, "Dest2"));
    EXPECT_TRUE(Fila(1).empty());  // no second fill
    EXPECT_EQ(Stock(), "010");

    Undo(2);
    EXPECT_EQ(State(), before);
    EXPECT_EQ(ctx.game.fillCounter, 0);
}

TEST_F(MoveExecutionTest, ExposedCardTurnsUpOnlyWhenTheExecutorIsToTurnIt) {
    struct Case {
        const char* automaticFaceUp;
        int ruleAllows;
        bool autoplay;
        bool turned;
    };
    const Case cases[] = {
        {"Y", 1, false, true},
        {"N", 1, false, false},  // left to a click
        {"Y", 0, false, false},  // the game does not allow it
        {"Y", 1, true, false},   // autoplay turns it
    };
    for (const Case& c : cases) {
        ctx.piles.Clear();
        ctx.state.Set(field::kAutomaticFaceUp, c.automaticFaceUp);
        ctx.rules.Set(rule::kAutoFaceUpAllowed, c.ruleAllows);
        hooks.autoplayOn = c.autoplay;
        Lay({PileList::Fila, 0}, "040001", 1);
        EXPECT_TRUE(Move(kAceHearts, "Dest1"));
        EXPECT_EQ(ctx.deck.IsFaceUp(40), c.turned)
            << c.automaticFaceUp << c.ruleAllows << c.autoplay;
    }
}

TEST_F(MoveExecutionTest, TurningUpIsAStepOfItsOwnAndIsDrawnLiftedWithShadows) {
    ctx.state.Set(field::kCardsShadowed, "Y");
    Lay({PileList::Fila, 0}, "040001", 1);
    const TableState before = State();
    EXPECT_TRUE(Move(kAceHearts, "Dest1"));
    EXPECT_EQ(Steps(), 2);
    // Alone on its pile, the card is drawn without itself first.
    EXPECT_TRUE(Logged("repaint Fila1: 040 -> "));
    EXPECT_TRUE(Logged("turn up 040 Fila1/0 lifted"));
    EXPECT_TRUE(Logged("sound event: Face_up"));

    Undo();
    EXPECT_FALSE(ctx.deck.IsFaceUp(40));
    EXPECT_EQ(Dest(0), "001");
    Undo();
    EXPECT_EQ(State(), before);
}

TEST_F(MoveExecutionTest, SortedFoundationsReorderAfterEveryCard) {
    ctx.rules.Set(rule::kSortedFoundations, 1);
    Lay({PileList::Dest, 0}, "005003");
    Lay({PileList::Fila, 0}, "002");
    EXPECT_TRUE(Move(kTwoHearts, "Dest1"));
    EXPECT_EQ(Dest(0), "002003005");
    EXPECT_TRUE(Logged("sound event: Reorder"));
}

TEST_F(MoveExecutionTest, FoundationFollowUpsAskForTheJokerAndTheCompletionMark) {
    Lay({PileList::Fila, 0}, "002");
    ctx.rules.Set(rule::kFoundationBuilding, 72);
    ctx.game.foundationHighlightStyle = 2;
    EXPECT_TRUE(Move(kTwoHearts, "Dest3"));
    EXPECT_EQ(hooks.calls, std::vector<std::string>{"joker 2 002"});
    EXPECT_TRUE(Logged("highlight foundation 2"));
}

TEST_F(MoveExecutionTest, EmptiedStockSpotIsRedrawnOnlyWhenItBecomesEmpty) {
    ctx.rules.Set(rule::kHasWaste, 1);
    Lay({PileList::Mazzo, kStockIndex}, "040", 0);
    Lay({PileList::Mazzo, kWasteIndex}, "001");
    EXPECT_TRUE(Move(kAceHearts, "Dest1"));
    EXPECT_EQ(CountLogged("stock spot"), 0);  // the stock still holds a card
    EXPECT_TRUE(Move(0, "Mazzo_Vis"));
    ui.ClearLog();
    EXPECT_TRUE(Move(40, "Fila1"));           // the last waste card leaves an empty stock group
    EXPECT_EQ(CountLogged("stock spot"), 0);  // it was already spent: one card in the waste
    Lay({PileList::Mazzo, kWasteIndex}, "002003");
    EXPECT_TRUE(Move(3, "Fila2"));
    EXPECT_EQ(CountLogged("stock spot"), 1);
}

TEST_F(MoveExecutionTest, MovedCardBelowTheTableExtentRaisesIt) {
    ctx.game.layout.tableExtent = 500;
    ctx.game.layout.scrollOffset = 40;
    Lay({PileList::Fila, 0}, "001002");
    MoveOptions options;
    options.blockTop = 400;
    options.blockHeight = 96;
    EXPECT_TRUE(
        ExecuteMove(ctx, hooks, vis::Move::Cards(kTwoHearts, {PileList::Fila, 1}), options));
    EXPECT_EQ(ctx.game.layout.tableExtent, 536);
    options.blockTop = 100;
    EXPECT_TRUE(
        ExecuteMove(ctx, hooks, vis::Move::Cards(kTwoHearts, {PileList::Fila, 2}), options));
    EXPECT_EQ(ctx.game.layout.tableExtent, 536);
}

TEST_F(MoveExecutionTest, ScoreFollowsEverySuccessfulMove) {
    Lay({PileList::Fila, 0}, "001");
    EXPECT_TRUE(Move(kAceHearts, "Dest1"));
    EXPECT_EQ(ctx.state.Get(field::kScore), "-47");
    EXPECT_EQ(ui.ScoreShown(), "-47");
}

TEST_F(MoveExecutionTest, LastCardHomeSetsTheDoneFlag) {
    Lay({PileList::Fila, 0}, "001");
    Lay({PileList::Appogg, 0}, "002");
    EXPECT_TRUE(Move(kAceHearts, "Dest1"));
    EXPECT_FALSE(ctx.flags[Flag::kGameWon]);
    EXPECT_TRUE(Move(kTwoHearts, "Dest1"));
    EXPECT_TRUE(ctx.flags[Flag::kGameWon]);
}

TEST_F(MoveExecutionTest, SelectionTargetsGoToTheirHooks) {
    class SelectionHooks : public RecordingHooks {
    public:
        bool RemoveSelection(GameContext&) override { return record("remove"); }
        bool RefillFromStock(GameContext&) override { return record("refill"); }
        bool CloseUpAndRefill(GameContext&) override { return record("close up"); }
        bool record(const char* what) {
            calls.push_back(what);
            return true;
        }
    } selection;
    ctx.history.redo.stock = {"", "", ""};
    EXPECT_TRUE(ExecuteMove(ctx, selection, vis::Move::Operation(MoveKind::kRemoveSelection)));
    EXPECT_TRUE(ctx.history.redo.IsEmpty());
    EXPECT_TRUE(ExecuteMove(ctx, selection, vis::Move::Operation(MoveKind::kRefillFromStock)));
    EXPECT_TRUE(ExecuteMove(ctx, selection, vis::Move::Operation(MoveKind::kCloseUpAndRefill)));
    EXPECT_EQ(selection.calls, (std::vector<std::string>{"remove", "refill", "close up"}));
    EXPECT_FALSE(Move(0, "Selezionate_Dest"));  // the stand-in moves nothing
}

TEST_F(MoveExecutionTest, PokerGridScoresInsteadOfTheScore) {
    class PokerHooks : public RecordingHooks {
    public:
        void ScorePokerGrid(GameContext&, CardNumber placed) override {
            calls.push_back(CardText(placed));
        }
    } poker;
    ctx.rules.Set(rule::kFamily, 9);
    Lay({PileList::Mazzo, kWasteIndex}, "046");
    EXPECT_TRUE(ExecuteMove(ctx, poker, vis::Move::Cards(kSevenSpades, {PileList::Fila, 4})));
    EXPECT_EQ(poker.calls, std::vector<std::string>{"046"});
    EXPECT_TRUE(ctx.state.Get(field::kScore).empty());
}

// Every kind of move, followed by undo of the steps it recorded, gives the
// exact table back.
TEST_F(MoveExecutionTest, EveryMoveIsTakenBackExactly) {
    struct Case {
        const char* name;
        void (*lay)(PlayTest&);
        int card;
        const char* target;
        bool run;
    };
    const Case cases[] = {
        {"to a foundation",
         [](PlayTest& t) {
             t.Lay({PileList::Fila, 0}, "040001", 1);
         },
         1, "Dest1", false},
        {"run to a tableau pile",
         [](PlayTest& t) {
             t.Lay({PileList::Fila, 0}, "013");
             t.Lay({PileList::Fila, 1}, "040051037", 1);
         },
         51, "Fila1", true},
        {"from a reserve",
         [](PlayTest& t) {
             t.Lay({PileList::Appogg, 1}, "001");
         },
         1, "Dest_Autoplay1", false},
        {"back on the waste",
         [](PlayTest& t) {
             t.Lay({PileList::Fila, 3}, "020");
         },
         20, "Stock02", false},
        {"discard",
         [](PlayTest& t) {
             t.Lay({PileList::Fila, 3}, "020");
         },
         20, "Waste", false},
        {"sorted foundation",
         [](PlayTest& t) {
             t.ctx.rules.Set(rule::kSortedFoundations, 1);
             t.Lay({PileList::Dest, 0}, "005003");
             t.Lay({PileList::Fila, 0}, "002");
         },
         2, "Dest1", false},
        {"gap kept",
         [](PlayTest& t) {
             t.ctx.rules.Set(rule::kTableauFan, 4);
             t.Lay({PileList::Fila, 0}, "001002003");
         },
         2, "Fila2", false},
    };
    for (const Case& c : cases) {
        ctx.piles.Clear();
        ctx.rules.Set(rule::kSortedFoundations, 0);
        ctx.rules.Set(rule::kTableauFan, 0);
        c.lay(*this);
        const TableState before = State();
        const int steps = Steps();
        EXPECT_TRUE(Move(c.card, c.target, c.run)) << c.name;
        ASSERT_NE(State(), before) << c.name;
        Undo(Steps() - steps);
        EXPECT_EQ(State(), before) << c.name;
    }
}

}  // namespace
}  // namespace vis::test
