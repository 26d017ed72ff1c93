#include "model/deal_cards_arrangements.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/deal_test_engine.h"
#include "model/headless_ui.h"

namespace vis {
namespace {

class ArrangementTest : public ::testing::Test {
protected:
    void Arrange(int code) {
        ctx.rules.Set(rule::kDealArrangement, code);
        ApplyFinalArrangement(ctx, engine, list);
    }
    void Reduce(int code, int tableauPiles) {
        ctx.rules.Set(rule::kDealArrangement, code);
        ctx.rules.Set(rule::kTableauCount, tableauPiles);
        ReduceDeck(ctx.rules, list);
    }
    void UsePiles(int foundations, int tableau) {
        ctx.rules.Set(rule::kFoundationCount, foundations);
        ctx.rules.Set(rule::kTableauCount, tableau);
    }
    std::string& Tableau(int i) { return ctx.piles.fila[static_cast<std::size_t>(i)]; }
    std::string& Foundation(int i) { return ctx.piles.dest[static_cast<std::size_t>(i)]; }
    std::string& Stock() { return ctx.piles.mazzo[kStockIndex]; }

    HeadlessUi ui;
    GameContext ctx{ui};
    test::SuitUpDealEngine engine;
    DealList list{{}};
};

TEST_F(ArrangementTest, Code1KingsAtTheBottomSwapWithTheStock) {
    UsePiles(1, 2);
    Tableau(0) = "013";
    Tableau(1) = "005";
    Foundation(0) = "052";
    Stock() = "026002039007";
    Arrange(1);
    // Each king goes on top of the stock face down; the pile gets the first
    // card from the stock's bottom that is no king, face up.
    EXPECT_EQ(Tableau(0), "002");
    EXPECT_EQ(Tableau(1), "005");
    EXPECT_EQ(Foundation(0), "007");
    EXPECT_EQ(Stock(), "026039013052");
    EXPECT_FALSE(ctx.deck.IsFaceUp(13));
    EXPECT_FALSE(ctx.deck.IsFaceUp(52));
    EXPECT_TRUE(ctx.deck.IsFaceUp(2));
}

TEST_F(ArrangementTest, Code1KeepsTheCardsThatLayOnTheKing) {
    UsePiles(0, 1);
    Tableau(0) = "026004";
    Stock() = "009";
    Arrange(1);
    EXPECT_EQ(Tableau(0), "009");
    EXPECT_EQ(Stock(), "004026");
}

TEST_F(ArrangementTest, Codes2And4OpenARowAtEachLeadingCardAndPlayHome) {
    struct Case {
        int code;
        std::vector<CardNumber> list;
        const char* pile0;
        const char* pile1;
    };
    const Case cases[] = {
        {2, {5, 13, 7, 26, 9, 1}, "013005007", "026009"},
        {4, {12, 3, 25, 1, 8}, "012003", "025008"},
    };
    for (const Case& c : cases) {
        ctx.piles.Clear();
        UsePiles(4, 4);
        for (int f = 0; f < 4; ++f) ctx.rules.Set(rule::kFoundationBase + f, 1);
        list = DealList(c.list);
        Arrange(c.code);
        EXPECT_EQ(Tableau(0), c.pile0) << c.code;
        EXPECT_EQ(Tableau(1), c.pile1) << c.code;
        EXPECT_EQ(Foundation(0), "001") << c.code;  // the walk sent the ace home
        EXPECT_TRUE(list.IsEmpty());
        for (CardNumber card : CardsOf(Tableau(0) + Tableau(1)))
            EXPECT_TRUE(ctx.deck.IsFaceUp(card));
    }
}

TEST_F(ArrangementTest, Code3DealsTheTableauAgainWithoutTwoCardsOfOneRankInAPile) {
    UsePiles(0, 2);
    Tableau(0) = "001014002";  // ace, ace, two
    Tableau(1) = "027003040";  // ace, three, ace
    Arrange(3);
    EXPECT_EQ(Tableau(0), "001002003");
    // Only aces are left for the second pile: one slot takes one, the
    // others stay gaps and the remaining aces are out of play.
    EXPECT_EQ(Tableau(1), "014000000");
}

TEST_F(ArrangementTest, Codes5And6PutEachCardOnThePileOfItsRank) {
    UsePiles(0, 13);
    list = DealList({1, 2, 13, 105, 27});
    Arrange(6);
    EXPECT_EQ(Tableau(0), "001027");
    EXPECT_EQ(Tableau(1), "002");
    EXPECT_EQ(Tableau(12), "013");
    EXPECT_EQ(list.Cards(), std::vector<CardNumber>{105});  // no pile for a joker

    ctx.piles.Clear();
    list = DealList({1, 2, 13});
    Arrange(5);
    EXPECT_EQ(Tableau(0), "002");
    EXPECT_EQ(Tableau(11), "013");
    EXPECT_EQ(list.Cards(), std::vector<CardNumber>{1});  // aces have no pile here
}

TEST_F(ArrangementTest, Code7SendsEachBottomCardToItsOwnFoundation) {
    UsePiles(3, 3);
    for (int f = 0; f < 3; ++f) ctx.rules.Set(rule::kFoundationBase + f, 1);
    Tableau(0) = "001005";
    Tableau(1) = "014";
    Tableau(2) = "003";
    Arrange(7);
    EXPECT_EQ(Foundation(0), "001");
    EXPECT_EQ(Tableau(0), "005");
    EXPECT_EQ(Foundation(1), "014");
    EXPECT_EQ(Tableau(1), "");
    EXPECT_EQ(Foundation(2), "");
    EXPECT_EQ(Tableau(2), "003");
}

TEST_F(ArrangementTest, Codes8And15TurnCardsOfOneRankIntoGaps) {
    UsePiles(0, 3);
    Tableau(0) = "001005014";
    Tableau(1) = "013002";
    Arrange(8);
    EXPECT_EQ(Tableau(0), "000005000");
    EXPECT_EQ(Tableau(1), "013002");

    Arrange(15);
    EXPECT_EQ(Tableau(0), "000005000" + std::string(18, '0'));
    EXPECT_EQ(Tableau(1), "000002" + std::string(21, '0'));
    EXPECT_EQ(Tableau(2), std::string(27, '0'));
    EXPECT_EQ(Tableau(3), "");  // not one of the game's piles
}

TEST_F(ArrangementTest, Code9EmptiesThePileOfTheHighestCardInPlay) {
    struct Case {
        int piles;
        CardNumber highest;
    };
    for (const Case c : {Case{10, 10}, Case{20, 33}}) {
        ctx.piles.Clear();
        UsePiles(0, c.piles);
        for (int i = 0; i < c.piles; ++i) Tableau(i) = CardText(c.highest - 4 + i);
        Arrange(9);
        for (int i = 0; i < c.piles; ++i)
            EXPECT_EQ(Tableau(i).empty(), i == 4) << c.piles << " piles, pile " << i;
    }
}

TEST_F(ArrangementTest, Code10EmptiesAPileChosenByTheDealNumber) {
    UsePiles(0, 5);
    struct Case {
        const char* deal;
        int emptied;  // among piles 0-3
    };
    for (const Case c :
         {Case{"7", 3}, Case{"8", 0}, Case{"1234567890123", 3}, Case{"1234567890121", 1}}) {
        for (int round = 0; round < 2; ++round) {
            for (int i = 0; i < 5; ++i) Tableau(i) = CardText(i + 1);
            ctx.state.Set(field::kDealNumber, c.deal);
            Arrange(10);
            for (int i = 0; i < 5; ++i)
                EXPECT_EQ(Tableau(i).empty(), i == c.emptied) << c.deal << " pile " << i;
        }
    }
}

TEST_F(ArrangementTest, Code10WithOnePileEmptiesNothing) {
    UsePiles(0, 1);
    Tableau(0) = "005";
    Arrange(10);
    EXPECT_EQ(Tableau(0), "005");
}

TEST_F(ArrangementTest, Code13TurnsTheNextCardsIntoFoundations) {
    UsePiles(2, 0);
    list = DealList({9, 8, 7});
    Arrange(13);
    EXPECT_EQ(Foundation(0), "009");
    EXPECT_EQ(Foundation(1), "008");
    EXPECT_TRUE(ctx.deck.IsFaceUp(8));
    EXPECT_EQ(list.Cards(), std::vector<CardNumber>{7});
}

TEST_F(ArrangementTest, CodesWithoutAFinalStepLeaveTheTableAlone) {
    UsePiles(4, 4);
    Tableau(0) = "001013";
    list = DealList({5});
    for (int code : {0, 11, 12, 14, 16, -3}) {
        Arrange(code);
        EXPECT_EQ(Tableau(0), "001013") << code;
        EXPECT_EQ(list.Size(), 1) << code;
    }
}

// The deck reductions, on a list in card order.
TEST_F(ArrangementTest, DeckReductions) {
    auto deck = [](int size) {
        std::vector<CardNumber> cards;
        for (CardNumber card = 1; card <= size; ++card) cards.push_back(card);
        return cards;
    };
    struct Case {
        int code;
        int piles;
        std::vector<CardNumber> list;
        std::vector<CardNumber> kept;
    };
    const Case cases[] = {
        {9, 10, deck(52), {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},
        {9, 20, deck(52), {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 27, 28, 29, 30, 31, 32, 33}},
        {11, 4, {40, 15, 1, 53, 2, 17, 14, 3, 105}, {40, 15, 17, 3}},
        {14, 9, {15, 1, 40, 14, 16, 18, 22, 24, 66, 105}, {15, 14, 16, 18, 22}},
        {12, 3, deck(104), {1, 5, 15, 19, 29, 43, 53, 57, 67, 71, 81, 95}},
        {0, 3, {3, 2, 1}, {3, 2, 1}},
    };
    for (const Case& c : cases) {
        list = DealList(c.list);
        Reduce(c.code, c.piles);
        EXPECT_EQ(list.Cards(), c.kept) << "code " << c.code << " with " << c.piles << " piles";
    }
    for (const auto& [piles, kept] : {std::pair{3, 12}, std::pair{4, 24}, std::pair{8, 40}}) {
        list = DealList(deck(104));
        Reduce(12, piles);
        EXPECT_EQ(list.Size(), kept) << piles;
    }
}

}  // namespace
}  // namespace vis
