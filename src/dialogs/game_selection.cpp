#include "dialogs/game_selection.h"

namespace vis {

bool ShowOpenGameDialog(QWidget*, AppServices&) { return false; }

void ShowSelectGameNumberDialog(QWidget*, AppServices&) {}

void ShowFavoriteGamesDialog(QWidget*, AppServices&) {}

void RefreshFavoritesMenu(QMenu*, AppServices&) {}

}  // namespace vis
