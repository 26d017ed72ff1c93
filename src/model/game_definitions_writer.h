// Writing compiled games as the GAMES.DAT text: the catalog, one column of
// rule values per game, and the section lists of the game selection.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "model/game_definitions.h"

namespace vis {

// Every character shifted up by 48, so that no stored byte is a line end.
std::string ScrambleText(std::string_view plain);

// The plain catalog line of a game: type, number, flags and name, 60
// characters.
std::string CatalogLine(const CompiledGame& game);

// The whole file, the games in the given (catalog) order; lines end in CR LF.
std::string WriteGamesFile(std::span<const CompiledGame> games);

}  // namespace vis
