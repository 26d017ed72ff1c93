// The game catalog: number, name, type and flags of every standard game, in
// the order of the rule columns. Customized games (8000 and above) are not
// in it; the lookups pass their numbers on to the customized-games file.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/game_context.h"

namespace vis {

// The type that files every customized game in the game tree.
inline constexpr int kCustomGamesType = 800;
// The narrowest screen on which games marked as wide can be played.
inline constexpr int kWideGameScreenWidth = 650;

// Reads the catalog section of the games file into ctx.game.catalog (lines
// marked "9" in character 8 are left out). False, with a message and an
// empty catalog, when the file is missing, unreadable or has no catalog.
bool LoadCatalog(GameContext& ctx);
// The message for a games file that cannot serve at all (missing,
// unreadable, no game in its catalog, or cut short: its rules section ends
// before the last rule or a row lacks a field for a game), or nothing.
// Checked once at the start, before anything is dealt from the file.
std::optional<std::string> GamesFileProblem(const std::filesystem::path& file);

// Fields of one catalog line (1-based characters 1-3 type, 5-7 number,
// 9 wide-screen flag, 11-60 name).
std::string CatalogName(std::string_view line);  // as stored, with its blanks
// Empty when the field is not a number.
std::optional<int> CatalogNumber(std::string_view line);
bool NeedsWideScreen(std::string_view line);

// The 0-based position of the game's line, which is the column of its rules;
// -1 for customized numbers and numbers not in the catalog.
int GameColumn(const GameContext& ctx, int number);
// Without trailing blanks; empty when the game is unknown.
std::string GameName(const GameContext& ctx, int number);
// The number of the first catalog game whose name matches (trailing blanks
// and letter case ignored), else of the last matching customized game, or -1.
int GameNumberByName(const GameContext& ctx, std::string_view name);
// The catalog type; kCustomGamesType for customized games; -1 when unknown.
int GameType(const GameContext& ctx, int number);
// The picture of a type's branch in the game tree; empty when it has none.
std::string TypePictureName(int type);

// Every catalog name as stored and every customized name, sorted without
// regard to letter case.
std::vector<std::string> AllGameNames(const GameContext& ctx);

// False, after telling the player, when the game (for a customized game its
// base game) needs a wider screen than this one.
bool CanPlayOnThisScreen(GameContext& ctx, int number);

// The top card of the pile a key names; 0 for an empty pile, "Mazzo_Waste"
// and keys that name no pile. Only one digit after "Appogg" is read.
CardNumber TopCardOf(const GameContext& ctx, std::string_view key);
// Whether the card tops one of the game's tableau piles.
bool IsTableauTop(const GameContext& ctx, CardNumber card);

}  // namespace vis
