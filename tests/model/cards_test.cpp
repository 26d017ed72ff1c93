#include "model/cards.h"

#include <gtest/gtest.h>

#include "model/piles.h"

namespace vis {
namespace {

TEST(CardsTest, SuitAndRankOfEveryKindOfNumber) {
    struct Case {
        CardNumber card;
        int suit;
        int rank;
    };
    const Case cases[] = {
        {1, 0, 1},      {13, 0, 13},    {14, 1, 1},    {26, 1, 13}, {27, 2, 1},
        {40, 3, 1},     {52, 3, 13},    {53, 0, 1},    {66, 1, 1},  {104, 3, 13},
        {105, -1, 100}, {108, -1, 100}, {109, -1, -1}, {0, 0, 0},   {-1, 0, -1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SuitIndex(c.card), c.suit) << c.card;
        EXPECT_EQ(RankOf(c.card), c.rank) << c.card;
    }
    EXPECT_EQ(RankBelow(1), 13);
    EXPECT_EQ(RankBelow(7), 6);
    EXPECT_EQ(RankAbove(13), 1);
    EXPECT_EQ(RankAbove(7), 8);
    EXPECT_EQ(CardText(7), "007");
    EXPECT_EQ(CardText(108), "108");
}

TEST(DeckTableTest, RowsAreExactTwentyCharacterTexts) {
    DeckTable deck;
    EXPECT_EQ(deck.Row(1), "CUORI_A        10011");
    EXPECT_EQ(deck.Row(14), "QUADR_A        20141");
    EXPECT_EQ(deck.Row(105), "JOKER          41051");
    EXPECT_EQ(deck.Row(36), "FIORI_10       30361");
    EXPECT_EQ(deck.Row(52), "PICCH_K        40521");
    EXPECT_EQ(deck.Row(53).substr(0, 16), deck.Row(1).substr(0, 16));
    EXPECT_EQ(deck.Row(53).substr(16, 3), "053");
    for (int card = 1; card <= 108; ++card) EXPECT_EQ(deck.Row(card).size(), 20u);
}

TEST(DeckTableTest, OnlyTheFaceFlagChanges) {
    DeckTable deck;
    const std::string before = deck.Row(30);
    deck.SetCardFace(30, kFaceDown);
    EXPECT_FALSE(deck.IsFaceUp(30));
    EXPECT_EQ(deck.Row(30).substr(0, 19), before.substr(0, 19));
    deck.SetCardFace(30, '7');  // anything but "0" counts as face up
    EXPECT_TRUE(deck.IsFaceUp(30));
    deck.SetCardFace(0, kFaceDown);  // not a card: ignored
    deck.SetCardFace(109, kFaceDown);
    EXPECT_FALSE(deck.IsFaceUp(0));
}

}  // namespace
}  // namespace vis
