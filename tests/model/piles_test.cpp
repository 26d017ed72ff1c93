#include "model/piles.h"

#include <gtest/gtest.h>

#include <string>

namespace vis {
namespace {

TEST(PileKeyTest, KeysRoundTripAndBadKeysAreRefused) {
    for (PileList list : {PileList::Mazzo, PileList::Dest, PileList::Fila, PileList::Appogg})
        for (int i = 0; i < PileCount(list); ++i) {
            const PileRef pile{list, i};
            const auto parsed = PileByKey(PileKey(pile));
            ASSERT_TRUE(parsed.has_value()) << PileKey(pile);
            EXPECT_EQ(*parsed, pile);
        }
    EXPECT_EQ(PileKey({PileList::Fila, 2}), "Fila3");
    EXPECT_EQ(PileKey({PileList::Mazzo, 2}), "Mazzo_Waste");
    for (const char* bad : {"", "Fila", "Fila0", "Fila29", "Fila03", "Fila3x", "Dest17", "Appogg9",
                            "Mazzo_", "fila3", "Appogg-1"})
        EXPECT_FALSE(PileByKey(bad).has_value()) << bad;
}

TEST(PileTextTest, CountsTopAndGaps) {
    const std::string pile = "001000052";
    EXPECT_EQ(CardCount(pile), 3);
    EXPECT_EQ(TopCard(pile), 52);
    EXPECT_EQ(BottomCard(pile), 1);
    EXPECT_EQ(CardAt(pile, 1), 0);
    EXPECT_EQ(CardAt(pile, 3), 0);
    EXPECT_TRUE(HasGaps(pile));
    EXPECT_FALSE(HasGaps("001052"));
    EXPECT_EQ(TopCard(""), 0);
    EXPECT_EQ(CardAt("-01", 0), -1);
    EXPECT_EQ(FindCard(pile, 52), 2);
    EXPECT_EQ(FindCard(pile, 9), -1);
    EXPECT_EQ(CardsOf("013105"), (std::vector<CardNumber>{13, 105}));
}

TEST(AppendCardTest, SetsFlagsOnlyForCards) {
    PileLists piles;
    DeckTable deck;
    AppendCard(piles, deck, {PileList::Fila, 0}, 5, kFaceDown);
    AppendCard(piles, deck, {PileList::Fila, 0}, 0, kFaceDown);
    AppendCard(piles, deck, {PileList::Fila, 0}, 6);
    EXPECT_EQ(piles.fila[0], "005000006");
    EXPECT_FALSE(deck.IsFaceUp(5));
    EXPECT_TRUE(deck.IsFaceUp(6));
}

TEST(TurnCardsTest, EveryCountCode) {
    const std::string pile = "001002003004005";
    struct Case {
        int count;
        const char* faces;  // bottom to top, '1' up
    };
    const Case cases[] = {
        {1, "00001"},  {2, "00011"},  {9, "11111"}, {-1, "10101"},
        {-2, "01010"}, {-3, "10000"}, {0, "00000"}, {-4, "00000"},
    };
    for (const auto& c : cases) {
        DeckTable deck;
        for (int card = 1; card <= 5; ++card) deck.SetCardFace(card, kFaceDown);
        TurnCards(deck, pile, c.count, kFaceUp);
        std::string faces;
        for (int card = 1; card <= 5; ++card) faces += deck.IsFaceUp(card) ? '1' : '0';
        EXPECT_EQ(faces, c.faces) << "count " << c.count;
    }
}

}  // namespace
}  // namespace vis
