#include "records/favourite_choice.h"

#include <algorithm>

#include "model/catalog.h"
#include "model/custom_games_file.h"
#include "model/program_paths.h"
#include "model/text.h"
#include "records/favourite_games.h"
#include "store/section_file.h"

namespace vis {

std::vector<std::string> KnownFavouriteGames(const GameContext& ctx) {
    std::vector<std::string> known;
    for (const std::string& name : ReadFavouriteGames(ConfigFilePath(ctx.state))) {
        // The game's own spelling: it reaches the caption, the log and the
        // statistics when the game is started from the favourites.
        const int number = GameNumberByName(ctx, name);
        if (number >= 0) known.push_back(GameName(ctx, number));
    }
    return known;
}

std::vector<std::string> NonFavouriteGames(const GameContext& ctx,
                                           const std::vector<std::string>& favourites) {
    std::vector<std::string> others;
    for (const std::string& stored : AllGameNames(ctx)) {
        std::string name = TrimRight(stored);
        const bool favourite =
            std::any_of(favourites.begin(), favourites.end(),
                        [&](const std::string& f) { return EqualsIgnoreCase(f, name); });
        if (!favourite) others.push_back(std::move(name));
    }
    return others;
}

void InsertSorted(std::vector<std::string>& names, std::string name) {
    const auto at = std::upper_bound(
        names.begin(), names.end(), name,
        [](const std::string& a, const std::string& b) { return GameNameLess(a, b); });
    names.insert(at, std::move(name));
}

bool WriteFavouriteGames(GameContext& ctx, const std::vector<std::string>& names) {
    KeyValues pairs;
    for (std::size_t i = 0; i < names.size(); ++i)
        pairs.push_back({FavouriteKey(static_cast<int>(i)), names[i]});
    return RewriteSection(ctx.ui, ConfigFilePath(ctx.state), kFavouritesSection, pairs);
}

}  // namespace vis
