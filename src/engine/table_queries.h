// Small questions about the position that scoring and the end-of-game
// tests share.
#pragma once

#include <algorithm>
#include <array>
#include <string_view>

#include "model/game_context.h"
#include "model/pile_counts.h"

namespace vis {

// The ranks of the tableau's top cards added up to the first empty pile.
int TopCardsSum(const GameContext& ctx);
// Exactly nine cards reading 9, 8, ... 1 from the bottom.
bool ReadsNineDownToOne(std::string_view pile);

inline constexpr int kTopCardsTarget = 91;

// The first and last pile of each of the four rows of seven in the
// row-and-corner games.
inline constexpr std::array<int, 8> kRowEndPiles = {0, 6, 7, 13, 14, 20, 21, 27};
inline bool IsRowEndPile(int tableauIndex) {
    return std::find(kRowEndPiles.begin(), kRowEndPiles.end(), tableauIndex) != kRowEndPiles.end();
}

}  // namespace vis
