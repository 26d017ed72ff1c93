#include "model/shuffle.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <string>
#include <vector>

#include "model/game_context.h"
#include "model/headless_ui.h"
#include "model/rule_index.h"

namespace vis {
namespace {

GameRules Deck(int size, int jokers = 0) {
    GameRules rules;
    rules.Set(rule::kDeckSize, size);
    if (jokers > 0) {
        rules.Set(rule::kJokersInDeck, 1);
        rules.Set(rule::kJokerCount, jokers);
    }
    return rules;
}

std::vector<CardNumber> Cards(const std::string& texts) {
    std::vector<CardNumber> cards;
    for (std::size_t i = 0; i + 3 <= texts.size(); i += 4)
        cards.push_back(std::stoi(texts.substr(i, 3)));
    return cards;
}

std::vector<CardNumber> Range(CardNumber first, CardNumber last) {
    std::vector<CardNumber> cards(static_cast<std::size_t>(last - first + 1));
    std::iota(cards.begin(), cards.end(), first);
    return cards;
}

std::vector<CardNumber> Sorted(std::vector<CardNumber> cards) {
    std::sort(cards.begin(), cards.end());
    return cards;
}

// Pinned deals. Each was checked against a separate implementation of the
// same card placement; the first pass of deal "1" was also followed by
// hand (rank 2, suit row 1: 002 at 25, 028 at 43, 015 at 4, 041 at 26).
struct GoldenDeal {
    const char* dealNumber;
    int deckSize;
    int jokers;
    const char* cards;
};

const GoldenDeal kGoldenDeals[] = {
    {"1", 52, 0,
     "040 004 043 039 015 006 016 045 018 035 034 007 049 011 025 024 026 027 046 030 048 010 012 "
     "032 "
     "021 002 041 003 042 005 014 044 017 013 033 009 019 023 052 022 037 038 051 028 008 029 047 "
     "031 "
     "020 050 036 001"},
    {"0000000000000", 52, 0,
     "002 043 004 020 027 045 029 006 031 036 022 047 050 012 026 025 033 015 008 017 049 011 013 "
     "019 "
     "035 040 001 042 003 044 028 005 030 046 021 010 032 024 007 023 038 052 039 014 048 016 009 "
     "018 "
     "034 051 037 041"},
    {"9999999999999", 52, 0,
     "048 007 004 016 026 030 041 051 027 024 001 050 020 049 008 045 034 031 017 005 009 014 035 "
     "042 "
     "052 028 038 002 012 021 018 010 046 036 032 022 006 043 015 025 037 040 029 039 003 013 023 "
     "019 "
     "011 047 044 033"},
    {"1234567890123", 104, 0,
     "005 003 101 043 073 053 081 034 074 020 093 069 036 018 028 042 097 077 017 066 014 021 088 "
     "060 "
     "037 061 059 071 080 030 090 057 016 023 052 015 011 072 092 001 075 087 022 004 047 063 058 "
     "067 "
     "064 070 038 085 049 055 039 065 041 013 027 084 009 045 056 089 050 103 099 048 098 046 051 "
     "010 "
     "083 044 068 026 102 019 035 002 033 040 082 025 062 024 086 076 029 096 032 094 031 008 079 "
     "100 "
     "054 078 091 104 007 095 012 006"},
    {"1", 52, 4,
     "107 015 030 047 022 011 044 019 005 024 027 049 038 042 012 003 017 039 034 035 010 007 108 "
     "041 "
     "014 105 002 031 046 045 026 006 021 029 048 023 037 025 004 043 018 033 009 106 028 050 040 "
     "016 "
     "001 032 036 051 052 008 013 020"},
    {"1", 32, 0,
     "043 013 026 052 007 004 045 001 014 029 017 028 042 006 041 031 019 033 020 044 039 046 016 "
     "003 "
     "015 002 027 030 005 018 040 032"},
};

TEST(ShuffleTest, PinnedDealsStayTheSame) {
    for (const auto& golden : kGoldenDeals)
        EXPECT_EQ(ShuffleDeck(Deck(golden.deckSize, golden.jokers), golden.dealNumber),
                  Cards(golden.cards))
            << golden.dealNumber << " with " << golden.deckSize << " cards and " << golden.jokers
            << " jokers";
}

TEST(ShuffleTest, EveryCardOfTheDeckStandsOnce) {
    struct Case {
        int deckSize;
        int jokers;
        std::vector<CardNumber> expected;
    };
    std::vector<CardNumber> withJokers = Range(1, 52);
    for (CardNumber joker = 105; joker <= 108; ++joker) withJokers.push_back(joker);
    const Case cases[] = {{52, 0, Range(1, 52)}, {104, 0, Range(1, 104)}, {52, 4, withJokers}};
    for (const char* deal :
         {"1", "0000000000000", "9999999999999", "5070809010203", "42", "1000000000000"})
        for (const auto& c : cases)
            EXPECT_EQ(Sorted(ShuffleDeck(Deck(c.deckSize, c.jokers), deal)), c.expected)
                << deal << " with " << c.deckSize << " cards and " << c.jokers << " jokers";
}

TEST(ShuffleTest, OnlyTheLastThirteenDigitsCountAndShortNumbersAreFilledWithZeros) {
    const GameRules rules = Deck(52);
    EXPECT_EQ(DealDigits("1"), "0000000000001");
    EXPECT_EQ(DealDigits("987654321098765"), "7654321098765");
    EXPECT_EQ(ShuffleDeck(rules, "1"), ShuffleDeck(rules, "0000000000001"));
    EXPECT_EQ(ShuffleDeck(rules, "42"), ShuffleDeck(rules, "00000000042"));
    EXPECT_EQ(ShuffleDeck(rules, "987654321098765"), ShuffleDeck(rules, "7654321098765"));
    EXPECT_NE(ShuffleDeck(rules, "1"), ShuffleDeck(rules, "1000000000000"));
    EXPECT_EQ(DealValue("00042"), 42);
}

TEST(ShuffleTest, SecondDeckCardsFillTheLastFourColumnsOfAPass) {
    // Deal "1", pass 1: rank 2, suit row 1, steps of digit 0 from position 0.
    const std::vector<CardNumber> list = ShuffleDeck(Deck(104), "1");
    struct Placed {
        std::size_t slot;
        CardNumber card;
    };
    const Placed firstPass[] = {{25, 2},  {43, 28}, {56, 15}, {78, 41},
                                {99, 93}, {15, 80}, {30, 67}, {45, 54}};
    for (const auto& placed : firstPass)
        EXPECT_EQ(list[placed.slot], placed.card) << "slot " << placed.slot;
}

TEST(ShuffleTest, JokersTakeTheirPlacesBeforeAnyOtherCard) {
    // Deal "1": start position 0, first digit 0, steps 25, 18, 13 and 22 in
    // a list of 56: the jokers land on 25, 43, 0 and 22 whatever follows.
    const std::vector<CardNumber> list = ShuffleDeck(Deck(52, 4), "1");
    EXPECT_EQ(list[25], 105);
    EXPECT_EQ(list[43], 106);
    EXPECT_EQ(list[0], 107);
    EXPECT_EQ(list[22], 108);
}

TEST(ShuffleTest, JokerCountIsLimitedToFourAndNeedsRule43) {
    EXPECT_EQ(ShuffledListSize(Deck(52, 6)), 56);
    EXPECT_EQ(Sorted(ShuffleDeck(Deck(52, 6), "77")).back(), 108);
    GameRules noJokers = Deck(52);
    noJokers.Set(rule::kJokerCount, 4);
    EXPECT_EQ(Sorted(ShuffleDeck(noJokers, "77")), Range(1, 52));
}

TEST(ShuffleTest, SmallDecksHoldTheCardsPlacedFirst) {
    for (int size : {1, 13, 24, 32, 40, 51}) {
        const std::vector<CardNumber> list = ShuffleDeck(Deck(size), "3141592653589");
        ASSERT_EQ(static_cast<int>(list.size()), size);
        std::vector<CardNumber> sorted = Sorted(list);
        EXPECT_EQ(std::adjacent_find(sorted.begin(), sorted.end()), sorted.end()) << size;
        EXPECT_GE(sorted.front(), 1) << size;
        EXPECT_LE(sorted.back(), 52) << size;
    }
}

TEST(ShuffleTest, DeckSizesThatCannotBeShuffledShowTheErrorAndDealNothing) {
    for (int size : {0, -1, 53, 103, 105, 108}) {
        HeadlessUi ui;
        GameContext ctx(ui);
        ctx.rules.Set(rule::kDeckSize, size);
        ctx.state.Set(field::kDealNumber, "1");
        std::vector<CardNumber> list = {7};
        EXPECT_FALSE(fnGameNumberCardsArray(ctx, list)) << size;
        EXPECT_TRUE(list.empty()) << size;
        EXPECT_EQ(ui.Messages(), std::vector<std::string>{"Error 01 - fnGameNumberCardsArray"})
            << size;
    }
}

TEST(ShuffleTest, TheContextDealsByItsDealNumberField) {
    HeadlessUi ui;
    GameContext ctx(ui);
    ctx.rules.Set(rule::kDeckSize, 52);
    ctx.state.Set(field::kDealNumber, "1");
    std::vector<CardNumber> list;
    ASSERT_TRUE(fnGameNumberCardsArray(ctx, list));
    EXPECT_EQ(list, ShuffleDeck(ctx.rules, "1"));
    EXPECT_TRUE(ui.Messages().empty());
}

TEST(ShuffleTest, ADamagedDealNumberCountsItsStrayCharactersAsZeros) {
    EXPECT_EQ(DealDigits("12x4"), "0000000001204");
    EXPECT_EQ(ShuffleDeck(Deck(52), "12x4"), ShuffleDeck(Deck(52), "1204"));
}

}  // namespace
}  // namespace vis
