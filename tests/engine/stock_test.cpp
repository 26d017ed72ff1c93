#include "engine/stock.h"

#include "engine/move_execution_fixture.h"
#include "engine/stock_deals.h"

namespace vis::test {
namespace {

class StockTest : public PlayTest {
public:
    StockTest() {
        ctx.rules.Set(rule::kHasStock, 1);
        ctx.rules.Set(rule::kHasWaste, 1);
        ctx.rules.Set(rule::kStockFaceDown, 1);
    }
    // A full click on the stock spot: press, then release over it.
    void Click() {
        PressStock(ctx, hooks, TopCard(Stock()));
        ReleaseStock(ctx, hooks);
    }
};

TEST_F(StockTest, ThreePerPressWithTwoLeftDealsBoth) {
    ctx.rules.Set(rule::kCardsPerPress, 3);
    Lay({PileList::Mazzo, kStockIndex}, "040041", 2);
    const TableState before = State();
    Click();
    EXPECT_TRUE(Stock().empty());
    EXPECT_EQ(Waste(), "041040");
    EXPECT_TRUE(ctx.deck.IsFaceUp(40) && ctx.deck.IsFaceUp(41));
    EXPECT_EQ(Steps(), 1);
    EXPECT_EQ(CountLogged("sound event: Stock"), 1);
    EXPECT_EQ(CountLogged("slide "), 2);
    Undo();
    EXPECT_EQ(State(), before);
}

TEST_F(StockTest, TwoPassesAllowExactlyOneRedeal) {
    ctx.rules.Set(rule::kPasses, 2);
    Lay({PileList::Mazzo, kStockIndex}, "001002", 2);
    Click();
    Click();
    EXPECT_EQ(Waste(), "002001");
    Click();  // the redeal
    EXPECT_EQ(ctx.game.passNumber, 2);
    EXPECT_EQ(Stock(), "001002");
    EXPECT_TRUE(Waste().empty());
    // The first card dealt again is the one dealt first before.
    Click();
    EXPECT_EQ(Waste(), "002");
    Click();
    const TableState spent = State();
    const int steps = Steps();
    Click();  // no pass left
    EXPECT_EQ(State(), spent);
    EXPECT_EQ(Steps(), steps);
    EXPECT_FALSE(ctx.game.stockPressed);
}

TEST_F(StockTest, UnlimitedPassesNeverTurnASingleWasteCard) {
    ctx.rules.Set(rule::kPasses, -1);
    Lay({PileList::Mazzo, kWasteIndex}, "001002003");
    for (int pass = 2; pass <= 6; ++pass) {
        Click();
        EXPECT_EQ(ctx.game.passNumber, pass);
        for (int i = 0; i < 3; ++i) Click();
        EXPECT_EQ(Waste(), "001002003");
    }
    ctx.piles.Clear();
    Lay({PileList::Mazzo, kWasteIndex}, "001");
    const TableState before = State();
    Click();
    EXPECT_EQ(State(), before);
}

TEST_F(StockTest, PressingTheEmptyStockAndLeavingDoesNotRedeal) {
    Lay({PileList::Mazzo, kWasteIndex}, "001002003");
    PressStock(ctx, hooks, 0);
    EXPECT_TRUE(ctx.game.stockPressed);
    EXPECT_TRUE(Logged("stock pressed"));
    CancelStockPress(ctx);
    ReleaseStock(ctx, hooks);
    EXPECT_EQ(Waste(), "001002003");
    EXPECT_TRUE(Stock().empty());
    EXPECT_EQ(ctx.game.passNumber, 1);
    EXPECT_EQ(Steps(), 0);
}

TEST_F(StockTest, RedealTurnsTheWasteOverWithTheGamesFace) {
    for (int faceDown : {0, 1}) {
        ctx.piles.Clear();
        ctx.rules.Set(rule::kStockFaceDown, faceDown);
        Lay({PileList::Mazzo, kWasteIndex}, "001002003");
        Click();
        EXPECT_EQ(Stock(), "003002001");
        for (CardNumber card : {1, 2, 3}) EXPECT_EQ(ctx.deck.IsFaceUp(card), faceDown == 0) << card;
    }
}

TEST_F(StockTest, RedealSoundsAndSlidesByTheAnimationSetting) {
    Lay({PileList::Mazzo, kWasteIndex}, "001002");
    Click();
    EXPECT_TRUE(Logged("sound loop: Redeal"));
    EXPECT_EQ(CountLogged("slide "), 2);
    EXPECT_TRUE(Logged("stock redeal mark"));

    ui.ClearLog();
    ctx.state.Set(field::kRedealAnimation, "N");
    ctx.piles.Clear();
    Lay({PileList::Mazzo, kWasteIndex}, "001002");
    Click();
    EXPECT_TRUE(Logged("sound wait: Red_no_a"));
    EXPECT_EQ(CountLogged("slide "), 0);
}

TEST_F(StockTest, RedealIsTakenBackWithItsPass) {
    Lay({PileList::Mazzo, kWasteIndex}, "001002003");
    const TableState before = State();
    Click();
    const TableState after = State();
    Undo();
    EXPECT_EQ(State(), before);
    Redo();
    EXPECT_EQ(State(), after);
}

TEST_F(StockTest, WasteThatMustEmptyFirstHoldsTheStock) {
    ctx.rules.Set(rule::kStockWaitsForWaste, 1);
    Lay({PileList::Mazzo, kStockIndex}, "040041", 2);
    Click();
    Click();
    EXPECT_EQ(Waste(), "041");
    Waste().clear();
    Click();
    EXPECT_EQ(Waste(), "040");
}

TEST_F(StockTest, DealingFromAnEmptyStockRecordsNothing) {
    ctx.rules.Set(rule::kPasses, 1);
    EXPECT_FALSE(Move(0, "Mazzo_Vis"));
    EXPECT_FALSE(Move(0, "Mazzo_Waste"));
    EXPECT_FALSE(Move(0, "Add_Tableaus"));
    EXPECT_EQ(Steps(), 0);
    EXPECT_FALSE(ctx.game.stockPressed);
}

TEST_F(StockTest, SecondWasteTakesTheDealOfItsOwnName) {
    Lay({PileList::Mazzo, kStockIndex}, "040041", 2);
    EXPECT_TRUE(Move(0, "Mazzo_Waste"));
    EXPECT_EQ(Discard(), "041");
    EXPECT_FALSE(Move(0, "Mazzo_Redeal"));  // deals nowhere
    EXPECT_EQ(Stock(), "040");
}

TEST_F(StockTest, CountedDealsMarkTheirSteps) {
    ctx.rules.Set(rule::kFamily, 28);
    Lay({PileList::Mazzo, kStockIndex}, "040041", 2);
    Click();
    Click();
    EXPECT_EQ(ctx.game.dealCounter, 2);
    EXPECT_EQ(ctx.history.undo.log, "002,002,");
    Undo();
    EXPECT_EQ(ctx.game.dealCounter, 1);
}

TEST_F(StockTest, SelectionGamesTakeTheirOwnPress) {
    ctx.rules.Set(rule::kSelectionGame, 13);
    Lay({PileList::Mazzo, kStockIndex}, "040");
    Click();
    EXPECT_EQ(hooks.calls, std::vector<std::string>{"selection stock"});
    EXPECT_EQ(Stock(), "040");

    ctx.rules.Set(rule::kSelectionGame, 0);
    ctx.rules.Set(rule::kFamily, 4);
    hooks.calls.clear();
    Lay({PileList::Dest, 0}, "005");  // a started selection
    Click();
    EXPECT_EQ(hooks.calls, std::vector<std::string>{"select 040"});
    EXPECT_EQ(Stock(), "040");
}

TEST_F(StockTest, RedealDropsTheComingCardFromTheSelection) {
    ctx.rules.Set(rule::kFamily, 4);
    Lay({PileList::Mazzo, kWasteIndex}, "001002003");
    Lay({PileList::Dest, 0}, "010003");  // the selection holds the waste's top card
    Click();
    EXPECT_EQ(Stock(), "003002001");
    EXPECT_EQ(Dest(0), "010");  // it lies at the bottom of the stock now
}

TEST_F(StockTest, DiscardGamesCheckForTheEndAfterAPress) {
    for (int family : {0, 2, 15}) {
        ctx.rules.Set(rule::kFamily, family);
        ctx.flags[Flag::kGameInProgress] = true;
        ctx.flags[Flag::kGameWon] = true;  // the last discard cleared the table
        Click();
        EXPECT_EQ(ctx.flags[Flag::kGameInProgress], family == 0) << family;
    }
}

class NoWasteStockTest : public PlayTest {
public:
    NoWasteStockTest() {
        ctx.rules.Set(rule::kTableauCount, 4);
        ctx.rules.Set(rule::kReserveCount, 2);
        ctx.rules.Set(rule::kHasStock, 1);
        Lay({PileList::Mazzo, kStockIndex}, "030031032033034035036037038039", 10);
        for (int i = 0; i < 4; ++i) Lay({PileList::Fila, i}, CardText(1 + i));
    }
    void SetTableauCodes(std::initializer_list<int> codes) {
        int i = 0;
        for (int code : codes) ctx.rules.Set(rule::kTableauStockDeal + i++, code);
    }
    void SetReserveCodes(std::initializer_list<int> codes) {
        int i = 0;
        for (int code : codes) ctx.rules.Set(rule::kReserveStockDeal + i++, code);
    }
    void Press() { PressStock(ctx, hooks, TopCard(Stock())); }
};

TEST_F(NoWasteStockTest, TableauDealFollowsEachPilesCode) {
    SetTableauCodes({1, 6, 7, 0});
    Fila(2).clear();
    Press();
    EXPECT_EQ(Fila(0), "001039");
    EXPECT_EQ(Fila(1), "002038");
    EXPECT_FALSE(ctx.deck.IsFaceUp(38));  // code 6 deals face down
    EXPECT_TRUE(Fila(2).empty());         // code 7 skips an empty pile
    EXPECT_EQ(Fila(3), "004");            // code 0 takes nothing
    EXPECT_EQ(Steps(), 1);
}

TEST_F(NoWasteStockTest, LastPilesCodeAlsoChoosesTheTableauDeal) {
    SetTableauCodes({0, 1, 1, 1});
    Press();
    EXPECT_EQ(Fila(0), "001");
    EXPECT_EQ(Fila(3), "004037");
}

TEST_F(NoWasteStockTest, TableauAndFaceDownReserveDealIsOneStep) {
    SetTableauCodes({1, 1, 1, 1});
    SetReserveCodes({5, 5});
    ctx.rules.Set(rule::kPasses, 3);
    const TableState before = State();
    Press();
    EXPECT_EQ(Appogg(0), "035");
    EXPECT_EQ(Appogg(1), "034");
    EXPECT_FALSE(ctx.deck.IsFaceUp(35));
    EXPECT_EQ(Steps(), 1);
    Undo();
    EXPECT_EQ(State(), before);

    ctx.game.passNumber = 3;  // the reserves stop at the last pass
    Press();
    EXPECT_TRUE(Appogg(0).empty());

    ctx.rules.Set(rule::kPasses, -1);  // unlimited passes have no last pass
    Press();
    EXPECT_EQ(CardCount(Appogg(0)), 1);
}

TEST_F(NoWasteStockTest, FullTableauIsRequiredBeforeDealing) {
    SetTableauCodes({2, 2, 2, 2});
    Fila(1).clear();
    const TableState before = State();
    Press();
    EXPECT_EQ(ui.Messages(),
              std::vector<std::string>{"Fill in any gaps in the tableau before dealing."});
    EXPECT_EQ(State(), before);
    EXPECT_EQ(Steps(), 0);
    Lay({PileList::Fila, 1}, "002");
    Press();
    EXPECT_EQ(Fila(3), "004036");
}

TEST_F(NoWasteStockTest, ReserveDeals) {
    SetReserveCodes({1, 1});
    Press();
    EXPECT_EQ(Appogg(0), "039");
    EXPECT_EQ(Appogg(1), "038");
    EXPECT_TRUE(ctx.deck.IsFaceUp(39));
}

TEST_F(NoWasteStockTest, LastEightCardsGoToTheTableauOtherwiseTwoReserveDeals) {
    SetReserveCodes({3, 3});
    Press();  // ten cards: two reserve deals, each its own step
    EXPECT_EQ(Appogg(0), "039037");
    EXPECT_EQ(Appogg(1), "038036");
    EXPECT_EQ(Steps(), 2);
    Stock() = "020021022023024025026027";
    Press();  // eight cards: one to every tableau pile
    EXPECT_EQ(Fila(0), "001027");
    EXPECT_EQ(Fila(3), "004024");
}

TEST_F(NoWasteStockTest, ReservesInTurnAreOneCountedStep) {
    SetReserveCodes({4, 4});
    const TableState before = State();
    Press();
    EXPECT_EQ(Appogg(0), "039038037");
    EXPECT_EQ(ctx.game.dealCounter, 1);
    EXPECT_EQ(Steps(), 1);
    EXPECT_EQ(ctx.history.undo.log, "002,");
    Press();
    EXPECT_EQ(Appogg(1), "036035034");
    Undo(2);
    EXPECT_EQ(State(), before);
}

TEST_F(NoWasteStockTest, FourRoundsAreOneStep) {
    SetTableauCodes({8, 0, 0, 0});
    Stock() = "030031032033034035036037038";
    Press();
    EXPECT_EQ(Fila(0), "001038034030");
    EXPECT_EQ(Fila(3), "004035031");
    EXPECT_TRUE(Stock().empty());
    EXPECT_EQ(Steps(), 1);
}

TEST_F(NoWasteStockTest, SecondWastePressDealsThere) {
    ctx.rules.Set(rule::kExtraStockArrangement, 1);
    ctx.rules.Set(rule::kCardsPerPress, 1);
    Press();
    EXPECT_EQ(Discard(), "039");
}

TEST_F(NoWasteStockTest, OneTableauAndOneReserveNames) {
    SetReserveCodes({1, 5});
    EXPECT_TRUE(Move(0, "Add_Tableau_03"));
    EXPECT_EQ(Fila(2), "003039");
    EXPECT_TRUE(Move(0, "Add_Reserve_2"));
    EXPECT_EQ(Appogg(1), "038");
    EXPECT_FALSE(ctx.deck.IsFaceUp(38));
    EXPECT_EQ(Steps(), 2);
}

TEST_F(NoWasteStockTest, StockRunningOutStopsTheDeal) {
    SetTableauCodes({1, 1, 1, 1});
    Stock() = "030031";
    Press();
    EXPECT_EQ(Fila(0), "001031");
    EXPECT_EQ(Fila(1), "002030");
    EXPECT_EQ(Fila(2), "003");
}

TEST_F(NoWasteStockTest, CellLayoutOpensACellForEveryDealtCard) {
    ctx.rules.Set(rule::kTableauFan, 8);
    ctx.rules.Set(rule::kTableauCount, 1);
    SetTableauCodes({1});
    Press();
    EXPECT_EQ(Fila(0), "001000039");
}

TEST_F(NoWasteStockTest, PileDealNames) {
    struct Case {
        const char* name;
        std::optional<PileDealKind> kind;
        int pile;
    };
    const Case cases[] = {
        {"Add_Tableaus", PileDealKind::kTableaus, 0},
        {"Add_Tableaus_Last", PileDealKind::kTableausLast, 0},
        {"Add_Tableau_01", PileDealKind::kOneTableau, 0},
        {"Add_Tableau_28", PileDealKind::kOneTableau, 27},
        {"Add_Tableau_29", std::nullopt, 0},
        {"Add_Tableau_1", std::nullopt, 0},
        {"Add_Tableau_00", std::nullopt, 0},
        {"Add_Reserves", PileDealKind::kReserves, 0},
        {"Add_Reserve_8", PileDealKind::kOneReserve, 7},
        {"Add_Reserve_0", std::nullopt, 0},
        {"Add_Reserve_12", std::nullopt, 0},
        {"Fill_Tableaus", PileDealKind::kFillTableaus, 0},
        {"Add_tableaus", std::nullopt, 0},
    };
    for (const Case& c : cases) {
        const auto deal = ParsePileDeal(c.name);
        ASSERT_EQ(deal.has_value(), c.kind.has_value()) << c.name;
        if (deal) {
            EXPECT_EQ(deal->kind, *c.kind) << c.name;
            EXPECT_EQ(deal->pile, c.pile) << c.name;
        }
    }
}

TEST_F(NoWasteStockTest, DealThatTakesNothingRecordsNothing) {
    SetTableauCodes({0, 0, 0, 0});
    EXPECT_FALSE(Move(0, "Add_Tableaus"));
    EXPECT_EQ(Steps(), 0);
}

}  // namespace
}  // namespace vis::test
