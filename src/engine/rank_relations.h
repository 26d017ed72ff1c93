// How two ranks or two cards stand to each other: the vocabulary of the
// building checks. Ranks run 1 (Ace) to 13 (King); an absent card has rank
// -1 and a joker 100, so neither ever completes a step by accident.
#pragma once

#include "engine/card_location.h"
#include "model/cards.h"

namespace vis {

inline constexpr int kAce = 1;
inline constexpr int kTwo = 2;
inline constexpr int kJack = 11;
inline constexpr int kQueen = 12;
inline constexpr int kKing = 13;

constexpr bool IsOneUp(int below, int next) {
    return next == below + 1;
}
constexpr bool IsOneDown(int above, int next) {
    return next == above - 1;
}
constexpr bool IsOneApart(int rank, int next) {
    return IsOneUp(rank, next) || IsOneDown(rank, next);
}

// An Ace follows a King going up, a King follows an Ace going down.
constexpr bool IsOneUpWrapping(int below, int next) {
    return IsOneUp(below, next) || (below == kKing && next == kAce);
}
constexpr bool IsOneDownWrapping(int above, int next) {
    return IsOneDown(above, next) || (above == kAce && next == kKing);
}
constexpr bool IsOneApartWrapping(int rank, int next) {
    return IsOneUpWrapping(rank, next) || IsOneDownWrapping(rank, next);
}

// The direction turns at the ends: a two on an Ace, a Queen on a King.
constexpr bool TurnsAtEnd(int rank, int next) {
    return (rank == kAce && next == kTwo) || (rank == kKing && next == kQueen);
}

inline bool SameSuit(CardNumber a, CardNumber b) {
    return SuitIndex(a) == SuitIndex(b);
}
inline bool SameColour(CardNumber a, CardNumber b) {
    return CardIsRed(a) == CardIsRed(b);
}
inline bool SameRank(CardNumber a, CardNumber b) {
    return RankOf(a) == RankOf(b);
}

// The suit cycle hearts -> clubs -> diamonds -> spades -> hearts.
constexpr int NextSuitInCycle(int suit) {
    constexpr int kNext[4] = {2, 3, 1, 0};
    return suit >= 0 && suit < 4 ? kNext[suit] : -1;
}

}  // namespace vis
