#include "engine/gathering_redeal.h"

#include "engine/move_execution_fixture.h"
#include "engine/stock.h"

namespace vis::test {
namespace {

TEST(ReorderGatheredTest, UsesNoRandomNumbers) {
    struct Case {
        std::vector<CardNumber> gathered;
        std::vector<CardNumber> dealt;
    };
    // v w x y z: x first, then the index passes the end each time.
    const Case cases[] = {
        {{22, 23, 24, 25, 26}, {24, 22, 23, 25, 26}},
        {{10, 11, 12, 13, 14, 15, 16}, {13, 16, 10, 14, 11, 12, 15}},
        {{2, 1}, {1, 2}},
        {{7}, {7}},
        {{}, {}},
    };
    for (const Case& c : cases) EXPECT_EQ(ReorderGathered(c.gathered), c.dealt);
}

class GatheringRedealTest : public PlayTest {
public:
    GatheringRedealTest() {
        ctx.rules.Set(rule::kTableauCount, 3);
        ctx.rules.Set(rule::kHasStock, 1);
        ctx.rules.Set(rule::kPasses, 3);
        Lay({PileList::Fila, 0}, "001002");
        Lay({PileList::Fila, 1}, "003");
        Lay({PileList::Fila, 2}, "004005006");
    }
    void Type(int type) { ctx.rules.Set(rule::kGatheringRedeal, type); }
    // Press on the empty stock, release over it.
    void Click() {
        PressStock(ctx, hooks, 0);
        ReleaseStock(ctx, hooks);
    }
};

TEST_F(GatheringRedealTest, PressPreparesAndReleaseGathers) {
    Type(2);
    const TableState before = State();
    PressStock(ctx, hooks, 0);
    EXPECT_TRUE(ctx.game.stockPressed);
    EXPECT_EQ(State(), before);
    ReleaseStock(ctx, hooks);
    EXPECT_FALSE(ctx.game.stockPressed);
    EXPECT_EQ(ctx.game.passNumber, 2);
    EXPECT_EQ(ctx.history.undo.log, "003,");
}

TEST_F(GatheringRedealTest, EachTypeLaysTheCardsOutItsWay) {
    struct Case {
        const char* name;
        int type;
        std::string fila0, fila1, fila2, stock, waste;
    };
    // Gathered in pile order, top card first: 002 001 003 006 005 004,
    // reordered to 006 002 001 004 003 005.
    const Case cases[] = {
        {"dealt back in turn", 2, "006004", "002003", "001005", "", ""},
        {"bottom card to the top", 7, "002001", "003", "005006004", "", ""},
        {"gathered from the last pile, nothing dealt", 4, "", "", "", "006005004003002001", ""},
        {"same for type 5", 5, "", "", "", "006005004003002001", ""},
        {"top cards in turn, stock reversed", 11, "", "", "", "004001005002003006", ""},
        {"bottom cards to the waste", 9, "001002", "", "005006", "", "004003"},
    };
    for (const Case& c : cases) {
        ctx.piles.Clear();
        Lay({PileList::Fila, 0}, "001002");
        Lay({PileList::Fila, 1}, "003");
        Lay({PileList::Fila, 2}, "004005006");
        Type(c.type);
        GatheringRedeal(ctx);
        EXPECT_EQ(Fila(0), c.fila0) << c.name;
        EXPECT_EQ(Fila(1), c.fila1) << c.name;
        EXPECT_EQ(Fila(2), c.fila2) << c.name;
        EXPECT_EQ(Stock(), c.stock) << c.name;
        EXPECT_EQ(Waste(), c.waste) << c.name;
        EXPECT_TRUE(IsConsistent(ctx.piles)) << c.name;
    }
}

TEST_F(GatheringRedealTest, FacesAfterTheRedeal) {
    Type(4);
    GatheringRedeal(ctx);
    EXPECT_FALSE(ctx.deck.IsFaceUp(6));  // into the stock face down

    ctx.piles.Clear();
    Lay({PileList::Fila, 0}, "001");
    ctx.rules.Set(rule::kStockGroupPlaced, 1);
    ctx.rules.Set(rule::kHasStock, 0);
    ctx.rules.Set(rule::kHasWaste, 1);
    GatheringRedeal(ctx);
    EXPECT_EQ(Waste(), "001");
    EXPECT_TRUE(ctx.deck.IsFaceUp(1));  // into the waste face up

    ctx.piles.Clear();
    Lay({PileList::Fila, 0}, "001002003");
    ctx.rules.Set(rule::kTableauCount, 1);
    ctx.rules.Set(rule::kTableauCards, 3);
    ctx.rules.Set(rule::kTableauFaceUp, 1);
    Type(2);
    GatheringRedeal(ctx);
    EXPECT_EQ(Fila(0), "002003001");
    EXPECT_FALSE(ctx.deck.IsFaceUp(2));  // dealt face down when not all were face up
    EXPECT_FALSE(ctx.deck.IsFaceUp(3));
    EXPECT_TRUE(ctx.deck.IsFaceUp(1));  // the top card turned up after the deal
}

TEST_F(GatheringRedealTest, FillingTypesFillEachPileToItsDealtSize) {
    Type(1);
    ctx.rules.Set(rule::kTableauCards, 3);
    ctx.rules.Set(rule::kTableauFaceUp, 3);
    GatheringRedeal(ctx);
    EXPECT_EQ(Fila(0), "006002001");
    EXPECT_EQ(Fila(1), "004003005");
    EXPECT_TRUE(Fila(2).empty());
}

TEST_F(GatheringRedealTest, TableauAndReservesGoToTheStockFaceDown) {
    Type(10);
    Lay({PileList::Appogg, 0}, "007008");
    GatheringRedeal(ctx);
    EXPECT_EQ(Stock(), "005007002006001008003004");
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(Fila(i).empty());
    EXPECT_TRUE(Appogg(0).empty());
    EXPECT_FALSE(ctx.deck.IsFaceUp(5));
}

TEST_F(GatheringRedealTest, LeadingRunsStayAndTheRestFillsEachRowToThirteen) {
    Type(8);
    ctx.rules.Set(rule::kTableauCount, 2);
    ctx.piles.Clear();
    Lay({PileList::Fila, 0}, "002003010005");  // 2 3 of hearts kept
    Lay({PileList::Fila, 1}, "015004");        // the 2 of diamonds kept, the 4 of hearts not
    GatheringRedeal(ctx);
    EXPECT_EQ(Fila(0), "002003000010005004");
    EXPECT_EQ(Fila(1), "015000");
    EXPECT_TRUE(Stock().empty());
}

TEST_F(GatheringRedealTest, GatheringPileByTypeAndLayout) {
    struct Case {
        int type;
        int placed, hasStock, hasWaste;
        int pile;
    };
    const Case cases[] = {
        {2, 0, 1, 1, kStockIndex}, {6, 0, 1, 0, kWasteIndex}, {9, 0, 1, 0, kWasteIndex},
        {2, 1, 0, 1, kWasteIndex}, {2, 1, 1, 1, kStockIndex}, {2, 2, 0, 1, kStockIndex},
    };
    for (const Case& c : cases) {
        Type(c.type);
        ctx.rules.Set(rule::kStockGroupPlaced, c.placed);
        ctx.rules.Set(rule::kHasStock, c.hasStock);
        ctx.rules.Set(rule::kHasWaste, c.hasWaste);
        EXPECT_EQ(GatheringPile(ctx).index, c.pile)
            << c.type << c.placed << c.hasStock << c.hasWaste;
    }
}

// The pass counts once whether the gathering leaves the stock empty or
// fills it: undo and redo give the pass back exactly.
TEST_F(GatheringRedealTest, UndoAndRedoKeepThePassExact) {
    for (int type : {2, 4, 11, 7}) {
        ctx.piles.Clear();
        ctx.history.undo.Clear();
        ctx.history.redo.Clear();
        ctx.game.passNumber = 1;
        Lay({PileList::Fila, 0}, "001002");
        Lay({PileList::Fila, 1}, "003");
        Type(type);
        const TableState before = State();
        Click();
        const TableState after = State();
        EXPECT_EQ(after.passNumber, 2) << type;
        Undo();
        EXPECT_EQ(State(), before) << type;
        Redo();
        EXPECT_EQ(State(), after) << type;
    }
}

TEST_F(GatheringRedealTest, NoPassLeftGathersNothing) {
    Type(2);
    ctx.game.passNumber = 3;
    const TableState before = State();
    Click();
    EXPECT_EQ(State(), before);
    EXPECT_FALSE(ctx.game.stockPressed);
}

TEST_F(GatheringRedealTest, EveryPressGathersUnderTypeSix) {
    Type(6);
    ctx.rules.Set(rule::kHasWaste, 0);
    Lay({PileList::Mazzo, kStockIndex}, "040041", 2);
    Click();
    EXPECT_EQ(Stock(), "040041");  // the stock keeps its cards
    EXPECT_EQ(ctx.game.passNumber, 2);
    EXPECT_TRUE(Waste().empty());  // the gathered cards were dealt back
    EXPECT_EQ(CardCount(Fila(0)) + CardCount(Fila(1)) + CardCount(Fila(2)), 6);
}

}  // namespace
}  // namespace vis::test
