// Building codes used on foundations, one verdict a row.
#include <gtest/gtest.h>

#include "engine/move_rules.h"
#include "model/rule_index.h"
#include "move_rules_fixture.h"

namespace vis::test {
namespace {

// The first `count` cards of the first deck in number order: hearts from the
// Ace, then diamonds, clubs and spades.
std::vector<CardNumber> FirstCards(int count) {
    std::vector<CardNumber> cards;
    for (int card = 1; card <= count; ++card) cards.push_back(card);
    return cards;
}

std::vector<CardNumber> Hearts(std::initializer_list<int> ranks) {
    std::vector<CardNumber> cards;
    for (int rank : ranks) cards.push_back(H(rank));
    return cards;
}

TEST(FoundationCodeTest, SuitOfTheBottomCardAfterThePreviousFoundation) {  // 5
    ExpectVerdicts(
        {
            {"first foundation opens with the base", {}, H(1), "Dest1", true},
            {"any rank of the bottom suit", {{"Dest1", {H(1)}}}, H(7), "Dest1", true},
            {"not another suit", {{"Dest1", {H(1)}}}, S(7), "Dest1", false},
            {"a rank the previous foundation holds",
             {{"Dest1", {H(1), H(7)}}, {"Dest2", {S(1)}}},
             S(7),
             "Dest2",
             true},
            {"not a rank it lacks",
             {{"Dest1", {H(1), H(7)}}, {"Dest2", {S(1)}}},
             S(8),
             "Dest2",
             false},
            {"the next foundation opens after the previous",
             {{"Dest1", {H(1)}}},
             S(1),
             "Dest2",
             true},
            {"not before", {}, S(1), "Dest2", false},
        },
        FoundationCode(5));
}

TEST(FoundationCodeTest, UpWithWrapUpToFiftyTwoCards) {  // 20
    std::vector<CardNumber> full = FirstCards(52);
    ExpectVerdicts(
        {
            {"an Ace opens", {}, D(1), "Dest1", true},
            {"nothing else opens", {}, D(2), "Dest1", false},
            {"any suit up", {{"Dest1", {H(4)}}}, S(5), "Dest1", true},
            {"an Ace on a King", {{"Dest1", {H(13)}}}, S(1), "Dest1", true},
            {"past the usual most cards", {{"Dest1", FirstCards(13)}}, Second(D(1)), "Dest1", true},
            {"never past fifty-two",
             {{"Dest1", full}},
             Second(H(1)),
             "Dest1",
             false,
             FoundationMostCards(104)},
        },
        FoundationCode(20));
}

TEST(FoundationCodeTest, SuitUpOnlyWhileTheWasteIsEmpty) {  // 23
    ExpectVerdicts(
        {
            {"same suit up", {{"Dest1", {H(4)}}, {"Fila1", {H(5)}}}, H(5), "Dest1", true},
            {"refused while the waste holds",
             {{"Dest1", {H(4)}}, {"Fila1", {H(5)}}, {"Mazzo_Vis", {C(9)}}},
             H(5),
             "Dest1",
             false},
            {"not another suit", {{"Dest1", {H(4)}}}, D(5), "Dest1", false},
            {"no empty foundation", {}, H(1), "Dest1", false},
        },
        FoundationCode(23));
}

TEST(FoundationCodeTest, SuitByTwos) {  // 25, 61
    ExpectVerdicts({
        {"25 up by two", {{"Dest1", {H(3)}}}, H(5), "Dest1", true, FoundationCode(25)},
        {"25 not by one", {{"Dest1", {H(3)}}}, H(4), "Dest1", false, FoundationCode(25)},
        {"25 same suit only", {{"Dest1", {H(3)}}}, D(5), "Dest1", false, FoundationCode(25)},
        {"25 down by two",
         {{"Dest1", {H(9)}}},
         H(7),
         "Dest1",
         true,
         Joined({FoundationCode(25), FoundationDirection(0)})},
        {"25 no turn at the King", {{"Dest1", {H(13)}}}, H(2), "Dest1", false, FoundationCode(25)},
        {"25 an empty one by its base", {}, H(1), "Dest1", true, FoundationCode(25)},
        {"61 a two on a King", {{"Dest1", {H(13)}}}, H(2), "Dest1", true, FoundationCode(61)},
        {"61 an Ace on a Queen", {{"Dest1", {H(12)}}}, H(1), "Dest1", true, FoundationCode(61)},
        {"61 the turn keeps the suit",
         {{"Dest1", {H(13)}}},
         S(2),
         "Dest1",
         false,
         FoundationCode(61)},
        {"61 up by two", {{"Dest1", {H(3)}}}, H(5), "Dest1", true, FoundationCode(61)},
    });
}

TEST(FoundationCodeTest, UpToTheKingThenDown) {  // 29
    const std::vector<CardNumber> upToKing = FirstCards(13);
    std::vector<CardNumber> turned = upToKing;
    turned.push_back(Second(H(13)));
    const RuleValues twoBalanced =
        Joined({FoundationCode(29), FoundationBase(81), {{rule::kFoundationCount, 2}}});
    ExpectVerdicts({
        {"same suit up",
         {{"Dest1", Hearts({1, 2, 3, 4, 5})}},
         H(6),
         "Dest1",
         true,
         FoundationCode(29)},
        {"not another suit",
         {{"Dest1", Hearts({1, 2, 3, 4, 5})}},
         D(6),
         "Dest1",
         false,
         FoundationCode(29)},
        {"thirteen cards take only a King",
         {{"Dest1", upToKing}},
         Second(H(13)),
         "Dest1",
         true,
         FoundationCode(29)},
        {"thirteen cards take no Queen",
         {{"Dest1", upToKing}},
         Second(H(12)),
         "Dest1",
         false,
         FoundationCode(29)},
        {"then down", {{"Dest1", turned}}, Second(H(12)), "Dest1", true, FoundationCode(29)},
        {"not up again", {{"Dest1", turned}}, Second(H(1)), "Dest1", false, FoundationCode(29)},
        {"empty: the balanced base decides", {{"Dest1", {H(1)}}}, S(1), "Dest2", true, twoBalanced},
        {"empty: a second red base is refused",
         {{"Dest1", {H(1)}}},
         D(1),
         "Dest2",
         false,
         twoBalanced},
    });
}

TEST(FoundationCodeTest, SuitOneWayClosedAtTheEnd) {  // 31, 32
    ExpectVerdicts({
        {"31 same suit down", {{"Dest1", {H(5)}}}, H(4), "Dest1", true, FoundationCode(31)},
        {"31 nothing on an Ace", {{"Dest1", {H(1)}}}, H(13), "Dest1", false, FoundationCode(31)},
        {"31 no empty foundation", {}, H(13), "Dest1", false, FoundationCode(31)},
        {"31 not another suit", {{"Dest1", {H(5)}}}, D(4), "Dest1", false, FoundationCode(31)},
        {"32 same suit up", {{"Dest1", {H(5)}}}, H(6), "Dest1", true, FoundationCode(32)},
        {"32 nothing on a King", {{"Dest1", {H(13)}}}, H(1), "Dest1", false, FoundationCode(32)},
        {"32 no empty foundation", {}, H(1), "Dest1", false, FoundationCode(32)},
    });
}

TEST(FoundationCodeTest, DownWithWrapOpeningInTurn) {  // 36
    const RuleValues kings = Joined({FoundationCode(36), FoundationBase(13)});
    ExpectVerdicts(
        {
            {"first opens with the base", {}, H(13), "Dest1", true},
            {"not another rank", {}, H(12), "Dest1", false},
            {"the second waits for the first", {}, S(13), "Dest2", false},
            {"then opens", {{"Dest1", {H(13)}}}, S(13), "Dest2", true},
            {"down any suit", {{"Dest1", {H(13)}}}, S(12), "Dest1", true},
            {"a King on an Ace", {{"Dest1", {H(1)}}}, S(13), "Dest1", true},
        },
        kings);
}

TEST(FoundationCodeTest, DoublingRanks) {  // 37
    std::vector<CardNumber> nearlyFull = FirstCards(48);
    ExpectVerdicts(
        {
            {"twice the rank", {{"Dest2", {H(3)}}}, S(6), "Dest2", true},
            {"counted round the suit", {{"Dest2", {H(7)}}}, S(1), "Dest2", true},
            {"nothing else", {{"Dest2", {H(3)}}}, S(7), "Dest2", false},
            {"no King early", {{"Dest2", {H(6)}}}, S(13), "Dest2", false},
            {"a King once the first foundation is nearly full",
             {{"Dest1", nearlyFull}, {"Dest2", {Second(H(6))}}},
             Second(S(13)),
             "Dest2",
             true},
            {"empty by the base", {}, H(1), "Dest1", true},
        },
        Joined({FoundationCode(37), FoundationMostCards(104)}));
}

TEST(FoundationCodeTest, UpFromTheAceShortOfTheCourt) {  // 39, 44
    ExpectVerdicts({
        {"39 an Ace opens", {}, S(1), "Dest1", true, FoundationCode(39)},
        {"39 nothing else opens", {}, S(2), "Dest1", false, FoundationCode(39)},
        {"39 up any suit", {{"Dest1", {H(10)}}}, S(11), "Dest1", true, FoundationCode(39)},
        {"39 no Queen", {{"Dest1", {H(11)}}}, S(12), "Dest1", false, FoundationCode(39)},
        {"44 a Queen", {{"Dest1", {H(11)}}}, S(12), "Dest1", true, FoundationCode(44)},
        {"44 no King", {{"Dest1", {H(12)}}}, S(13), "Dest1", false, FoundationCode(44)},
        {"44 an Ace opens", {}, S(1), "Dest1", true, FoundationCode(44)},
    });
}

TEST(FoundationCodeTest, SuitByTwosRoundTheSuit) {  // 41, 43
    ExpectVerdicts({
        {"41 up by two", {{"Dest1", {H(5)}}}, H(7), "Dest1", true, FoundationCode(41)},
        {"41 round the suit", {{"Dest1", {H(12)}}}, H(1), "Dest1", true, FoundationCode(41)},
        {"41 same suit only", {{"Dest1", {H(5)}}}, D(7), "Dest1", false, FoundationCode(41)},
        {"41 opens with the base and a new suit in the row",
         {{"Dest2", {S(3)}}},
         H(1),
         "Dest1",
         true,
         FoundationCode(41)},
        {"41 no suit twice in the row",
         {{"Dest2", {Second(H(3))}}},
         H(1),
         "Dest1",
         false,
         FoundationCode(41)},
        {"43 up by two", {{"Dest1", {H(4)}}}, H(6), "Dest1", true, FoundationCode(43)},
        {"43 no wrap", {{"Dest1", {H(12)}}}, H(1), "Dest1", false, FoundationCode(43)},
    });
}

TEST(FoundationCodeTest, KingWaitsForThePartnerFoundation) {  // 42
    ExpectVerdicts(
        {
            {"same suit up", {{"Dest1", {H(4)}}}, H(5), "Dest1", true},
            {"a King when the partner shows a King",
             {{"Dest1", {H(12)}}, {"Dest7", {C(13)}}},
             H(13),
             "Dest1",
             true},
            {"no King otherwise", {{"Dest1", {H(12)}}, {"Dest7", {C(12)}}}, H(13), "Dest1", false},
            {"no King without a partner pile", {{"Dest11", {H(12)}}}, H(13), "Dest11", false},
            {"no empty foundation", {}, H(1), "Dest1", false},
        },
        FoundationCode(42));
}

TEST(FoundationCodeTest, UpOrDownShortOfTheQueen) {  // 46, 47, 49-52
    const Position clubNine = {{"Fila1", {C(9), H(3)}}};
    const RuleValues downFromKing = FoundationBase(13);
    ExpectVerdicts({
        {"46 up any suit", {{"Dest1", {H(10)}}}, S(11), "Dest1", true, FoundationCode(46)},
        {"46 no Queen", {{"Dest1", {H(11)}}}, S(12), "Dest1", false, FoundationCode(46)},
        {"46 opens with the base", {}, S(1), "Dest1", true, FoundationCode(46)},
        {"46 nothing else opens", {}, S(2), "Dest1", false, FoundationCode(46)},
        {"49 opens while its tableau pile holds cards", clubNine, S(1), "Dest1", true,
         FoundationCode(49)},
        {"49 not beside an empty pile", {}, S(1), "Dest1", false, FoundationCode(49)},
        {"51 in the suit of that pile's bottom card", clubNine, C(1), "Dest1", true,
         FoundationCode(51)},
        {"51 not in another", clubNine, S(1), "Dest1", false, FoundationCode(51)},
        {"47 down any suit", {{"Dest1", {H(5)}}}, S(4), "Dest1", true, FoundationCode(47)},
        {"47 a King on an Ace", {{"Dest1", {H(1)}}}, S(13), "Dest1", true, FoundationCode(47)},
        {"47 no Queen", {{"Dest1", {H(13)}}}, S(12), "Dest1", false, FoundationCode(47)},
        {"47 opens with the base",
         {},
         S(13),
         "Dest1",
         true,
         Joined({FoundationCode(47), downFromKing})},
        {"50 opens beside tableau pile i - 8", clubNine, S(13), "Dest9", true,
         Joined({FoundationCode(50), downFromKing})},
        {"50 not while it is empty",
         {},
         S(13),
         "Dest9",
         false,
         Joined({FoundationCode(50), downFromKing})},
        {"50 no partner for the first foundations", clubNine, S(13), "Dest1", false,
         Joined({FoundationCode(50), downFromKing})},
        {"52 in the partner's bottom suit", clubNine, C(13), "Dest9", true,
         Joined({FoundationCode(52), downFromKing})},
        {"52 not in another", clubNine, S(13), "Dest9", false,
         Joined({FoundationCode(52), downFromKing})},
    });
}

TEST(FoundationCodeTest, OthersOpenOnceTheFirstIsComplete) {  // 53
    const std::vector<CardNumber> complete = FirstCards(13);
    const std::vector<CardNumber> twelve = FirstCards(12);
    ExpectVerdicts(
        {
            {"up any suit after a complete first",
             {{"Dest1", complete}, {"Dest2", {S(5)}}},
             D(6),
             "Dest2",
             true},
            {"nothing while the first is short",
             {{"Dest1", twelve}, {"Dest2", {S(5)}}},
             D(6),
             "Dest2",
             false},
            {"an empty one opens with the base", {{"Dest1", complete}}, S(1), "Dest2", true},
            {"the first itself: an Ace on a King", {{"Dest1", {H(13)}}}, S(1), "Dest1", true},
        },
        Joined({FoundationCode(53), FoundationMostCards(26)}));
}

TEST(FoundationCodeTest, SameRankAndStockBoundCodes) {  // 56, 57
    ExpectVerdicts({
        {"56 the same rank", {{"Dest1", {H(5)}}}, S(5), "Dest1", true, FoundationCode(56)},
        {"56 nothing else", {{"Dest1", {H(5)}}}, S(6), "Dest1", false, FoundationCode(56)},
        {"56 no empty foundation", {}, S(1), "Dest1", false, FoundationCode(56)},
        {"57 round the suit once the stock is out",
         {{"Dest1", {H(13)}}},
         S(1),
         "Dest1",
         true,
         FoundationCode(57)},
        {"57 nothing while the stock holds",
         {{"Dest1", {H(13)}}, {"Mazzo", {C(2)}}},
         S(1),
         "Dest1",
         false,
         FoundationCode(57)},
        {"57 no empty foundation", {}, S(1), "Dest1", false, FoundationCode(57)},
    });
}

TEST(FoundationCodeTest, CourtCardsOpenFoundationsInFamilyThirty) {  // 62
    const RuleValues family30 = Joined({FoundationCode(62), {{rule::kFamily, 30}}});
    const auto base = [&](int rank) { return Joined({family30, FoundationBase(rank)}); };
    ExpectVerdicts({
        {"only in family 30", {{"Dest1", {H(11)}}}, H(10), "Dest1", false, FoundationCode(62)},
        {"same suit down", {{"Dest1", {H(11)}}}, H(10), "Dest1", true, family30},
        {"not another suit", {{"Dest1", {H(11)}}}, S(10), "Dest1", false, family30},
        {"never an Ace", {{"Dest1", {H(2)}}}, H(1), "Dest1", false, family30},
        {"never a Queen", {{"Dest1", {H(13)}}}, H(12), "Dest1", false, family30},
        {"a Jack while its Ace tops a tableau pile",
         {{"Fila1", {S(5), H(1)}}},
         H(11),
         "Dest1",
         true,
         base(11)},
        {"not while that Ace is covered",
         {{"Fila1", {H(1), S(5)}}},
         H(11),
         "Dest1",
         false,
         base(11)},
        {"the second deck's Ace on the waste",
         {{"Mazzo_Vis", {Second(H(1))}}},
         H(11),
         "Dest1",
         true,
         base(11)},
        {"only onto a foundation based on its rank",
         {{"Fila1", {H(1)}}},
         H(11),
         "Dest1",
         false,
         base(13)},
        {"a King while its Queen tops a tableau pile",
         {{"Fila1", {D(12)}}},
         D(13),
         "Dest1",
         true,
         base(13)},
        {"a Jack never on a card",
         {{"Dest1", {S(12)}}, {"Fila1", {H(1)}}},
         H(11),
         "Dest1",
         false,
         base(11)},
    });
}

TEST(FoundationCodeTest, RankByPositionOrCount) {  // 73, 76, 77
    const std::vector<CardNumber> fourAces = {H(1), D(1), C(1), S(1)};
    ExpectVerdicts({
        {"73 the rank of the pile number", {}, S(3), "Dest3", true, FoundationCode(73)},
        {"73 nothing else", {}, S(4), "Dest3", false, FoundationCode(73)},
        {"76 any lower rank", {{"Dest1", {H(9)}}}, S(3), "Dest1", true, FoundationCode(76)},
        {"76 not the same rank", {{"Dest1", {H(9)}}}, S(9), "Dest1", false, FoundationCode(76)},
        {"76 anything opens", {}, S(9), "Dest1", true, FoundationCode(76)},
        {"77 an Ace opens",
         {},
         S(1),
         "Dest1",
         true,
         Joined({FoundationCode(77), FoundationMostCards(52)})},
        {"77 the fifth card is a two of any suit",
         {{"Dest1", fourAces}},
         Second(D(2)),
         "Dest1",
         true,
         Joined({FoundationCode(77), FoundationMostCards(52)})},
        {"77 not a three",
         {{"Dest1", fourAces}},
         S(3),
         "Dest1",
         false,
         Joined({FoundationCode(77), FoundationMostCards(52)})},
    });
}

TEST(FoundationCodeTest, AnyAceOnAKing) {  // 78
    ExpectVerdicts(
        {
            {"an Ace opens", {}, S(1), "Dest1", true},
            {"nothing else opens", {}, S(2), "Dest1", false},
            {"an Ace of any suit on a King", {{"Dest1", {H(13)}}}, S(1), "Dest1", true},
            {"same suit up", {{"Dest1", {H(5)}}}, H(6), "Dest1", true},
            {"not another suit", {{"Dest1", {H(5)}}}, D(6), "Dest1", false},
        },
        Joined({FoundationCode(78), FoundationMostCards(26)}));
}

TEST(FoundationCodeTest, TheThirteenthCardComesFromItsReserve) {  // 79
    const std::vector<CardNumber> twelve = Hearts({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12});
    ExpectVerdicts(
        {
            {"from its own reserve",
             {{"Dest1", twelve}, {"Appogg1", {H(13)}}},
             H(13),
             "Dest1",
             true},
            {"not from another reserve",
             {{"Dest1", twelve}, {"Appogg2", {H(13)}}},
             H(13),
             "Dest1",
             false},
            {"not from the tableau",
             {{"Dest1", twelve}, {"Fila1", {H(13)}}},
             H(13),
             "Dest1",
             false},
            {"a reserve card only as the thirteenth",
             {{"Dest1", {H(3)}}, {"Appogg1", {H(4)}}},
             H(4),
             "Dest1",
             false},
            {"other cards up any suit",
             {{"Dest1", {H(3)}}, {"Fila1", {S(4)}}},
             S(4),
             "Dest1",
             true},
            {"opens with the base", {{"Fila1", {S(1)}}}, S(1), "Dest1", true},
        },
        FoundationCode(79));
}

TEST(FoundationCodeTest, OpenOnlyOnceStockAndWasteAreOut) {  // 82
    ExpectVerdicts(
        {
            {"nothing while the stock holds",
             {{"Dest1", {H(4)}}, {"Mazzo", {C(2)}}},
             H(5),
             "Dest1",
             false},
            {"nothing while the waste holds",
             {{"Dest1", {H(4)}}, {"Mazzo_Vis", {C(2)}}},
             H(5),
             "Dest1",
             false},
            {"same suit up", {{"Dest1", {H(4)}}}, H(5), "Dest1", true},
            {"not another suit", {{"Dest1", {H(4)}}}, D(5), "Dest1", false},
            {"opens with a new suit in the row", {{"Dest2", {S(1)}}}, H(1), "Dest1", true},
            {"not with a suit the row shows", {{"Dest2", {Second(H(1))}}}, H(1), "Dest1", false},
        },
        FoundationCode(82));
}

TEST(FoundationCodeTest, DownUntilTheOwnRankShows) {  // 83
    const std::vector<CardNumber> sevenAfterThirteen =
        Hearts({6, 5, 4, 3, 2, 1, 13, 12, 11, 10, 9, 8, 7});
    ExpectVerdicts(
        {
            {"down any suit", {{"Dest1", {H(5)}}}, S(4), "Dest1", true},
            {"the first closes at its Ace", {{"Dest1", {H(2), H(1)}}}, S(13), "Dest1", false},
            {"another goes round the Ace", {{"Dest2", {H(1)}}}, S(13), "Dest2", true},
            {"the second closes at its two", {{"Dest2", {H(3), H(2)}}}, S(1), "Dest2", false},
            {"the seventh stays open at a seven while short",
             {{"Dest7", Hearts({11, 10, 9, 8, 7})}},
             S(6),
             "Dest7",
             true},
            {"the seventh closes once full", {{"Dest7", sevenAfterThirteen}}, S(6), "Dest7", false},
            {"no empty foundation", {}, S(13), "Dest1", false},
        },
        Joined({FoundationCode(83), FoundationMostCards(52)}));
}

TEST(FoundationCodeTest, SuitCycle) {  // 86, 87
    ExpectVerdicts({
        {"86 hearts then clubs", {{"Dest1", {H(5)}}}, C(6), "Dest1", true, FoundationCode(86)},
        {"86 not diamonds after hearts",
         {{"Dest1", {H(5)}}},
         D(6),
         "Dest1",
         false,
         FoundationCode(86)},
        {"86 clubs then diamonds", {{"Dest1", {C(5)}}}, D(6), "Dest1", true, FoundationCode(86)},
        {"86 spades then hearts", {{"Dest1", {S(5)}}}, H(6), "Dest1", true, FoundationCode(86)},
        {"86 up only", {{"Dest1", {H(5)}}}, C(4), "Dest1", false, FoundationCode(86)},
        {"86 an Ace opens", {}, S(1), "Dest1", true, FoundationCode(86)},
        {"87 down in the cycle", {{"Dest1", {H(5)}}}, C(4), "Dest1", true, FoundationCode(87)},
        {"87 not out of it", {{"Dest1", {H(5)}}}, D(4), "Dest1", false, FoundationCode(87)},
        {"87 anything opens", {}, S(9), "Dest1", true, FoundationCode(87)},
    });
}

TEST(FoundationCodeTest, TheDealCounterNamesTheRank) {  // 40
    struct Case {
        const char* what;
        int dealCounter;
        Position position;
        CardNumber card;
        bool expected;
    };
    const Case cases[] = {
        {"the counted rank", 3, {{"Dest1", {H(9)}}}, S(3), true},
        {"not another", 3, {{"Dest1", {H(9)}}}, S(4), false},
        {"counted round the suit", 16, {}, S(3), true},
        {"a King at a multiple of thirteen", 13, {}, S(13), true},
        {"anything while one card is left in stock and waste", 3, {{"Mazzo", {C(2)}}}, S(9), true},
        {"not with two left", 3, {{"Mazzo", {C(2)}}, {"Mazzo_Vis", {C(4)}}}, S(9), false},
    };
    for (const Case& c : cases) {
        Table table(c.position, FoundationCode(40));
        table.Ctx().game.dealCounter = c.dealCounter;
        EXPECT_EQ(CanPlayToPile(table.Ctx(), c.card, "Dest1"), c.expected) << c.what;
    }
}

TEST(FoundationCodeTest, FirstPassSplitsTheTableauBetweenFoundationRows) {  // 63
    struct Case {
        const char* what;
        int pass;
        const char* from;
        const char* to;
        bool expected;
    };
    const Case cases[] = {
        {"left piles feed the first row", 1, "Fila2", "Dest1", true},
        {"not the second row", 1, "Fila2", "Dest5", false},
        {"right piles feed the second row", 1, "Fila8", "Dest5", true},
        {"not the first row", 1, "Fila8", "Dest1", false},
        {"middle piles feed either", 1, "Fila5", "Dest5", true},
        {"after the first pass anything goes", 2, "Fila2", "Dest5", true},
    };
    for (const Case& c : cases) {
        Table table({{c.from, {H(2)}}, {c.to, {H(1)}}}, FoundationCode(63));
        table.Ctx().game.passNumber = static_cast<std::int16_t>(c.pass);
        EXPECT_EQ(CanPlayToPile(table.Ctx(), H(2), c.to), c.expected) << c.what;
    }
}

}  // namespace
}  // namespace vis::test
