// The text image of every pile with its face flags: 55 lines (stock group,
// 16 foundations, 28 tableau piles, 8 reserves), four characters a card.
#pragma once

#include <string>
#include <vector>

#include "model/game_context.h"

namespace vis {

inline constexpr int kSnapshotLines = 55;
inline constexpr int kSnapshotStockLine = 0;
inline constexpr int kSnapshotFoundationLine = 3;
inline constexpr int kSnapshotTableauLine = 19;
inline constexpr int kSnapshotReserveLine = 47;

using PositionSnapshot = std::vector<std::string>;

// Foundation 1 is kept empty for the selection games and families 3 and 4.
PositionSnapshot TakeSnapshot(const GameContext& ctx);
bool KeepsFoundationOneEmpty(const GameRules& rules);
// Rebuilds every pile and the face flags of the cards in it. False, with
// nothing changed, when the snapshot is malformed (wrong line count, a line
// whose length is not a multiple of 4, a group that is not a card).
bool RestoreSnapshot(GameContext& ctx, const PositionSnapshot& snapshot);

// Rebuilds one pile from its snapshot line: each 4-character group appends
// its card with the group's face flag; "0000" appends a gap.
void RestorePileLine(GameContext& ctx, PileRef pile, std::string_view line);

// The snapshot line of one pile text.
std::string SnapshotLine(const DeckTable& deck, std::string_view pile);

// Every card 1..108 appears at most once over all piles, and every entry
// holds only 3-digit card texts of cards the deck has (0 for gaps).
bool IsConsistent(const PileLists& piles);

// The position of the game in play: every card of its deal (the game's deck
// for the deal number of state field 153) lies on the table exactly once and
// nothing else does, only the piles the game uses hold cards, and no
// foundation holds more than the game lets it.
bool IsConsistent(const GameContext& ctx);

}  // namespace vis
