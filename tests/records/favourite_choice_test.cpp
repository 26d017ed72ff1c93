#include "records/favourite_choice.h"

#include <gtest/gtest.h>

#include "model/config_file.h"
#include "records/favourite_games.h"
#include "support/shipped_games.h"

namespace vis {
namespace {

class FavouriteChoiceTest : public test::ShippedGamesTest {};

TEST_F(FavouriteChoiceTest, UnknownFavouritesAreDroppedOnTheNextWrite) {
    const auto config = ConfigFilePath(ctx.state);
    WritePref(config, "Favourite Games", "Game000", "Spider");
    WritePref(config, "Favourite Games", "Game001", "Gone Game");
    WritePref(config, "Favourite Games", "Game002", "klondike");
    const auto favourites = KnownFavouriteGames(ctx);
    // Written by hand in small letters, read in the catalog's spelling.
    EXPECT_EQ(favourites, (std::vector<std::string>{"Spider", "Klondike"}));

    const auto others = NonFavouriteGames(ctx, favourites);
    EXPECT_EQ(std::count(others.begin(), others.end(), "Klondike"), 0);
    EXPECT_EQ(others.size() + 2, ctx.game.catalog.size());

    std::vector<std::string> chosen;
    for (const auto& name : {"Spider", "freecell", "Klondike"}) InsertSorted(chosen, name);
    EXPECT_EQ(chosen, (std::vector<std::string>{"freecell", "Klondike", "Spider"}));
    ASSERT_TRUE(WriteFavouriteGames(ctx, chosen));
    EXPECT_EQ(ReadFavouriteGames(config), chosen);
}

}  // namespace
}  // namespace vis
