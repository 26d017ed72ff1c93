// The favourite games: [Favourite Games] of the configuration file, keys
// Game000, Game001, ... each naming a game; reading stops at the first
// missing key.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "model/ui_port.h"

namespace vis {

inline constexpr std::string_view kFavouritesSection = "Favourite Games";

// The key of the favourite at 0-based `index`: "Game" and three digits.
std::string FavouriteKey(int index);

// The names of Game000, Game001, ... up to the first missing key.
std::vector<std::string> ReadFavouriteGames(const std::filesystem::path& configFile);

// Takes the first favourite named `name` out of the list, the later ones
// moving down one key. False when the file could not be rewritten (the
// player has been told; the file is unchanged).
bool RemoveFavouriteGame(UiPort& ui, const std::filesystem::path& configFile,
                         std::string_view name);

}  // namespace vis
