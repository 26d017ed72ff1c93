// A readable page of a game's rules written from its rule values: the deal,
// the foundations, building on the tableau, empty piles, the stock and the
// redeals. The help window shows it as the game's rules topic.
#pragma once

#include <string>
#include <vector>

namespace vis {

struct GameContext;

// `rules` holds the game's values indexed by rule number (missing entries
// read 0). The page is HTML.
std::string RulesPageHtml(const std::string& name, const std::vector<int>& rules);

// The page of a standard game read from the games file; empty when the
// game is unknown.
std::string RulesPageHtml(const GameContext& ctx, int game);

}  // namespace vis
