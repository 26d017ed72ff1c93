// Held games: a game parked on exit in DATA\Stat_eNN.dat and resumed at the
// next start without counting as a loss.
#pragma once

#include <filesystem>
#include <optional>

#include "model/game_context.h"

namespace vis {

inline constexpr int kFirstHeldNumber = 1;
inline constexpr int kLastHeldNumber = 99;

// "DATA\Stat_e" + two digits + ".dat" below the program directory.
std::filesystem::path HeldGamePath(const GameContext& ctx, int number);

// Reserves the first free held-game name (01-99) by creating it empty.
// Empty when all 99 are taken: nothing is overwritten.
std::optional<std::filesystem::path> ReserveHeldGameFile(const GameContext& ctx);

// The held game to resume: the first existing name from 00 to 99.
std::optional<std::filesystem::path> FindHeldGameFile(const GameContext& ctx);

// Writes the running game to a new held-game file, or back over the file it
// was resumed from. False, after telling the player, when no name is free
// or the file cannot be written.
bool SaveHeldGame(GameContext& ctx, int playingSeconds);

}  // namespace vis
