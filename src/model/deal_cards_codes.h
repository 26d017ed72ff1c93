// The codes of a game's rules that shape its deal: foundation start codes
// (rule 96 + foundation), bases from the deal (rule 1) and the special
// arrangements (rule 33).
#pragma once

namespace vis::deal_code {

// Foundation start codes.
inline constexpr int kNoStartCard = 0;
inline constexpr int kAceStarts = 1;          // 1-13: the card of that rank, 1 an Ace
inline constexpr int kFirstCardSuitsOn = 91;  // the first card, one suit further per foundation
inline constexpr int kBaseOfFirstFoundation = 92;
inline constexpr int kAcesHomeAll = 93;       // aces home; the tableau plays to every foundation
inline constexpr int kAcesHomeOwnPile = 94;   // tableau pile i plays to foundation i only
inline constexpr int kKingsAndAcesHome = 95;  // kings then aces; the tableau plays by halves
inline constexpr int kAcesFromTableau = 96;   // tableau aces go home and are replaced
inline constexpr int kFirstCard = 20;
inline constexpr int kFirstOfNewSuit = 21;
inline constexpr int kFirstOfRankLow = 51;  // 51-63: the first card of rank code - 50
inline constexpr int kFirstOfRankHigh = 63;
inline constexpr int kCardNumberBase = 100;  // 100 and above: card code - 100

// Foundation bases from the deal.
inline constexpr int kBaseFromOneCard = 1;
inline constexpr int kBaseOneCardEach = 2;
inline constexpr int kBaseAboveReserves = 3;

// Special arrangements.
inline constexpr int kKingsToStock = 1;
inline constexpr int kRowsFromKings = 2;
inline constexpr int kDistinctRanksPerPile = 3;
inline constexpr int kRowsFromQueens = 4;
inline constexpr int kPileByRankLessTwo = 5;
inline constexpr int kPileByRankLessOne = 6;
inline constexpr int kBottomCardsHome = 7;
inline constexpr int kAcesLeave = 8;
inline constexpr int kLowCardsOnly = 9;
inline constexpr int kOnePileEmptied = 10;
inline constexpr int kOneOfEachRank = 11;
inline constexpr int kChosenCardsOnly = 12;
inline constexpr int kFoundationsFromList = 13;
inline constexpr int kOneOfEachRankOneSuit = 14;
inline constexpr int kKingsLeaveRowsPadded = 15;

}  // namespace vis::deal_code
