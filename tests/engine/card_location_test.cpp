// Where a card lies, and the per-card facts the move rules use.
#include <gtest/gtest.h>

#include "engine/card_location.h"
#include "model/rule_index.h"
#include "move_rules_fixture.h"

namespace vis::test {
namespace {

TEST(CardLocationTest, CodesOfEveryPileKind) {
    Table table({{"Mazzo", {H(1)}},
                 {"Mazzo_Vis", {H(2)}},
                 {"Mazzo_Waste", {H(3)}},
                 {"Dest1", {H(4)}},
                 {"Dest16", {H(5)}},
                 {"Fila1", {H(6), H(7)}},
                 {"Fila28", {H(8)}},
                 {"Appogg1", {H(9)}},
                 {"Appogg8", {H(10)}}},
                {{rule::kTableauCount, 28}, {rule::kReserveCount, 8}});
    struct Case {
        CardNumber card;
        int location;
    };
    const Case cases[] = {
        {H(1), kLocationStock},
        {H(2), kLocationWaste},
        {H(3), kLocationNowhere},
        {H(4), -1},
        {H(5), -16},
        {H(6), 1},
        {H(7), 1},
        {H(8), 28},
        {H(9), -21},
        {H(10), -28},
        {S(1), kLocationNowhere},
    };
    for (const Case& c : cases) EXPECT_EQ(CardLocation(table.Ctx(), c.card), c.location) << c.card;
}

TEST(CardLocationTest, PilesBeyondTheGameAreNotSearched) {
    Table table({{"Fila12", {H(1)}}, {"Appogg6", {H(2)}}},
                {{rule::kTableauCount, 10}, {rule::kReserveCount, 4}});
    EXPECT_EQ(CardLocation(table.Ctx(), H(1)), kLocationNowhere);
    EXPECT_EQ(CardLocation(table.Ctx(), H(2)), kLocationNowhere);
    EXPECT_FALSE(IsTopCard(table.Ctx(), H(1)));
}

TEST(CardLocationTest, EarlierPilesInTheSearchOrderWin) {
    Table table({{"Mazzo_Vis", {H(1)}}, {"Fila1", {H(1)}}, {"Dest2", {H(2)}}, {"Fila2", {H(2)}}},
                {});
    EXPECT_EQ(CardLocation(table.Ctx(), H(1)), kLocationWaste);
    EXPECT_EQ(CardLocation(table.Ctx(), H(2)), -2);
}

TEST(CardLocationTest, LocationCodesNameTheirPiles) {
    for (int code = -100; code <= 30; ++code) {
        const auto pile = PileAtLocation(code);
        const bool named = code == kLocationStock || code == kLocationWaste ||
                           (code >= -16 && code <= -1) || (code >= 1 && code <= 28) ||
                           (code >= -28 && code <= -21);
        ASSERT_EQ(pile.has_value(), named) << code;
        if (!pile) continue;
        const int back = pile->list == PileList::Mazzo
                             ? (pile->index == kStockIndex ? kLocationStock : kLocationWaste)
                         : pile->list == PileList::Dest ? FoundationLocation(pile->index)
                         : pile->list == PileList::Fila ? TableauLocation(pile->index)
                                                        : ReserveLocation(pile->index);
        EXPECT_EQ(back, code);
    }
}

TEST(IsTopCardTest, TopsOfTableauPilesAndReservesOnly) {
    Table table({{"Fila1", {H(1), H(2)}},
                 {"Appogg1", {H(3), H(4)}},
                 {"Mazzo_Vis", {H(5)}},
                 {"Dest1", {H(6)}}},
                {});
    EXPECT_TRUE(IsTopCard(table.Ctx(), H(2)));
    EXPECT_FALSE(IsTopCard(table.Ctx(), H(1)));
    EXPECT_TRUE(IsTopCard(table.Ctx(), H(4)));
    EXPECT_FALSE(IsTopCard(table.Ctx(), H(3)));
    EXPECT_FALSE(IsTopCard(table.Ctx(), H(5)));
    EXPECT_FALSE(IsTopCard(table.Ctx(), H(6)));
}

TEST(CardFactsTest, CourtCardsRedCardsAndJokers) {
    struct Case {
        CardNumber card;
        bool court;
        bool red;
        bool joker;
    };
    const Case cases[] = {
        {-1, false, false, false}, {0, false, false, false},  {1, false, true, false},
        {10, false, true, false},  {11, true, true, false},   {13, true, true, false},
        {14, false, true, false},  {24, true, true, false},   {26, true, true, false},
        {27, false, false, false}, {37, true, false, false},  {52, true, false, false},
        {53, false, true, false},  {63, true, true, false},   {78, true, true, false},
        {79, false, false, false}, {91, true, false, false},  {104, true, false, false},
        {105, false, false, true}, {108, false, false, true}, {109, false, false, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsCourtCard(c.card), c.court) << c.card;
        EXPECT_EQ(CardIsRed(c.card), c.red) << c.card;
        EXPECT_EQ(IsJoker(c.card), c.joker) << c.card;
    }
}

}  // namespace
}  // namespace vis::test
