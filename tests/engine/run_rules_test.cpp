// Runs moved together: built in sequence, and within the game's limit.
#include <gtest/gtest.h>

#include "engine/run_rules.h"
#include "model/rule_index.h"
#include "move_rules_fixture.h"

namespace vis::test {
namespace {

TEST(RunFollowsRulesTest, PairsAreJudgedByTheTargetPilesRules) {
    struct Case {
        const char* what;
        std::vector<CardNumber> pile;  // Fila1; the run starts at its first card
        RuleValues rules;
        bool expected;
    };
    const RuleValues byCode = {{rule::kRunCheck, 1}};
    const RuleValues bySuit = {{rule::kRunCheck, 10}};
    const Case cases[] = {
        {"alternating colours down", {S(6), H(5), S(4)}, byCode, true},
        {"one pair out of colour", {S(6), H(5), D(4)}, byCode, false},
        {"one pair out of sequence", {S(6), H(5), S(3)}, byCode, false},
        {"the target's own code",
         {S(6), H(5), S(4)},
         Joined({byCode, {{rule::kTableauBuilding + 2, 0}}}),
         false},
        {"by suit", {H(6), H(5), H(4)}, bySuit, true},
        {"by suit refuses a change of suit", {H(6), H(5), S(4)}, bySuit, false},
        {"by suit follows the pile's direction",
         {H(4), H(5), H(6)},
         Joined({bySuit, {{rule::kTableauDirection + 2, 1}}}),
         true},
        {"other values check nothing", {H(6), D(2), S(9)}, {{rule::kRunCheck, 3}}, true},
        {"code 7 builds any suit inside a run",
         {S(6), D(5)},
         Joined({byCode, {{rule::kTableauBuilding + 2, 7}}}),
         true},
        {"a single card is always in order", {S(6)}, byCode, true},
    };
    for (const Case& c : cases) {
        Table table({{"Fila1", c.pile}}, c.rules);
        EXPECT_EQ(RunFollowsRules(table.Ctx(), c.pile.front(), 2, false), c.expected) << c.what;
    }
    Table table({}, byCode);
    EXPECT_TRUE(RunFollowsRules(table.Ctx(), S(6), 2, false)) << "a card on no pile";
}

TEST(RunWithinLimitTest, EveryLimitCode) {
    struct Case {
        const char* what;
        int limit;
        int freeCells;   // of four reserves
        int emptyPiles;  // of the three tableau piles beside the run's own
        int length;      // cards from the run's bottom card to the top
        bool toEmptyTableau;
        bool expected;
    };
    const Case cases[] = {
        {"a fixed limit", 3, 0, 0, 3, false, true},
        {"past a fixed limit", 3, 0, 0, 4, false, false},
        {"a limit of none", 0, 4, 3, 1, false, false},
        {"-1 any length", -1, 0, 0, 6, false, true},
        {"-12 a run from a King", -12, 0, 0, 6, false, true},
        {"-12 a single card", -12, 0, 0, 1, false, true},
        {"-12 no other run", -12, 4, 3, 2, false, false},
        {"-13 the whole pile", -13, 0, 0, 6, false, true},
        {"-13 a single card", -13, 0, 0, 1, false, true},
        {"-13 not part of the pile", -13, 4, 3, 4, false, false},
        {"-5 free cells plus one", -5, 2, 0, 3, false, true},
        {"-5 not two more", -5, 2, 0, 4, false, false},
        {"-5 with an empty pile, onto a card", -5, 2, 1, 4, false, true},
        {"-5 not past that", -5, 2, 1, 5, false, false},
        {"-5 into the empty pile", -5, 2, 1, 3, true, true},
        {"-5 into the empty pile, not more", -5, 2, 1, 4, true, false},
        {"-5 empty piles add, they do not double", -5, 1, 3, 6, false, false},
        {"-6 free cells plus one", -6, 2, 0, 3, false, true},
        {"-6 with empty piles, cells and piles", -6, 2, 1, 3, false, true},
        {"-6 not one more", -6, 2, 1, 4, false, false},
        {"other limits: one card without empty piles", -7, 4, 0, 1, false, true},
        {"other limits: no run without them", -7, 4, 0, 2, false, false},
        {"other limits: as many as empty piles", -7, 0, 2, 2, false, true},
        {"other limits: not more", -7, 0, 2, 3, false, false},
    };
    const std::vector<CardNumber> run = {S(13), H(12), S(11), H(10), S(9), H(8)};
    const char* const reserves[] = {"Appogg1", "Appogg2", "Appogg3", "Appogg4"};
    const char* const otherPiles[] = {"Fila2", "Fila3", "Fila4"};
    for (const Case& c : cases) {
        Position position = {{"Fila1", run}};
        for (int r = c.freeCells; r < 4; ++r) position.push_back({reserves[r], {D(r + 1)}});
        for (int t = c.emptyPiles; t < 3; ++t) position.push_back({otherPiles[t], {C(t + 1)}});
        Table table(position, {{rule::kTableauCount, 4}, {rule::kMoveUnitLimit, c.limit}});
        const CardNumber bottom = run[run.size() - static_cast<std::size_t>(c.length)];
        EXPECT_EQ(RunWithinLimit(table.Ctx(), bottom, c.toEmptyTableau), c.expected) << c.what;
        EXPECT_EQ(RunTop(table.Ctx(), bottom), H(8)) << c.what;
    }
}

TEST(RunWithinLimitTest, OnlyPilesInUseCount) {
    // Two reserves and two tableau piles in use; the unused ones stay empty.
    Table table({{"Fila1", {S(13), H(12), S(11)}}, {"Fila2", {D(1)}}},
                {{rule::kTableauCount, 2}, {rule::kReserveCount, 2}, {rule::kMoveUnitLimit, -5}});
    EXPECT_TRUE(RunWithinLimit(table.Ctx(), S(13), false));  // 3 <= 2 cells + 1
    table.Lay({{"Appogg1", {D(2)}}});
    EXPECT_FALSE(RunWithinLimit(table.Ctx(), S(13), false));
}

TEST(RunWithinLimitTest, ACardOutsideTheTableauUnderTheWholePileLimit) {
    Table table({{"Appogg1", {S(13)}}}, {{rule::kMoveUnitLimit, -13}});
    EXPECT_FALSE(RunWithinLimit(table.Ctx(), S(13), false));
    EXPECT_EQ(RunTop(table.Ctx(), S(13)), S(13));
}

}  // namespace
}  // namespace vis::test
