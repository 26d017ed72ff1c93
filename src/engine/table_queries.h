// Small questions about the position that scoring and the end-of-game
// tests share.
#pragma once

#include <string_view>

#include "model/game_context.h"

namespace vis {

// The number of tableau piles the game uses (rule 300, kept within 0-28).
int UsedTableauPiles(const GameContext& ctx);
int UsedFoundations(const GameContext& ctx);
// The ranks of the tableau's top cards added up to the first empty pile.
int TopCardsSum(const GameContext& ctx);
// Exactly nine cards reading 9, 8, ... 1 from the bottom.
bool ReadsNineDownToOne(std::string_view pile);

inline constexpr int kTopCardsTarget = 91;

}  // namespace vis
