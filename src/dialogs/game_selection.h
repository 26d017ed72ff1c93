// Choosing a game: the "Open a game" dialog, the game number dialog, the
// favourite games and the favourites submenu.
#pragma once

class QMenu;
class QWidget;

namespace vis {

struct AppServices;

// The "Open a game" dialog; its choice starts the game. True when a game
// was started (or a saved game opened).
bool ShowOpenGameDialog(QWidget* parent, AppServices& app);
// The "Select a game number" dialog; its choice deals that number.
void ShowSelectGameNumberDialog(QWidget* parent, AppServices& app);
// The "Favorite games" dialog.
void ShowFavoriteGamesDialog(QWidget* parent, AppServices& app);
// Fills the favourites submenu; each of its items starts its game. The
// menu is hidden while there are no favourites.
void RefreshFavoritesMenu(QMenu* menu, AppServices& app);
// Fills again the submenu filled last, after the favourites changed.
void RefreshFavoritesMenu(AppServices& app);

}  // namespace vis
