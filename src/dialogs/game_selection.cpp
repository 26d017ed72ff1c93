#include "dialogs/game_selection.h"

#include <QAction>
#include <QMenu>
#include <QPixmap>
#include <QPointer>

#include "dialogs/app_services.h"
#include "dialogs/favorite_games_dialog.h"
#include "dialogs/open_game_dialog.h"
#include "dialogs/record_text.h"
#include "dialogs/select_number_dialog.h"
#include "engine/engine_hooks.h"
#include "game/new_game.h"
#include "game/open_game.h"
#include "media/resource_library.h"
#include "model/catalog.h"
#include "records/favourite_choice.h"

namespace vis {

namespace {

QPointer<QMenu>& FavouritesMenu() {
    static QPointer<QMenu> menu;
    return menu;
}

}  // namespace

bool ShowOpenGameDialog(QWidget* parent, AppServices& app) {
    TfrmOpenGame dialog(parent, app);
    dialog.exec();
    // "Open a saved game...": a file that leaves no game on the table
    // brings the selection back as it was.
    while (dialog.TakeSavedGameRequest()) {
        OpenGame(app.ctx, app.hooks, OpenMode::kChooseFile);
        if (app.ctx.flags[Flag::kGameInProgress]) return true;
        dialog.exec();
    }
    if (!dialog.GameChosen()) {
        if (app.ctx.state.GetInt(field::kGameNumber, -1) < 0)
            app.ctx.ui.SetCommandGroupEnabled(CommandGroup::kGame, false);
        return false;
    }
    return StartGame(app.ctx, app.hooks,
                     {.number = dialog.SelectedCode(),
                      .name = RecordTextOf(dialog.SelectedName()),
                      .player = RecordTextOf(dialog.SelectedPlayer()),
                      // The dialog has stored the game and its folder itself.
                      .persist = false});
}

void ShowSelectGameNumberDialog(QWidget* parent, AppServices& app) {
    TfrmSelectGameNumber dialog(parent, app);
    dialog.exec();
}

void ShowFavoriteGamesDialog(QWidget* parent, AppServices& app) {
    TfrmFavorite dialog(parent, app);
    dialog.exec();
}

void RefreshFavoritesMenu(QMenu* menu, AppServices& app) {
    FavouritesMenu() = menu;
    if (!menu) return;
    menu->clear();
    for (const std::string& name : KnownFavouriteGames(app.ctx)) {
        const int game = GameNumberByName(app.ctx, name);
        const std::string picture = TypePictureName(GameType(app.ctx, game));
        QIcon icon;
        if (!picture.empty() && app.library.HasBitmap(picture))
            icon = QIcon(QPixmap::fromImage(app.library.Bitmap(picture)));
        menu->addAction(icon, FromRecordText(name), menu, [&app, game, name] {
            StartGame(app.ctx, app.hooks,
                      {.number = game,
                       .name = name,
                       .player = app.ctx.state.Get(field::kPlayer),
                       .persist = true});
        });
    }
    menu->menuAction()->setVisible(!menu->isEmpty());
}

void RefreshFavoritesMenu(AppServices& app) {
    RefreshFavoritesMenu(FavouritesMenu().data(), app);
}

}  // namespace vis
