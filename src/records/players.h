// The players: up to 20 names in the configuration's [Users] section, kept
// in alphabetical order; renaming a player carries the records along.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "model/game_context.h"
#include "records/player_name.h"

namespace vis {

inline constexpr int kMaxPlayers = 20;
inline constexpr std::size_t kPlayerNameLength = kMaxPlayerNameLength;

// The names of User001 .. User020 that can be stored (empty ones and those
// PlayerNameProblem refuses are skipped), sorted ignoring case.
std::vector<std::string> ReadPlayers(const std::filesystem::path& configFile);
// Writes the names sorted to User001 on; keys after the last name empty.
// Only the first 20 names fit.
void WritePlayers(const std::filesystem::path& configFile, std::vector<std::string> players);

// Renames the player's lines in the statistics, the game log and the
// hi-scores (the overall score keeps its names). False when a file could
// not be rewritten (reported through the UI port).
bool RenamePlayerInRecords(GameContext& ctx, std::string oldName, std::string newName);

}  // namespace vis
