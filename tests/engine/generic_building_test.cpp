// The generic building rule: the first refusal, the stock-and-waste
// restriction, directions, suit filters and what an empty pile accepts.
#include <gtest/gtest.h>

#include "engine/move_rules.h"
#include "model/rule_index.h"
#include "move_rules_fixture.h"

namespace vis::test {
namespace {

TEST(CanBuildOnTest, TheSameCardAsTargetIsRefusedEvenWhereAnythingGoes) {
    Table table;
    const BuildQuery query{.top = H(5), .card = H(5), .emptyRule = -1, .buildingCode = 12};
    EXPECT_FALSE(CanBuildOn(table.Ctx(), query));
    EXPECT_TRUE(CanBuildOn(table.Ctx(), BuildQuery{.top = H(6), .card = H(5), .buildingCode = 12}));
}

TEST(StockWasteRestrictionTest, RuleOneKeepsTableauCardsFromFoundationsWhileStockOrWasteHolds) {
    const Position waiting = {
        {"Dest1", {H(1)}}, {"Fila1", {H(2)}}, {"Fila2", {S(3)}}, {"Mazzo_Vis", {C(9)}}};
    const RuleValues one = {{rule::kStockWasteRestriction, 1}};
    ExpectVerdicts({
        {"one waste card blocks the way home", waiting, H(2), "Dest1", false, one},
        {"a stock card blocks it too",
         {{"Dest1", {H(1)}}, {"Fila1", {H(2)}}, {"Mazzo", {C(9)}}},
         H(2),
         "Dest1",
         false,
         one},
        {"tableau to tableau still allowed", waiting, H(2), "Fila2", true, one},
        {"stock and waste used up",
         {{"Dest1", {H(1)}}, {"Fila1", {H(2)}}},
         H(2),
         "Dest1",
         true,
         one},
        {"the waste card itself goes home",
         {{"Dest1", {H(1)}}, {"Mazzo_Vis", {H(2)}}},
         H(2),
         "Dest1",
         true,
         one},
        {"without the restriction", waiting, H(2), "Dest1", true},
    });
}

TEST(StockWasteRestrictionTest, RuleTwoSendsTheWasteCardToOneCountedPile) {
    // (22 cards - 3 in the waste) mod 12 = pile index 7.
    const Position position = {{"Mazzo_Vis", {C(2), C(3), H(9)}},
                               {"Fila1", {S(5)}},
                               {"Fila7", {S(10)}},
                               {"Fila8", {C(13)}},
                               {"Appogg1", {D(4)}}};
    const RuleValues two = {{rule::kStockWasteRestriction, 2}, {rule::kWasteCards, 22}};
    ExpectVerdicts({
        {"the counted pile takes it whatever the ranks", position, H(9), "Fila8", true, two},
        {"any other pile refuses it", position, H(9), "Fila7", false, two},
        {"a card that is not the waste card", position, D(4), "Fila1", false, two},
        {"a tableau card while the waste holds", position, S(5), "Fila7", false, two},
        {"foundations judge as usual", {{"Mazzo_Vis", {H(1)}}}, H(1), "Dest1", true, two},
        {"stock and waste empty: generic",
         {{"Fila1", {S(5)}}, {"Fila2", {H(6)}}},
         S(5),
         "Fila2",
         true,
         two},
    });
}

TEST(StockWasteRestrictionTest, RuleThreeSendsTheWasteCardToThePileAfterTheLargest) {
    const RuleValues three = {{rule::kStockWasteRestriction, 3}};
    const Position growing = {{"Mazzo_Vis", {D(2)}},
                              {"Fila1", {S(1), S(2)}},
                              {"Fila2", {S(3), S(4), S(5)}},
                              {"Fila3", {S(6)}}};
    Position even = {{"Mazzo_Vis", {D(2)}}};
    const std::string_view keys[] = {"Fila1", "Fila2", "Fila3", "Fila4", "Fila5",
                                     "Fila6", "Fila7", "Fila8", "Fila9", "Fila10"};
    for (int k = 0; k < 10; ++k) even.push_back({keys[k], {C(k + 1)}});
    ExpectVerdicts({
        {"after the largest pile", growing, D(2), "Fila3", true, three},
        {"not the largest pile itself", growing, D(2), "Fila2", false, three},
        {"equal piles: the last one wins, wrapping to the first", even, D(2), "Fila1", true, three},
        {"equal piles: not the last one", even, D(2), "Fila10", false, three},
    });
}

TEST(GenericRuleTest, DirectionsOnTableauPiles) {
    const Position onFive = {{"Fila1", {H(5)}}};
    const Position onAce = {{"Fila1", {H(1)}}};
    const Position onKing = {{"Fila1", {H(13)}}};
    const auto tableau = [](int direction, int wrap) {
        return Joined({TableauCode(2), ForTableau(rule::kTableauDirection, direction),
                       ForTableau(rule::kTableauWrap, wrap)});
    };
    const RuleValues fiveBase = FoundationBase(5);
    ExpectVerdicts({
        {"down: one below", onFive, S(4), "Fila1", true, tableau(0, 0)},
        {"down: not one above", onFive, S(6), "Fila1", false, tableau(0, 0)},
        {"up: one above", onFive, S(6), "Fila1", true, tableau(1, 0)},
        {"up: not one below", onFive, S(4), "Fila1", false, tableau(1, 0)},
        {"either: below", onFive, S(4), "Fila1", true, tableau(2, 0)},
        {"either: above", onFive, S(6), "Fila1", true, tableau(2, 0)},
        {"either: not two apart", onFive, S(7), "Fila1", false, tableau(2, 0)},
        {"unknown direction refuses", onFive, S(4), "Fila1", false, tableau(3, 0)},
        {"nothing on an Ace while the foundations start from Aces", onAce, S(13), "Fila1", false,
         tableau(0, 0)},
        {"up: Ace on King without wrap", onKing, S(1), "Fila1", true, tableau(1, 0)},
        {"nothing on the foundations' base rank", onFive, S(4), "Fila1", false,
         Joined({tableau(0, 0), fiveBase})},
        {"nothing on the base rank going up", onFive, S(6), "Fila1", false,
         Joined({tableau(1, 0), fiveBase})},
        {"a wrapping pile builds on the base rank", onFive, S(4), "Fila1", true,
         Joined({tableau(0, 1), fiveBase})},
        {"King on Ace while foundations are based on five", onAce, S(13), "Fila1", true,
         Joined({tableau(0, 0), fiveBase})},
        {"nothing on an Ace under base code 81", onAce, S(13), "Fila1", false,
         Joined({tableau(0, 0), FoundationBase(81)})},
        {"a wrapping pile takes the King under base 81", onAce, S(13), "Fila1", true,
         Joined({tableau(0, 1), FoundationBase(81)})},
        {"wrap 2 going up turns at the King", onKing, S(12), "Fila1", true, tableau(1, 2)},
        {"wrap 2 going up: no Ace on the King", onKing, S(1), "Fila1", false, tableau(1, 2)},
        {"wrap 2 going down turns at the Ace", onAce, S(2), "Fila1", true, tableau(0, 2)},
        {"wrap 2 going down: no King on the Ace", onAce, S(13), "Fila1", false, tableau(0, 2)},
        {"wrap 2 still builds one down", onFive, S(4), "Fila1", true, tableau(0, 2)},
    });
}

TEST(GenericRuleTest, DirectionsOnFoundations) {
    const auto upFrom = [](int base) {
        return Joined({FoundationBase(base), FoundationMostCards(26)});
    };
    const auto downFrom = [&](int base) { return Joined({upFrom(base), FoundationDirection(0)}); };
    const Position heartsFromFive = {
        {"Dest1", {H(5), H(6), H(7), H(8), H(9), H(10), H(11), H(12), H(13)}}};
    const Position heartsFromAce = {
        {"Dest1",
         {H(1), H(2), H(3), H(4), H(5), H(6), H(7), H(8), H(9), H(10), H(11), H(12), H(13)}}};
    const Position heartsDownToAce = {{"Dest1", {H(5), H(4), H(3), H(2), H(1)}}};
    ExpectVerdicts({
        {"Ace-based foundation ends at its King", heartsFromAce, Second(H(1)), "Dest1", false,
         upFrom(1)},
        {"five-based foundation turns the corner", heartsFromFive, H(1), "Dest1", true, upFrom(5)},
        {"same suit is kept", heartsFromFive, S(1), "Dest1", false, upFrom(5)},
        {"down past the Ace onto a King", heartsDownToAce, H(13), "Dest1", true, downFrom(5)},
        {"King-based foundation ends at its Ace", heartsDownToAce, H(13), "Dest1", false,
         downFrom(13)},
        {"down one rank", {{"Dest1", {H(5)}}}, H(4), "Dest1", true, downFrom(5)},
    });
}

TEST(GenericRuleTest, SuitFilters) {
    const Position onHeartFive = {{"Fila1", {H(5)}}};
    const auto code = [](int building, int direction = 0) {
        return Joined({TableauCode(building), ForTableau(rule::kTableauDirection, direction)});
    };
    ExpectVerdicts({
        {"0 same suit", onHeartFive, H(4), "Fila1", true, code(0)},
        {"0 refuses another suit", onHeartFive, D(4), "Fila1", false, code(0)},
        {"1 same colour", onHeartFive, D(4), "Fila1", true, code(1)},
        {"1 refuses the other colour", onHeartFive, S(4), "Fila1", false, code(1)},
        {"3 alternating colours", onHeartFive, S(4), "Fila1", true, code(3)},
        {"3 refuses the same colour", onHeartFive, D(4), "Fila1", false, code(3)},
        {"2 any suit", onHeartFive, D(4), "Fila1", true, code(2)},
        {"unlisted code builds any suit", onHeartFive, C(4), "Fila1", true, code(59)},
        {"6 nothing on a card", onHeartFive, S(4), "Fila1", false, code(6)},
        {"6 an empty pile by its rule", {}, S(4), "Fila1", true, code(6)},
        {"11 same suit", onHeartFive, H(4), "Fila1", true, code(11)},
        {"11 no Queen on a King", {{"Fila1", {H(13)}}}, H(12), "Fila1", false, code(11)},
        {"11 no Queen on a Jack", {{"Fila1", {H(11)}}}, H(12), "Fila1", false, code(11, 1)},
        {"11 a Jack on a Queen", {{"Fila1", {H(12)}}}, H(11), "Fila1", true, code(11)},
        {"21 another suit", onHeartFive, D(4), "Fila1", true, code(21)},
        {"21 refuses the same suit", onHeartFive, H(4), "Fila1", false, code(21)},
        {"21 an empty pile by its rule", {}, H(4), "Fila1", true, code(21)},
        {"24 no Queen on a King", {{"Fila1", {H(13)}}}, H(12), "Fila1", false, code(24)},
        {"24 no King on a Queen", {{"Fila1", {H(12)}}}, H(13), "Fila1", false, code(24, 1)},
        {"24 same suit otherwise", onHeartFive, H(4), "Fila1", true, code(24)},
    });
}

TEST(EmptyPileRuleTest, WhatAnEmptyTableauPileAccepts) {
    const auto empty = [](int rule) { return TableauEmptyRule(rule); };
    const Position sources = {{"Mazzo", {C(3)}},
                              {"Mazzo_Vis", {D(7)}},
                              {"Fila2", {S(7)}},
                              {"Appogg1", {H(7)}},
                              {"Fila3", {C(5)}}};
    const Position sevensHome = {{"Dest1", {C(7)}},
                                 {"Dest2", {D(7), D(8)}},
                                 {"Fila2", {S(7)}},
                                 {"Fila3", {S(8)}},
                                 {"Appogg1", {H(7)}}};
    ExpectVerdicts({
        {"a rank: that rank", {}, S(5), "Fila1", true, empty(5)},
        {"a rank: no other", {}, S(6), "Fila1", false, empty(5)},
        {"a rank: anything while the foundations take any base",
         {},
         S(6),
         "Fila1",
         true,
         Joined({empty(5), {{rule::kFoundationBase, -1}}})},
        {"-1 anything", {}, S(6), "Fila1", true, empty(-1)},
        {"0 nothing", {}, S(6), "Fila1", false, empty(0)},
        {"82 nothing", {}, S(1), "Fila1", false, empty(82)},
        {"83 nothing", {}, S(1), "Fila1", false, empty(83)},
        {"an unknown rule refuses", {}, S(1), "Fila1", false, empty(99)},
        {"86 a single card", sources, S(7), "Fila1", true, empty(86)},
        {"86 no run", sources, S(7), "Fila1", false, empty(86), true},
        {"87 the stock card", sources, C(3), "Fila1", true, empty(87)},
        {"87 the waste card", sources, D(7), "Fila1", true, empty(87)},
        {"87 no tableau card", sources, S(7), "Fila1", false, empty(87)},
        {"87 no reserve card", sources, H(7), "Fila1", false, empty(87)},
        {"88 a reserve card", sources, H(7), "Fila1", true, empty(88)},
        {"88 no tableau card", sources, S(7), "Fila1", false, empty(88)},
        {"92 anything while no foundation started", sources, C(5), "Fila1", true, empty(92)},
        {"92 the rank of the started bases", sevensHome, S(7), "Fila1", true, empty(92)},
        {"92 no other rank", sevensHome, S(8), "Fila1", false, empty(92)},
        {"93 a reserve card while no foundation started", sources, H(7), "Fila1", true, empty(93)},
        {"93 nothing else while none started", sources, D(7), "Fila1", false, empty(93)},
        {"93 the started bases' rank from anywhere", sevensHome, S(7), "Fila1", true, empty(93)},
        {"96 a reserve card while reserves hold cards", sources, H(7), "Fila1", true, empty(96)},
        {"96 not the waste card then", sources, D(7), "Fila1", false, empty(96)},
        {"96 the waste card once the reserves are empty",
         {{"Mazzo", {C(3)}}, {"Mazzo_Vis", {D(7)}}},
         D(7),
         "Fila1",
         true,
         empty(96)},
        {"96 not the stock card",
         {{"Mazzo", {C(3)}}, {"Mazzo_Vis", {D(7)}}},
         C(3),
         "Fila1",
         false,
         empty(96)},
        {"96 never a tableau card", sources, S(7), "Fila1", false, empty(96)},
    });
}

TEST(EmptyPileRuleTest, BalancedBasesKeepColoursAndSuitsEven) {
    const auto bases = [](int rule) {
        return Joined({FoundationBase(rule), {{rule::kFoundationCount, 4}}});
    };
    const Position twoRedAces = {{"Dest1", {H(1)}}, {"Dest2", {D(1)}}};
    const Position oneSpadeAce = {{"Dest1", {S(1)}}};
    ExpectVerdicts({
        {"81 a black Ace beside two red ones", twoRedAces, C(1), "Dest3", true, bases(81)},
        {"81 no third red Ace", twoRedAces, Second(H(1)), "Dest3", false, bases(81)},
        {"81 only an Ace", {}, C(2), "Dest1", false, bases(81)},
        {"81 the same suit twice is fine", oneSpadeAce, Second(S(1)), "Dest2", true, bases(81)},
        {"85 the same suit twice is not", oneSpadeAce, Second(S(1)), "Dest2", false, bases(85)},
        {"85 another black suit", oneSpadeAce, C(1), "Dest2", true, bases(85)},
        {"84 a King", {{"Dest1", {S(13)}}}, H(13), "Dest2", true, bases(84)},
        {"84 no Ace", {}, H(1), "Dest1", false, bases(84)},
        {"90 a two", {}, H(2), "Dest1", true, bases(90)},
        {"90 no repeated suit", {{"Dest1", {H(2)}}}, Second(H(2)), "Dest2", false, bases(90)},
        {"only foundations with the same rule count",
         {{"Dest1", {H(1)}}, {"Dest2", {D(1)}}},
         Second(H(1)),
         "Dest3",
         true,
         Joined({bases(81), {{rule::kFoundationBase, 1}, {rule::kFoundationBase + 1, 1}}})},
    });
}

}  // namespace
}  // namespace vis::test
