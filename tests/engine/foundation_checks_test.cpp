// Foundations judged together: jokers standing in for cards, the step of
// the step foundations, and the colour groups of four foundations.
#include <gtest/gtest.h>

#include "engine/joker_foundations.h"
#include "engine/move_rules.h"
#include "model/rule_index.h"
#include "move_rules_fixture.h"

namespace vis::test {
namespace {

TEST(JokerFoundationTest, JokersStandInForTheCardsTheyReplace) {
    const RuleValues aceBase = FoundationCode(72);
    const RuleValues fiveBase = Joined({FoundationCode(72), FoundationBase(5)});
    const RuleValues anyBase = Joined({FoundationCode(72), FoundationBase(-2)});
    ExpectVerdicts({
        {"a plain card opens with the base", {}, H(1), "Dest1", true, aceBase},
        {"no other plain card opens", {}, H(2), "Dest1", false, aceBase},
        {"72: no joker opens", {}, kJoker, "Dest1", false, aceBase},
        {"75: a joker opens", {}, kJoker, "Dest1", true, Joined({FoundationCode(75)})},
        {"a joker on any started foundation", {{"Dest1", {H(7)}}}, kJoker, "Dest1", true, aceBase},
        {"a lone joker takes the base", {{"Dest1", {kJoker}}}, S(1), "Dest1", true, aceBase},
        {"or the rank after it", {{"Dest1", {kJoker}}}, S(2), "Dest1", true, aceBase},
        {"but nothing higher", {{"Dest1", {kJoker}}}, S(3), "Dest1", false, aceBase},
        {"a lone joker takes anything with a free base",
         {{"Dest1", {kJoker}}},
         S(9),
         "Dest1",
         true,
         anyBase},
        {"over a card: one above it", {{"Dest1", {H(1), kJoker}}}, H(2), "Dest1", true, aceBase},
        {"over a card: two above it", {{"Dest1", {H(1), kJoker}}}, H(3), "Dest1", true, aceBase},
        {"over a card: not three", {{"Dest1", {H(1), kJoker}}}, H(4), "Dest1", false, aceBase},
        {"over a card: its suit only", {{"Dest1", {H(1), kJoker}}}, S(3), "Dest1", false, aceBase},
        {"over a King: an Ace when the base is not the Ace",
         {{"Dest1", {H(13), kJoker}}},
         H(1),
         "Dest1",
         true,
         fiveBase},
        {"over a King: a two likewise",
         {{"Dest1", {H(13), kJoker}}},
         H(2),
         "Dest1",
         true,
         fiveBase},
        {"over a King: nothing when the Ace is the base",
         {{"Dest1", {H(13), kJoker}}},
         H(1),
         "Dest1",
         false,
         aceBase},
        {"on a card: same suit up", {{"Dest1", {H(1), H(2)}}}, H(3), "Dest1", true, aceBase},
        {"on a card: not another suit", {{"Dest1", {H(1), H(2)}}}, S(3), "Dest1", false, aceBase},
        {"on a King: an Ace past a five base", {{"Dest1", {H(13)}}}, H(1), "Dest1", true, fiveBase},
        {"on a King: no Ace over an Ace base",
         {{"Dest1", {H(13)}}},
         Second(H(1)),
         "Dest1",
         false,
         aceBase},
        {"the card a joker stands for",
         {{"Dest1", {H(1), kJoker, H(3)}}},
         H(2),
         "Dest1",
         true,
         aceBase},
        {"not a card the joker does not stand for",
         {{"Dest1", {H(1), kJoker, H(3)}}},
         H(5),
         "Dest1",
         false,
         aceBase},
        {"a bottom joker stands for the base",
         {{"Dest1", {kJoker, H(2), H(3)}}},
         H(1),
         "Dest1",
         true,
         aceBase},
    });
}

TEST(JokerFoundationTest, AFreeBaseIsTakenFromTheFirstStartedFoundation) {
    const RuleValues fromOthers = Joined({FoundationCode(72), FoundationBase(-2)});
    ExpectVerdicts({
        {"its bottom card's rank", {{"Dest1", {S(5), S(6)}}}, H(5), "Dest2", true, fromOthers},
        {"no other rank", {{"Dest1", {S(5), S(6)}}}, H(6), "Dest2", false, fromOthers},
        {"one below the card over a bottom joker",
         {{"Dest1", {kJoker, S(6)}}},
         H(5),
         "Dest2",
         true,
         fromOthers},
        {"not the card over that joker",
         {{"Dest1", {kJoker, S(6)}}},
         H(6),
         "Dest2",
         false,
         fromOthers},
        {"anything while nothing is started", {}, H(9), "Dest2", true, fromOthers},
    });
}

TEST(JokerFoundationTest, FourFoundationsShowEachSuitOnce) {
    const RuleValues four = Joined({FoundationCode(72), {{rule::kFoundationCount, 4}}});
    ExpectVerdicts({
        {"a suit already in the row", {{"Dest1", {H(1)}}}, Second(H(1)), "Dest2", false, four},
        {"with more foundations the row does not matter",
         {{"Dest1", {H(1)}}},
         Second(H(1)),
         "Dest2",
         true,
         FoundationCode(72)},
        {"the card takes its foundation's place in the row",
         {{"Dest1", {S(1)}}},
         S(2),
         "Dest1",
         true,
         four},
    });
}

TEST(JokerFoundationTest, ThePlaceOfTheJokerACardReplaces) {
    Table table({{"Dest1", {H(1), kJoker, H(3), kJoker2}}, {"Dest2", {kJoker, S(2)}}},
                FoundationCode(72));
    EXPECT_EQ(JokerPlaceFor(table.Ctx(), 0, H(2)), 1);
    EXPECT_EQ(JokerPlaceFor(table.Ctx(), 0, H(4)), -1);  // only the lowest joker counts
    EXPECT_EQ(JokerPlaceFor(table.Ctx(), 1, S(1)), 0);
    EXPECT_EQ(JokerPlaceFor(table.Ctx(), 2, S(1)), -1);  // no joker there
    EXPECT_EQ(JokerPlaceFor(table.Ctx(), 16, S(1)), -1);
}

TEST(StepFoundationTest, TheFirstFoundationWithTwoCardsSetsTheStep) {
    const RuleValues step = Joined({FoundationCode(91), FoundationMostCards(26)});
    ExpectVerdicts(
        {
            {"no step yet: one up", {{"Dest1", {H(3)}}}, S(4), "Dest1", true},
            {"no step yet: two up", {{"Dest1", {H(3)}}}, S(5), "Dest1", true},
            {"no step yet: not three", {{"Dest1", {H(3)}}}, S(6), "Dest1", false},
            {"step two", {{"Dest1", {H(3)}}, {"Dest2", {C(2), C(4)}}}, S(5), "Dest1", true},
            {"step two refuses one",
             {{"Dest1", {H(3)}}, {"Dest2", {C(2), C(4)}}},
             S(4),
             "Dest1",
             false},
            {"step two: an Ace after a Queen",
             {{"Dest1", {H(12)}}, {"Dest2", {C(2), C(4)}}},
             S(1),
             "Dest1",
             true},
            {"step two: a two after a King",
             {{"Dest1", {H(13)}}, {"Dest2", {C(2), C(4)}}},
             S(2),
             "Dest1",
             true},
            {"King then Ace is step one",
             {{"Dest1", {H(3)}}, {"Dest2", {C(13), C(1)}}},
             S(5),
             "Dest1",
             false},
            {"step one: an Ace after a King",
             {{"Dest1", {H(13)}}, {"Dest2", {C(13), C(1)}}},
             S(1),
             "Dest1",
             true},
            {"Queen then Ace is step two",
             {{"Dest1", {H(3)}}, {"Dest2", {C(12), C(1)}}},
             S(5),
             "Dest1",
             true},
            {"step three", {{"Dest1", {H(3)}}, {"Dest2", {C(1), C(4)}}}, S(6), "Dest1", true},
        },
        step);
}

TEST(FourFoundationColourTest, AcesAndKingsOpenInColourGroups) {  // 58, 64
    const RuleValues rules = Joined({FoundationCode(58),
                                     {{rule::kFoundationCount, 4},
                                      {rule::kFoundationDirection + 2, 0},
                                      {rule::kFoundationDirection + 3, 0}}});
    ExpectVerdicts(
        {
            {"an Ace opens the first group", {}, H(1), "Dest1", true},
            {"a King does not", {}, H(13), "Dest1", false},
            {"a King opens the second group", {}, S(13), "Dest3", true},
            {"the group keeps its colour", {{"Dest1", {H(1)}}}, D(1), "Dest2", true},
            {"not the other colour", {{"Dest1", {H(1)}}}, S(1), "Dest2", false},
            {"nor a suit the row already shows", {{"Dest1", {H(1)}}}, Second(H(1)), "Dest2", false},
            {"the other group's colour is refused", {{"Dest3", {S(13)}}}, C(1), "Dest1", false},
            {"the opposite colour opens", {{"Dest3", {S(13)}}}, H(1), "Dest1", true},
            {"up in suit on the first group", {{"Dest1", {H(1)}}}, H(2), "Dest1", true},
            {"down in suit on the second group", {{"Dest3", {S(13)}}}, S(12), "Dest3", true},
            {"no foundation past the four opens", {}, H(1), "Dest5", false},
        },
        rules);
    ExpectVerdicts(
        {
            {"while the stock lasts pile 5 feeds foundation 1",
             {{"Fila5", {H(2)}}, {"Dest1", {H(1)}}, {"Mazzo", {C(9)}}},
             H(2),
             "Dest1",
             true},
            {"pile 6 does not",
             {{"Fila6", {H(2)}}, {"Dest1", {H(1)}}, {"Mazzo", {C(9)}}},
             H(2),
             "Dest1",
             false},
            {"other piles are free",
             {{"Fila2", {H(2)}}, {"Dest1", {H(1)}}, {"Mazzo", {C(9)}}},
             H(2),
             "Dest1",
             true},
            {"once the stock is out pile 6 is free",
             {{"Fila6", {H(2)}}, {"Dest1", {H(1)}}},
             H(2),
             "Dest1",
             true},
        },
        rules);
}

}  // namespace
}  // namespace vis::test
