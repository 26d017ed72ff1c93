// The players: up to 20 names in the configuration's [Users] section, kept
// in alphabetical order; renaming a player carries the records along.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "model/game_context.h"
#include "records/player_name.h"

namespace vis {

inline constexpr int kMaxPlayers = 20;
inline constexpr std::size_t kPlayerNameLength = kMaxPlayerNameLength;

// The names of User001 .. User020 that can be stored (empty ones and those
// PlayerNameProblem refuses are skipped), sorted ignoring case.
std::vector<std::string> ReadPlayers(const std::filesystem::path& configFile);
// The order of the list: alphabetical, ignoring case.
void SortPlayers(std::vector<std::string>& players);
// Writes the names sorted to User001 on; keys after the last name empty.
// Only the first 20 names fit.
void WritePlayers(const std::filesystem::path& configFile, std::vector<std::string> players);

// Renames the player's lines in the statistics, the game log and the
// hi-scores, and the player's section of the overall score unless the new
// name already has one there (a deleted player's score is never merged into
// another's). False when a file could not be rewritten (reported through
// the UI port).
bool RenamePlayerInRecords(GameContext& ctx, std::string oldName, std::string newName);

// Why the name typed in the name dialog cannot be added to `players` (or
// replace `renaming` in it), or empty when it can: no characters, a name
// that is already there, one the records cannot hold, or a full list.
std::string PlayerNameRefusal(std::string_view typed, const std::vector<std::string>& players,
                              std::string_view renaming = {});

}  // namespace vis
