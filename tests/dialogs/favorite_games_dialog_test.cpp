#include "dialogs/favorite_games_dialog.h"

#include <gtest/gtest.h>

#include <QMenu>

#include "dialog_fixture.h"
#include "dialogs/game_selection.h"
#include "model/config_file.h"
#include "records/favourite_games.h"

namespace vis {
namespace {

class FavoriteGamesDialogTest : public test::DialogTest {};

TEST_F(FavoriteGamesDialogTest, MovedGamesTakeTheirSortedPlaceAndOkWritesThem) {
    const auto config = ConfigFilePath(ctx.state);
    WritePref(config, "Favourite Games", "Game000", "Spider");
    WritePref(config, "Favourite Games", "Game001", "Vanished Game");
    QMenu menu;
    RefreshFavoritesMenu(&menu, app);
    ASSERT_EQ(menu.actions().size(), 1);
    EXPECT_EQ(menu.actions()[0]->text(), "Spider");

    TfrmFavorite dialog(nullptr, app);
    EXPECT_EQ(dialog.FavoritesList()->Names(), QStringList{"Spider"});
    EXPECT_FALSE(dialog.GamesList()->Names().contains("Spider"));
    for (const QString name : {"Klondike", "Freecell"})
        dialog.GamesList()->findItems(name, Qt::MatchExactly).front()->setSelected(true);
    dialog.btnAddClick();
    EXPECT_EQ(dialog.FavoritesList()->Names(), (QStringList{"Freecell", "Klondike", "Spider"}));

    dialog.FavoritesList()->clearSelection();
    dialog.FavoritesList()->findItems("Klondike", Qt::MatchExactly).front()->setSelected(true);
    dialog.btnRemoveClick();
    EXPECT_TRUE(dialog.GamesList()->Names().contains("Klondike"));
    const QStringList games = dialog.GamesList()->Names();
    EXPECT_TRUE(std::is_sorted(games.begin(), games.end(), [](const QString& a, const QString& b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    }));

    dialog.btnOKClick();
    EXPECT_EQ(ReadFavouriteGames(config), (std::vector<std::string>{"Freecell", "Spider"}));
    ASSERT_EQ(menu.actions().size(), 2);
    EXPECT_EQ(menu.actions()[0]->text(), "Freecell");

    // Choosing an entry starts its game.
    menu.actions()[1]->trigger();
    EXPECT_EQ(ctx.state.Get(field::kGameName), "Spider");

    TfrmFavorite emptied(nullptr, app);
    emptied.btnRemoveAllClick();
    emptied.btnOKClick();
    EXPECT_TRUE(ReadFavouriteGames(config).empty());
    EXPECT_FALSE(menu.menuAction()->isVisible());
}

}  // namespace
}  // namespace vis
