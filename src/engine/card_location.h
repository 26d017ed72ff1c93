// Where a card lies, and the small per-card facts the move rules ask about.
#pragma once

#include <optional>

#include "model/cards.h"
#include "model/game_context.h"
#include "model/piles.h"

namespace vis {

// Location codes: which pile holds a card, as one signed number.
inline constexpr int kLocationNowhere = 0;
inline constexpr int kLocationStock = -99;
inline constexpr int kLocationWaste = -98;
constexpr int FoundationLocation(int index) {
    return -1 - index;
}  // -1 .. -16
constexpr int TableauLocation(int index) {
    return index + 1;
}  // 1 .. 28
constexpr int ReserveLocation(int index) {
    return -21 - index;
}  // -21 .. -28

constexpr bool IsTableauLocation(int location) {
    return location >= TableauLocation(0) && location <= TableauLocation(kFilaPileCount - 1);
}
constexpr bool IsReserveLocation(int location) {
    return location <= ReserveLocation(0) && location >= ReserveLocation(kAppoggPileCount - 1);
}
constexpr bool IsFoundationLocation(int location) {
    return location <= FoundationLocation(0) && location >= FoundationLocation(kDestPileCount - 1);
}
constexpr bool IsStockOrWasteLocation(int location) {
    return location == kLocationStock || location == kLocationWaste;
}

// The pile a location code names; empty for "nowhere" and unknown codes.
std::optional<PileRef> PileAtLocation(int location);

// The location of the pile holding `card`, searched in a fixed order: stock,
// waste, foundations 0-15, the tableau piles in use, the reserves in use.
// The second waste is not searched.
int CardLocation(const GameContext& ctx, CardNumber card);

// The card is the last card of a tableau pile or reserve in use.
bool IsTopCard(const GameContext& ctx, CardNumber card);

// Reserves the game uses (rule 301, kept within 0-8).
int UsedReserves(const GameContext& ctx);

// Unlike `IsRed`, only real cards of either deck are red: an absent card
// (-1), a gap (0) and jokers are not.
bool CardIsRed(CardNumber card);
bool IsJoker(CardNumber card);
// Jack, Queen or King of either deck.
bool IsCourtCard(CardNumber card);

}  // namespace vis
