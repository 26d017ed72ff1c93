// The bookkeeping of the favourite games dialog: which games are
// favourites, which are not, and writing the chosen list back.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/game_context.h"

namespace vis {

// The favourites that name a known game (standard or customized), in
// stored order, spelt as the game is named; names of games that no longer
// exist are left out.
std::vector<std::string> KnownFavouriteGames(const GameContext& ctx);

// Every game name (standard and customized) that is not a favourite,
// sorted without regard to letter case.
std::vector<std::string> NonFavouriteGames(const GameContext& ctx,
                                           const std::vector<std::string>& favourites);

// Puts the name at its alphabetical place (letter case ignored).
void InsertSorted(std::vector<std::string>& names, std::string name);

// Replaces the favourites section by the names as Game000, Game001, ...
// False when the file could not be rewritten (the player has been told).
bool WriteFavouriteGames(GameContext& ctx, const std::vector<std::string>& names);

}  // namespace vis
