// The card order of a deal. It depends on the game's deck and the deal
// number alone, so a game and a deal number always give the same table.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/cards.h"
#include "model/game_rules.h"

namespace vis {

struct GameContext;

inline constexpr int kDealDigitCount = 13;
inline constexpr int kMaxJokers = 4;

// The 13 digits a deal number stands for: its last 13, a shorter number
// filled with leading zeros ("1" is twelve zeros and a 1). A character that
// is not a digit counts as 0.
std::string DealDigits(std::string_view dealNumber);
// The same digits as a number.
std::int64_t DealValue(std::string_view dealNumber);

// Whether the deck size of rule 303 can be shuffled: 1 to 52 cards, or 104.
bool IsShuffleableDeck(const GameRules& rules);
// Jokers in the deck: rule 306, at most four, when rule 43 is 1.
int JokersInDeck(const GameRules& rules);
// Entries of the shuffled list: the deck size plus the jokers.
int ShuffledListSize(const GameRules& rules);

// The shuffled list, the card dealt first at the front. A deck smaller than
// 52 holds the cards placed first. Empty when the deck cannot be shuffled.
std::vector<CardNumber> ShuffleDeck(const GameRules& rules, std::string_view dealNumber);

// The shuffled list of the current game and deal number (state field 153).
// A deck size that cannot be shuffled shows "Error 01 - fnGameNumberCardsArray",
// leaves the list empty and returns false.
bool fnGameNumberCardsArray(GameContext& ctx, std::vector<CardNumber>& list);

}  // namespace vis
