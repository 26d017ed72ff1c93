#include "model/deal_cards.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <string>
#include <vector>

#include "model/deal_cards_families.h"
#include "model/deal_cards_play_home.h"
#include "model/deal_test_engine.h"
#include "model/headless_ui.h"
#include "model/shuffle.h"

namespace vis {
namespace {

constexpr PileRef kStock{PileList::Mazzo, kStockIndex};
constexpr PileRef kWaste{PileList::Mazzo, kWasteIndex};
constexpr PileRef kSecondWaste{PileList::Mazzo, kSecondWasteIndex};

std::string Texts(const std::vector<CardNumber>& cards) {
    std::string text;
    for (CardNumber card : cards) text += CardText(card);
    return text;
}

std::vector<CardNumber> Slice(const std::vector<CardNumber>& cards, int from, int count) {
    return {cards.begin() + from, cards.begin() + from + count};
}

class DealTest : public ::testing::Test {
protected:
    void SetUp() override { ctx.state.Set(field::kDealNumber, "1"); }

    std::vector<CardNumber> Shuffled() const {
        return ShuffleDeck(ctx.rules, ctx.state.Get(field::kDealNumber));
    }

    void Set(int index, int value) { ctx.rules.Set(index, value); }
    void SetEach(int base, int count, int value) {
        for (int i = 0; i < count; ++i) Set(base + i, value);
    }

    // One deck: 24 cards in the stock, seven piles of 1 to 7 with the top
    // card face up, four foundations built from the ace.
    void Klondike() {
        Set(rule::kDeckSize, 52);
        Set(rule::kFoundationCount, 4);
        Set(rule::kTableauCount, 7);
        Set(rule::kStockCards, 24);
        Set(rule::kStockFaceDown, 1);
        SetEach(rule::kFoundationBase, 4, 1);
        for (int j = 0; j < 7; ++j) {
            Set(rule::kTableauCards + j, j + 1);
            Set(rule::kTableauFaceUp + j, 1);
        }
    }

    std::string& Pile(PileRef pile) { return ctx.piles.Pile(pile); }
    std::string& Foundation(int i) { return ctx.piles.dest[static_cast<std::size_t>(i)]; }
    std::string& Tableau(int i) { return ctx.piles.fila[static_cast<std::size_t>(i)]; }
    std::string& Reserve(int i) { return ctx.piles.appogg[static_cast<std::size_t>(i)]; }

    // '1' for each face-up card, bottom first.
    std::string Faces(const std::string& pile) const {
        std::string faces;
        for (CardNumber card : CardsOf(pile)) faces += ctx.deck.IsFaceUp(card) ? '1' : '0';
        return faces;
    }

    std::vector<CardNumber> CardsOnTable() const {
        std::vector<CardNumber> cards;
        for (PileList kind : {PileList::Mazzo, PileList::Dest, PileList::Fila, PileList::Appogg})
            for (int i = 0; i < PileCount(kind); ++i)
                for (CardNumber card : CardsOf(ctx.piles.Pile(kind, i)))
                    if (card != 0) cards.push_back(card);
        std::sort(cards.begin(), cards.end());
        return cards;
    }

    HeadlessUi ui;
    GameContext ctx{ui};
    test::SuitUpDealEngine engine;
};

TEST_F(DealTest, KlondikeLaysTheListOutInOrderStockFirst) {
    Klondike();
    const std::vector<CardNumber> list = Shuffled();
    ASSERT_TRUE(DealCards(ctx, engine));

    EXPECT_EQ(Pile(kStock), Texts(Slice(list, 0, 24)));
    EXPECT_EQ(Faces(Pile(kStock)), std::string(24, '0'));
    int next = 24;
    for (int j = 0; j < 7; ++j) {
        EXPECT_EQ(Tableau(j), Texts(Slice(list, next, j + 1))) << "pile " << j;
        EXPECT_EQ(Faces(Tableau(j)), std::string(static_cast<std::size_t>(j), '0') + "1")
            << "pile " << j;
        next += j + 1;
    }
    for (int i = 0; i < 4; ++i) EXPECT_TRUE(Foundation(i).empty());
    EXPECT_EQ(engine.startingScores, 1);
    EXPECT_EQ(engine.scoredMoves, 0);
}

TEST_F(DealTest, TheSameGameAndDealNumberGiveTheSameTable) {
    HeadlessUi otherUi;
    GameContext other(otherUi);
    for (GameContext* c : {&ctx, &other}) {
        c->state.Set(field::kDealNumber, "5070809010203");
        c->rules.Set(rule::kDeckSize, 104);
        c->rules.Set(rule::kFoundationCount, 8);
        c->rules.Set(rule::kTableauCount, 10);
        c->rules.Set(rule::kBasesFromDeal, 1);
        for (int j = 0; j < 10; ++j) {
            c->rules.Set(rule::kTableauCards + j, 5);
            c->rules.Set(rule::kTableauFaceUp + j, -1);
        }
        c->rules.Set(rule::kStockCards, 40);
        c->rules.Set(rule::kStockFaceDown, 1);
        test::SuitUpDealEngine judge;
        ASSERT_TRUE(DealCards(*c, judge));
    }
    for (PileList kind : {PileList::Mazzo, PileList::Dest, PileList::Fila, PileList::Appogg})
        for (int i = 0; i < PileCount(kind); ++i)
            EXPECT_EQ(ctx.piles.Pile(kind, i), other.piles.Pile(kind, i));
    for (CardNumber card = 1; card <= kLastCard; ++card)
        EXPECT_EQ(ctx.deck.Row(card), other.deck.Row(card));
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(ctx.rules[rule::kFoundationBase + i], other.rules[rule::kFoundationBase + i]);
}

// Games of every shape keep each card of their deck exactly once, with
// the face-up counts the rules give.
TEST_F(DealTest, EveryCardStandsOnceWithTheFacesTheRulesGive) {
    struct Shape {
        const char* name;
        int deck;
        int jokers;
        int stock;
        int waste;
        int piles;
        int perPile;
        int faceUp;  // per tableau pile
        int reserves;
        int perReserve;
    };
    const Shape shapes[] = {
        {"spider", 104, 0, 50, 0, 10, 0, 1, 0, 0},  // piles of 6 and 5 below
        {"freecell", 52, 0, 0, 0, 8, 0, 1000, 0, 0},
        {"jokers and reserves", 52, 2, 24, 1, 4, 5, 2, 3, 3},
        {"short deck", 32, 0, 12, 0, 4, 5, -1, 0, 0},
    };
    for (const char* deal : {"1", "0000000000000", "8642097531864"}) {
        for (const Shape& shape : shapes) {
            HeadlessUi shapeUi;
            GameContext c(shapeUi);
            c.state.Set(field::kDealNumber, deal);
            c.rules.Set(rule::kDeckSize, shape.deck);
            if (shape.jokers > 0) {
                c.rules.Set(rule::kJokersInDeck, 1);
                c.rules.Set(rule::kJokerCount, shape.jokers);
            }
            c.rules.Set(rule::kStockCards, shape.stock);
            c.rules.Set(rule::kStockFaceDown, 1);
            c.rules.Set(rule::kWasteCards, shape.waste);
            c.rules.Set(rule::kTableauCount, shape.piles);
            c.rules.Set(rule::kReserveCount, shape.reserves);
            for (int j = 0; j < shape.piles; ++j) {
                int cards = shape.perPile;
                if (std::string(shape.name) == "spider") cards = j < 4 ? 6 : 5;
                if (std::string(shape.name) == "freecell") cards = j < 4 ? 7 : 6;
                c.rules.Set(rule::kTableauCards + j, cards);
                c.rules.Set(rule::kTableauFaceUp + j, shape.faceUp);
            }
            for (int k = 0; k < shape.reserves; ++k) {
                c.rules.Set(rule::kReserveCards + k, shape.perReserve);
                c.rules.Set(rule::kReserveFaceUp + k, 1);
            }
            test::SuitUpDealEngine judge;
            ASSERT_TRUE(DealCards(c, judge)) << shape.name;

            std::vector<CardNumber> expected = ShuffleDeck(c.rules, deal);
            std::sort(expected.begin(), expected.end());
            std::vector<CardNumber> onTable;
            for (PileList kind :
                 {PileList::Mazzo, PileList::Dest, PileList::Fila, PileList::Appogg})
                for (int i = 0; i < PileCount(kind); ++i)
                    for (CardNumber card : CardsOf(c.piles.Pile(kind, i))) onTable.push_back(card);
            std::sort(onTable.begin(), onTable.end());
            EXPECT_EQ(onTable, expected) << shape.name << " deal " << deal;

            for (CardNumber card : CardsOf(c.piles.mazzo[kStockIndex]))
                EXPECT_FALSE(c.deck.IsFaceUp(card)) << shape.name;
            for (CardNumber card : CardsOf(c.piles.mazzo[kWasteIndex]))
                EXPECT_TRUE(c.deck.IsFaceUp(card)) << shape.name;
            for (int j = 0; j < shape.piles; ++j) {
                const std::string& pile = c.piles.fila[static_cast<std::size_t>(j)];
                for (int p = 0; p < CardCount(pile); ++p) {
                    const bool top = p == CardCount(pile) - 1;
                    bool up = shape.faceUp >= CardCount(pile) || (shape.faceUp == 1 && top) ||
                              (shape.faceUp == 2 && p >= CardCount(pile) - 2);
                    if (shape.faceUp == -1) up = p % 2 == 0;
                    EXPECT_EQ(c.deck.IsFaceUp(CardAt(pile, p)), up)
                        << shape.name << " pile " << j << " card " << p;
                }
            }
            for (int k = 0; k < shape.reserves; ++k) {
                const std::string& reserve = c.piles.appogg[static_cast<std::size_t>(k)];
                ASSERT_EQ(CardCount(reserve), shape.perReserve) << shape.name;
                EXPECT_TRUE(c.deck.IsFaceUp(TopCard(reserve))) << shape.name;
                EXPECT_FALSE(c.deck.IsFaceUp(BottomCard(reserve))) << shape.name;
            }
        }
    }
}

TEST_F(DealTest, StockAndWasteFaces) {
    Set(rule::kDeckSize, 52);
    Set(rule::kStockCards, 30);
    Set(rule::kStockFaceDown, 0);
    Set(rule::kWasteCards, 3);
    Set(rule::kSecondWasteCards, 2);
    const std::vector<CardNumber> list = Shuffled();
    ASSERT_TRUE(DealCards(ctx, engine));
    EXPECT_EQ(Pile(kStock), Texts(Slice(list, 0, 30)));
    EXPECT_EQ(Faces(Pile(kStock)), std::string(30, '1'));
    EXPECT_EQ(Pile(kWaste), Texts(Slice(list, 30, 3)));
    EXPECT_EQ(Faces(Pile(kWaste)), "111");
    EXPECT_EQ(Pile(kSecondWaste), Texts(Slice(list, 33, 2)));
    EXPECT_EQ(Faces(Pile(kSecondWaste)), "11");
}

TEST_F(DealTest, ADealCountBeyondTheCardsLeftDealsWhatRemains) {
    Set(rule::kDeckSize, 52);
    Set(rule::kTableauCount, 2);
    Set(rule::kTableauCards, 40);
    Set(rule::kTableauCards + 1, 40);
    Set(rule::kTableauFaceUp + 1, 1);
    ASSERT_TRUE(DealCards(ctx, engine));
    EXPECT_EQ(CardCount(Tableau(0)), 40);
    EXPECT_EQ(CardCount(Tableau(1)), 12);
    EXPECT_EQ(Faces(Tableau(1)), std::string(11, '0') + "1");
    EXPECT_EQ(static_cast<int>(CardsOnTable().size()), 52);
}

TEST_F(DealTest, AnUnshuffleableDeckDealsNothing) {
    Klondike();
    Set(rule::kDeckSize, 60);
    EXPECT_FALSE(DealCards(ctx, engine));
    EXPECT_TRUE(CardsOnTable().empty());
    EXPECT_EQ(ui.Messages(), std::vector<std::string>{"Error 01 - fnGameNumberCardsArray"});
    EXPECT_EQ(engine.startingScores, 0);
}

// Start codes that name their cards outright.
TEST_F(DealTest, FoundationStartCodesNamingCards) {
    struct Case {
        int code;
        int deck;
        int foundations;
        std::vector<std::string> piles;
        std::vector<int> bases;
    };
    const Case cases[] = {
        {93, 52, 4, {"001", "014", "027", "040"}, {1, 1, 1, 1}},
        {94,
         104,
         8,
         {"001", "014", "027", "040", "053", "066", "079", "092"},
         {1, 1, 1, 1, 1, 1, 1, 1}},
        {95,
         104,
         8,
         {"013", "026", "039", "052", "001", "014", "027", "040"},
         {13, 13, 13, 13, 1, 1, 1, 1}},
        {5, 52, 4, {"005", "018", "031", "044"}, {5, 5, 5, 5}},  // foundation * 13 + code
        {112, 52, 2, {"012", ""}, {12, 0}},  // card code - 100; the second would need it again
        {0, 52, 2, {"", ""}, {0, 0}},
    };
    for (const Case& c : cases) {
        HeadlessUi caseUi;
        GameContext game(caseUi);
        game.state.Set(field::kDealNumber, "1");
        game.rules.Set(rule::kDeckSize, c.deck);
        game.rules.Set(rule::kFoundationCount, c.foundations);
        game.rules.Set(rule::kStockCards, c.deck);
        for (int j = 0; j < c.foundations; ++j) game.rules.Set(rule::kFoundationStart + j, c.code);
        test::SuitUpDealEngine judge;
        ASSERT_TRUE(DealCards(game, judge));
        for (int j = 0; j < c.foundations; ++j) {
            const std::string& expected = c.piles[static_cast<std::size_t>(j)];
            EXPECT_EQ(game.piles.dest[static_cast<std::size_t>(j)], expected)
                << "code " << c.code << " f " << j;
            EXPECT_EQ(game.rules[rule::kFoundationBase + j], c.bases[static_cast<std::size_t>(j)])
                << "code " << c.code << " f " << j;
            for (CardNumber card : CardsOf(expected)) {
                EXPECT_TRUE(game.deck.IsFaceUp(card));
                EXPECT_EQ(FindCard(game.piles.mazzo[kStockIndex], card), -1)
                    << "card " << card << " twice";
            }
        }
        int cards = CardCount(game.piles.mazzo[kStockIndex]);
        for (const auto& pile : game.piles.dest) cards += CardCount(pile);
        EXPECT_EQ(cards, c.deck) << "code " << c.code;
    }
}

TEST_F(DealTest, FoundationStartCodesReadingTheList) {
    Set(rule::kDeckSize, 52);
    Set(rule::kFoundationCount, 4);
    const std::vector<CardNumber> list = Shuffled();  // 040 004 043 039 015 006 ...

    SetEach(rule::kFoundationStart, 4, 20);  // the first card each time
    ASSERT_TRUE(DealCards(ctx, engine));
    EXPECT_EQ(Foundation(0) + Foundation(1) + Foundation(2) + Foundation(3),
              Texts(Slice(list, 0, 4)));
    EXPECT_EQ(ctx.rules[rule::kFoundationBase + 2], RankOf(list[2]));

    ctx.piles.Clear();
    SetEach(rule::kFoundationStart, 4,
            21);  // a suit not started yet: spades, hearts, clubs, diamonds
    ASSERT_TRUE(DealCards(ctx, engine));
    EXPECT_EQ(Foundation(0), "040");
    EXPECT_EQ(Foundation(1), "004");
    EXPECT_EQ(Foundation(2), "039");
    EXPECT_EQ(Foundation(3), "015");

    ctx.piles.Clear();
    SetEach(rule::kFoundationStart, 4, 0);
    Set(rule::kFoundationStart, 63);      // the first king of the list
    Set(rule::kFoundationStart + 1, 51);  // the first ace
    Set(rule::kFoundationStart + 2, 92);  // no card: foundation 0's base
    ASSERT_TRUE(DealCards(ctx, engine));
    EXPECT_EQ(Foundation(0), "039");
    EXPECT_EQ(Foundation(1), "040");
    EXPECT_EQ(Foundation(2), "");
    EXPECT_EQ(ctx.rules[rule::kFoundationBase + 2], 13);
}

TEST_F(DealTest, StartCode91WrapsOntoTheFirstCardForTheLastFoundation) {
    // Deal 158 starts its list with card 52: the fourth foundation wraps
    // round to card 52 itself, not to an empty slot.
    ctx.state.Set(field::kDealNumber, "158");
    Set(rule::kDeckSize, 52);
    Set(rule::kFoundationCount, 4);
    SetEach(rule::kFoundationStart, 4, 91);
    Set(rule::kStockCards, 52);
    ASSERT_EQ(Shuffled().front(), 52);
    ASSERT_TRUE(DealCards(ctx, engine));
    EXPECT_EQ(Foundation(0), "013");
    EXPECT_EQ(Foundation(1), "026");
    EXPECT_EQ(Foundation(2), "039");
    EXPECT_EQ(Foundation(3), "052");
    for (int f = 0; f < 4; ++f) EXPECT_EQ(ctx.rules[rule::kFoundationBase + f], 13);
    EXPECT_EQ(static_cast<int>(CardsOnTable().size()), 52);
}

TEST_F(DealTest, SecondWasteStartCard) {
    for (int code : {27, 127}) {
        ctx.piles.Clear();
        Set(rule::kDeckSize, 52);
        Set(rule::kStockCards, 52);
        Set(rule::kSecondWasteCard, code);
        ASSERT_TRUE(DealCards(ctx, engine));
        EXPECT_EQ(Pile(kSecondWaste), "027") << code;
        EXPECT_TRUE(ctx.deck.IsFaceUp(27));
        EXPECT_EQ(CardCount(Pile(kStock)), 51) << code;
    }
}

TEST_F(DealTest, TableauPilesWithAChosenCard) {
    Set(rule::kDeckSize, 52);
    Set(rule::kJokersInDeck, 1);
    Set(rule::kJokerCount, 2);
    Set(rule::kTableauCount, 3);
    Set(rule::kTableauCards, 1013);  // the first king
    Set(rule::kTableauCards + 1, 1502);
    Set(rule::kTableauFaceUp + 1, 0);
    Set(rule::kTableauCards + 2, 1001);
    Set(rule::kTableauFaceUp + 2, 1);
    Set(rule::kStockCards, 60);
    const std::vector<CardNumber> list = Shuffled();
    const CardNumber firstKing =
        *std::find_if(list.begin(), list.end(), [](CardNumber c) { return RankOf(c) == 13; });
    const CardNumber firstAce =
        *std::find_if(list.begin(), list.end(), [](CardNumber c) { return RankOf(c) == 1; });
    ASSERT_TRUE(DealCards(ctx, engine));
    EXPECT_EQ(Tableau(0), CardText(firstKing));
    EXPECT_FALSE(ctx.deck.IsFaceUp(firstKing));
    EXPECT_EQ(Tableau(1), "106");
    EXPECT_TRUE(ctx.deck.IsFaceUp(106));
    EXPECT_EQ(Tableau(2), CardText(firstAce));
    EXPECT_TRUE(ctx.deck.IsFaceUp(firstAce));
    EXPECT_EQ(static_cast<int>(CardsOnTable().size()), 54);
}

TEST_F(DealTest, FoundationBasesFromTheDeal) {
    // One card to foundation 0 sets every base; with jokers, deal "1"
    // starts with joker 107, whose base is -2.
    Set(rule::kDeckSize, 52);
    Set(rule::kJokersInDeck, 1);
    Set(rule::kJokerCount, 4);
    Set(rule::kFoundationCount, 4);
    Set(rule::kBasesFromDeal, 1);
    ASSERT_TRUE(DealCards(ctx, engine));
    EXPECT_EQ(Foundation(0), "107");
    for (int i = 0; i < 16; ++i) EXPECT_EQ(ctx.rules[rule::kFoundationBase + i], -2);

    // One card to each: all take the rank of foundation 0's card.
    ctx.piles.Clear();
    ctx.rules.Clear();
    Set(rule::kDeckSize, 52);
    Set(rule::kFoundationCount, 3);
    Set(rule::kBasesFromDeal, 2);
    SetEach(rule::kFoundationBase + 3, 13, 9);
    ASSERT_TRUE(DealCards(ctx, engine));
    EXPECT_EQ(Foundation(0) + Foundation(1) + Foundation(2), "040004043");
    EXPECT_EQ(Faces(Foundation(0) + Foundation(1) + Foundation(2)), "111");
    for (int i = 0; i < 3; ++i) EXPECT_EQ(ctx.rules[rule::kFoundationBase + i], 1);
    EXPECT_EQ(ctx.rules[rule::kFoundationBase + 3], 9);

    // One rank above the bottom card of the matching reserve; a reserve
    // without cards leaves its foundation's base alone.
    ctx.piles.Clear();
    ctx.rules.Clear();
    Set(rule::kDeckSize, 52);
    Set(rule::kFoundationCount, 3);
    Set(rule::kReserveCount, 2);
    Set(rule::kReserveCards, 2);
    Set(rule::kReserveCards + 1, 1);
    Set(rule::kFoundationBase + 2, 6);
    Set(rule::kBasesFromDeal, 3);
    ASSERT_TRUE(DealCards(ctx, engine));
    EXPECT_EQ(Reserve(0), "040004");  // ace of spades at the bottom
    EXPECT_EQ(Reserve(1), "043");     // four of spades
    EXPECT_EQ(ctx.rules[rule::kFoundationBase], 2);
    EXPECT_EQ(ctx.rules[rule::kFoundationBase + 1], 5);
    EXPECT_EQ(ctx.rules[rule::kFoundationBase + 2], 6);
}

TEST_F(DealTest, FillRule91BecomesOneRankBelowTheFirstBase) {
    struct Case {
        int base;
        int fill;
    };
    for (const Case c : {Case{1, 13}, Case{7, 6}, Case{13, 12}}) {
        ctx.rules.Clear();
        Set(rule::kDeckSize, 52);
        Set(rule::kStockCards, 52);
        Set(rule::kFoundationBase, c.base);
        Set(rule::kTableauEmpty + 3, 91);
        Set(rule::kTableauEmpty + 27, 91);
        Set(rule::kTableauEmpty + 4, -1);
        ASSERT_TRUE(DealCards(ctx, engine));
        EXPECT_EQ(ctx.rules[rule::kTableauEmpty + 3], c.fill) << c.base;
        EXPECT_EQ(ctx.rules[rule::kTableauEmpty + 27], c.fill) << c.base;
        EXPECT_EQ(ctx.rules[rule::kTableauEmpty + 4], -1) << c.base;
        ctx.piles.Clear();
    }
}

TEST_F(DealTest, OneMoreCardToTheFirstFoundation) {
    Set(rule::kDeckSize, 52);
    Set(rule::kStockCards, 10);
    Set(rule::kExtraFoundationCard, 1);
    ASSERT_TRUE(DealCards(ctx, engine));
    EXPECT_EQ(Foundation(0), CardText(Shuffled()[10]));
    EXPECT_TRUE(ctx.deck.IsFaceUp(Shuffled()[10]));
}

TEST_F(DealTest, FamilyElevenSendsTheReserveAcesHomeAndRefillsTheReserveFromTheWaste) {
    Reserve(0) = "002001005014";
    Pile(kWaste) = "003027006009";
    SendAcesHome(ctx);
    EXPECT_EQ(Foundation(1), "001");
    EXPECT_EQ(Foundation(2), "014");
    // Two aces left the reserve, so two waste cards take their places; the
    // walk resumes one card past each card taken, so the ace 027 that
    // slid into a taken card's place is passed over.
    EXPECT_EQ(Reserve(0), "002005003006");
    EXPECT_EQ(Faces(Reserve(0)), "1111");
    EXPECT_EQ(Pile(kWaste), "027009");
    EXPECT_EQ(Foundation(0), "");
}

TEST_F(DealTest, FamilyElevenWasteAcesGoToTheFirstFoundation) {
    Reserve(0) = "001005";
    Pile(kWaste) = "040027003006009";
    SendAcesHome(ctx);
    EXPECT_EQ(Foundation(1), "001");
    EXPECT_EQ(Foundation(0), "040");
    EXPECT_EQ(Faces(Foundation(0)), "1");
    // 027 slid into the ace's place and was passed over; 003 then filled
    // the reserve's one gap, and with an ace home the walk has done.
    EXPECT_EQ(Reserve(0), "005003");
    EXPECT_EQ(Pile(kWaste), "027006009");
}

TEST_F(DealTest, FamilyTwentyTwoSetsOutTheQueenAndKingOfHearts) {
    Set(rule::kDeckSize, 52);
    Set(rule::kStockCards, 40);
    Set(rule::kTableauCount, 1);
    Set(rule::kTableauCards, 12);
    Set(rule::kFamily, 22);
    ASSERT_TRUE(DealCards(ctx, engine));
    EXPECT_EQ(BottomCard(Pile(kStock)), 13);
    EXPECT_EQ(TopCard(Tableau(0)), 12);
    EXPECT_TRUE(ctx.deck.IsFaceUp(12));
    EXPECT_EQ(CardsOnTable(), [] {
        std::vector<CardNumber> all(52);
        std::iota(all.begin(), all.end(), 1);
        return all;
    }());
}

TEST_F(DealTest, KingsMoveToTheBottomOfTheirPiles) {
    Set(rule::kDeckSize, 52);
    Set(rule::kTableauCount, 4);
    Set(rule::kKingsToBottom, 1);
    for (int j = 0; j < 4; ++j) {
        Set(rule::kTableauCards + j, 13);
        Set(rule::kTableauFaceUp + j, 1);
    }
    ASSERT_TRUE(DealCards(ctx, engine));
    // Deal "1" in piles of 13; kings taken from the second card up, each
    // put under the ones before.
    EXPECT_EQ(Tableau(0), "039040004043015006016045018035034007049");
    EXPECT_EQ(Tableau(1), "026011025024027046030048010012032021002");
    EXPECT_EQ(Tableau(2), "052013041003042005014044017033009019023");
    EXPECT_EQ(Tableau(3), "022037038051028008029047031020050036001");
    EXPECT_TRUE(ctx.deck.IsFaceUp(52));  // the top card before the move
    EXPECT_FALSE(ctx.deck.IsFaceUp(23));
}

// The walk's visiting order decides which foundation a card reaches.
TEST_F(DealTest, PlayHomeWalkOrder) {
    struct Case {
        int order;  // rule 23
        const char* foundation0;
        const char* foundation1;
    };
    for (const Case c : {Case{0, "014015", "001"}, Case{1, "001", "014015"}}) {
        ctx.piles.Clear();
        ctx.rules.Clear();
        Set(rule::kFoundationCount, 4);
        Set(rule::kTableauCount, 2);
        SetEach(rule::kFoundationBase, 4, 1);
        Set(rule::kFoundationStart, 93);
        Set(rule::kPlayHomeOrder, c.order);
        Tableau(0) = "002001";
        Tableau(1) = "014015";
        engine.scoredMoves = 0;
        PlayHomeWalk(ctx, engine);
        EXPECT_EQ(Foundation(0), c.foundation0) << "order " << c.order;
        EXPECT_EQ(Foundation(1), c.foundation1) << "order " << c.order;
        EXPECT_EQ(Tableau(0), "002") << "order " << c.order;
        EXPECT_EQ(Tableau(1), "") << "order " << c.order;
        EXPECT_EQ(engine.scoredMoves, 3) << "order " << c.order;
    }
}

TEST_F(DealTest, PlayHomeWalkFoundationsByStartCode) {
    struct Case {
        int code;
        int pile;  // holding the ace of hearts
        int foundation;
    };
    const Case cases[] = {
        {93, 1, 0},   // any foundation: the first
        {94, 1, 1},   // its own
        {94, 9, -1},  // foundation 9 is not in use
        {95, 2, 0},   // piles 0-3: foundations 0-3
        {95, 6, 4},   // piles 6-9: foundations 4-7
        {95, 5, 0},   // others: all eight
    };
    for (const Case& c : cases) {
        ctx.piles.Clear();
        ctx.rules.Clear();
        Set(rule::kFoundationCount, 8);
        Set(rule::kTableauCount, 10);
        SetEach(rule::kFoundationBase, 8, 1);
        Set(rule::kFoundationStart, c.code);
        Tableau(c.pile) = "001";
        PlayHomeWalk(ctx, engine);
        for (int f = 0; f < 8; ++f)
            EXPECT_EQ(Foundation(f), f == c.foundation ? "001" : "")
                << "code " << c.code << " pile " << c.pile;
        EXPECT_EQ(Tableau(c.pile).empty(), c.foundation >= 0);
    }
}

TEST_F(DealTest, PostDealMovesRunByTheFirstStartCode) {
    Set(rule::kDeckSize, 52);
    Set(rule::kFoundationCount, 4);
    Set(rule::kTableauCount, 8);
    SetEach(rule::kFoundationStart, 4, 93);
    for (int j = 0; j < 8; ++j) {
        Set(rule::kTableauCards + j, 6);
        Set(rule::kTableauFaceUp + j, 1000);
    }
    ASSERT_TRUE(DealCards(ctx, engine));
    // The aces started the foundations; every two, three ... that the
    // walk met in turn followed.
    for (int f = 0; f < 4; ++f) EXPECT_EQ(BottomCard(Foundation(f)), f * 13 + 1);
    EXPECT_GT(engine.scoredMoves, 0);
    int home = 0;
    for (int f = 0; f < 4; ++f) home += CardCount(Foundation(f));
    EXPECT_EQ(home, 4 + engine.scoredMoves);
    EXPECT_EQ(static_cast<int>(CardsOnTable().size()), 52);
}

TEST_F(DealTest, TableauAcesGoHomeAndTheStockFillsTheirPlaces) {
    Set(rule::kFoundationCount, 2);
    Set(rule::kTableauCount, 3);
    SetEach(rule::kFoundationBase, 2, 1);
    Tableau(0) = "001";
    Tableau(1) = "005";
    Tableau(2) = "014";
    Pile(kStock) = "027020";
    Pile(kWaste) = "030";
    ctx.deck.SetCardFace(20, kFaceDown);
    ctx.deck.SetCardFace(27, kFaceDown);
    ReplaceTableauAces(ctx, engine);
    EXPECT_EQ(Foundation(0), "001");
    EXPECT_EQ(Foundation(1), "014");
    EXPECT_EQ(Tableau(0), "020");
    EXPECT_EQ(Tableau(1), "005");
    // The ace of clubs came up in the second ace's place and was looked at
    // again; no foundation takes it now.
    EXPECT_EQ(Tableau(2), "027");
    EXPECT_TRUE(ctx.deck.IsFaceUp(20));
    EXPECT_TRUE(ctx.deck.IsFaceUp(27));
    EXPECT_EQ(Pile(kStock), "");

    // With the stock empty the waste gives the card.
    Tableau(0) = "040";
    Foundation(1).clear();
    ReplaceTableauAces(ctx, engine);
    EXPECT_EQ(Foundation(1), "040");
    EXPECT_EQ(Tableau(0), "030");
    EXPECT_EQ(Pile(kWaste), "");
}

}  // namespace
}  // namespace vis
