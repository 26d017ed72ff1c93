// The three wrappers: what foundations, tableau piles and reserves add to
// the building judgement, and which pile names are understood.
#include <gtest/gtest.h>

#include <string>

#include "engine/move_rules.h"
#include "engine/run_rules.h"
#include "model/rule_index.h"
#include "move_rules_fixture.h"

namespace vis::test {
namespace {

std::string DropLog(int drops) {
    std::string log;
    for (int d = 0; d < drops; ++d) log += "001,";
    return log;
}

TEST(CanPlayToFoundationTest, DropGateOfFamilyTwentyThree) {
    struct Case {
        const char* what;
        int drops;
        bool wasteHolds;
        const char* from;
        bool expected;
    };
    const Case cases[] = {
        {"gate open at a multiple of twenty", 20, true, "Fila2", true},
        {"gate open before the first drop", 0, true, "Fila2", true},
        {"gate closed in between", 7, true, "Fila2", false},
        {"an empty waste opens it", 7, false, "Fila2", true},
        {"cards from elsewhere pass", 7, true, "Appogg1", true},
    };
    for (const Case& c : cases) {
        Position position = {{"Dest1", {H(1)}}, {c.from, {H(2)}}};
        if (c.wasteHolds) position.push_back({"Mazzo_Vis", {C(9)}});
        Table table(position, {{rule::kFamily, 23}});
        table.Ctx().history.undo.log = DropLog(c.drops);
        EXPECT_EQ(CanPlayToPile(table.Ctx(), H(2), "Dest1"), c.expected) << c.what;
    }
}

TEST(CanPlayToFoundationTest, SingleCardsAndFoundationLimits) {
    const Position heartsToThree = {{"Dest1", {H(1), H(2), H(3)}}, {"Fila1", {H(4)}}};
    ExpectVerdicts({
        {"a single card goes home", heartsToThree, H(4), "Dest1", true},
        {"a run never does", heartsToThree, H(4), "Dest1", false, {}, true},
        {"a full foundation refuses", heartsToThree, H(4), "Dest1", false, FoundationMostCards(3)},
        {"one short of full accepts", heartsToThree, H(4), "Dest1", true, FoundationMostCards(4)},
        {"10: a Queen opens", {}, S(12), "Dest1", true, FoundationCode(10)},
        {"10: nothing else opens", {}, S(11), "Dest1", false, FoundationCode(10)},
        {"10: nothing on a card", {{"Dest1", {H(12)}}}, S(12), "Dest1", false, FoundationCode(10)},
        {"22: a higher card of the suit tops the tableau",
         {{"Fila2", {S(2), H(9)}}},
         H(5),
         "Dest1",
         true,
         FoundationCode(22)},
        {"22: or the Ace of the suit",
         {{"Fila2", {H(1)}}},
         H(5),
         "Dest1",
         true,
         FoundationCode(22)},
        {"22: not a lower card", {{"Fila2", {H(3)}}}, H(5), "Dest1", false, FoundationCode(22)},
        {"22: not a covered card",
         {{"Fila2", {H(9), S(2)}}},
         H(5),
         "Dest1",
         false,
         FoundationCode(22)},
        {"22: not another suit", {{"Fila2", {D(9)}}}, H(5), "Dest1", false, FoundationCode(22)},
        {"22: never an Ace", {{"Fila2", {H(9)}}}, H(1), "Dest1", false, FoundationCode(22)},
    });
}

TEST(CanPlayToTableauTest, FaceDownTopsAndPileLimits) {
    Table table({{"Fila1", {H(5)}}, {"Fila2", {S(4)}}}, {});
    table.FaceDown(H(5));
    EXPECT_FALSE(CanPlayToPile(table.Ctx(), S(4), "Fila1"));
    table.SetRule(rule::kFamily, 40);
    EXPECT_TRUE(CanPlayToPile(table.Ctx(), S(4), "Fila1"));

    ExpectVerdicts({
        {"a pile at its most cards",
         {{"Fila1", {D(6), H(5)}}},
         S(4),
         "Fila1",
         false,
         {{rule::kTableauMaxCards, 2}}},
        {"a pile below it",
         {{"Fila1", {H(5)}}},
         S(4),
         "Fila1",
         true,
         {{rule::kTableauMaxCards, 2}}},
        {"34: no run on a card",
         {{"Fila1", {H(5)}}, {"Fila2", {D(4), C(3)}}},
         D(4),
         "Fila1",
         false,
         TableauCode(34),
         true},
        {"34: a run into an empty pile",
         {{"Fila2", {D(4), C(3)}}},
         D(4),
         "Fila1",
         true,
         TableauCode(34),
         true},
        {"34: a single card on a card",
         {{"Fila1", {H(5)}}, {"Fila2", {C(3), D(4)}}},
         D(4),
         "Fila1",
         true,
         TableauCode(34)},
    });
}

TEST(CanPlayToTableauTest, RunsFollowTheRunRules) {
    const Position alternating = {{"Fila1", {C(6)}}, {"Fila2", {S(9), H(5), S(4)}}};
    const Position sameColour = {{"Fila1", {C(6)}}, {"Fila2", {S(9), H(5), D(4)}}};
    const Position sameSuit = {{"Fila1", {C(6)}}, {"Fila2", {S(9), H(5), H(4)}}};
    const RuleValues byCode = {{rule::kRunCheck, 1}};
    const RuleValues bySuit = {{rule::kRunCheck, 10}};
    ExpectVerdicts({
        {"by the building code", alternating, H(5), "Fila1", true, byCode, true},
        {"a broken run by the building code", sameColour, H(5), "Fila1", false, byCode, true},
        {"by suit", sameSuit, H(5), "Fila1", true, bySuit, true},
        {"an alternating run is not a suit run", alternating, H(5), "Fila1", false, bySuit, true},
        {"no run check", sameColour, H(5), "Fila1", true, {}, true},
        {"a single-card move skips the run check", sameColour, H(5), "Fila1", true, byCode},
    });
}

TEST(CanPlayToTableauTest, LimitsRunsIntoAnEmptyPile) {
    // Three tableau piles: the target, the run's pile and one more; two free cells.
    const RuleValues rules = {{rule::kTableauCount, 3}, {rule::kMoveUnitLimit, -5}};
    const Position position = {{"Fila2", {S(13), H(12), S(11), H(10), S(9)}},
                               {"Fila3", {C(13)}},
                               {"Appogg1", {C(1)}},
                               {"Appogg2", {C(2)}}};
    ExpectVerdicts(
        {
            {"free cells plus empty piles", position, S(11), "Fila1", true, {}, true},
            {"not one more", position, H(12), "Fila1", false, {}, true},
            {"onto a card the limit is left to the lift", position, H(12), "Fila3", true, {}, true},
        },
        rules);
}

TEST(CanPlayToTableauTest, ARunIsNeverDroppedBackOnItself) {
    Table table({{"Fila1", {H(9)}}, {"Fila2", {C(7), H(5), S(4)}}}, TableauCode(12));
    table.MoveRun();
    EXPECT_TRUE(RunWithinLimit(table.Ctx(), H(5), false));
    EXPECT_EQ(RunTop(table.Ctx(), H(5)), S(4));
    EXPECT_FALSE(CanPlayToPile(table.Ctx(), H(5), "Fila2"));
    EXPECT_TRUE(CanPlayToPile(table.Ctx(), H(5), "Fila1"));
    // Judged from the table alone: the same move as a value, with no drag.
    table.Ctx().game.singleCardMove = true;
    EXPECT_FALSE(CardMoveAllowed(table.Ctx(), Move::Cards(H(5), {PileList::Fila, 1}, true)));
    EXPECT_TRUE(CardMoveAllowed(table.Ctx(), Move::Cards(H(5), {PileList::Fila, 0}, true)));
}

TEST(CanPlayToPileTest, OnlyFoundationTableauAndReserveKeysAreTargets) {
    const Position position = {{"Fila2", {S(4)}}, {"Fila1", {H(5)}}};
    ExpectVerdicts({
        {"a tableau key", position, S(4), "Fila1", true},
        {"a reserve key", position, S(4), "Appogg1", true},
        {"the stock", position, S(4), "Mazzo", false},
        {"the waste", position, S(4), "Mazzo_Vis", false},
        {"the second waste", position, S(4), "Mazzo_Waste", false},
        {"pile number 0", position, S(4), "Fila0", false},
        {"past the last tableau pile", position, S(4), "Fila29", false},
        {"past the last foundation", {}, H(1), "Dest17", false},
        {"past the last reserve", position, S(4), "Appogg9", false},
        {"a leading zero", position, S(4), "Fila01", false},
        {"another spelling", position, S(4), "fila1", false},
        {"no name", position, S(4), "", false},
    });
}

TEST(CanPlayToReserveTest, ReserveRules) {
    const auto reserve = [](int index, int rule) {
        return RuleValues{{rule::kReserveRule + index, rule}};
    };
    const Position cards = {
        {"Fila1", {H(13), S(12), D(11), C(10)}}, {"Mazzo_Vis", {C(9), H(4)}}, {"Fila2", {kJoker}}};
    const Position firstHoldsTwo = {{"Appogg1", {C(2), C(3)}}, {"Fila1", {H(13)}}};
    const Position firstHoldsThree = {{"Appogg1", {C(2), C(3), C(4)}}, {"Fila1", {H(13)}}};
    const Position firstHoldsFour = {{"Appogg1", {C(2), C(3), C(4), C(5)}}, {"Fila1", {H(7)}}};
    const Position firstHoldsFive = {{"Appogg1", {C(2), C(3), C(4), C(5), C(6)}},
                                     {"Fila1", {H(7)}}};
    ExpectVerdicts({
        {"a free cell takes a single card", cards, C(10), "Appogg1", true},
        {"a free cell takes no run", cards, D(11), "Appogg1", false, {}, true},
        {"a free cell holds one card",
         {{"Appogg1", {C(2)}}, {"Fila1", {H(5)}}},
         H(5),
         "Appogg1",
         false},
        {"4 takes nothing", cards, C(10), "Appogg1", false, reserve(0, 4)},
        {"8 a King while the first reserve is short", firstHoldsTwo, H(13), "Appogg2", true,
         reserve(1, 8)},
        {"8 not once it holds three", firstHoldsThree, H(13), "Appogg2", false, reserve(1, 8)},
        {"8 only a King", cards, S(12), "Appogg1", false, reserve(0, 8)},
        {"8 no run", cards, H(13), "Appogg1", false, reserve(0, 8), true},
        {"12 takes a run onto cards",
         {{"Appogg1", {C(2)}}, {"Fila1", {H(5), S(4)}}},
         H(5),
         "Appogg1",
         true,
         reserve(0, 12),
         true},
        {"13 a card while the first reserve holds four", firstHoldsFour, H(7), "Appogg1", true,
         reserve(0, 13)},
        {"13 not once it holds five", firstHoldsFive, H(7), "Appogg1", false, reserve(0, 13)},
        {"85 the waste card", cards, H(4), "Appogg1", true, reserve(0, 85)},
        {"85 nothing else", cards, C(10), "Appogg1", false, reserve(0, 85)},
        {"85 nothing from an empty waste",
         {{"Fila1", {H(4)}}},
         H(4),
         "Appogg1",
         false,
         reserve(0, 85)},
        {"88 a Jack", cards, D(11), "Appogg1", true, reserve(0, 88)},
        {"88 no Jack in a run, even into an empty reserve", cards, D(11), "Appogg1", false,
         reserve(0, 88), true},
        {"88 no Queen", cards, S(12), "Appogg1", false, reserve(0, 88)},
        {"89 a Queen", cards, S(12), "Appogg1", true, reserve(0, 89)},
        {"90 a King", cards, H(13), "Appogg1", true, reserve(0, 90)},
        {"90 only into an empty reserve",
         {{"Appogg1", {C(13)}}, {"Fila1", {H(13)}}},
         H(13),
         "Appogg1",
         false,
         reserve(0, 90)},
        {"9 a court card", cards, S(12), "Appogg1", true, reserve(0, 9)},
        {"9 not a ten", cards, C(10), "Appogg1", false, reserve(0, 9)},
        {"9 not a joker", cards, kJoker, "Appogg1", false, reserve(0, 9)},
        {"81 a waste card", cards, H(4), "Appogg1", true, reserve(0, 81)},
        {"81 no tableau card", cards, C(10), "Appogg1", false, reserve(0, 81)},
        {"the rule of the reserve named", cards, C(10), "Appogg2", true, reserve(0, 4)},
    });
}

}  // namespace
}  // namespace vis::test
