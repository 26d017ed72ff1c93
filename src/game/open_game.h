// Opening a saved game with its position, clock, score and undo history,
// and restarting the deal in play from its first position.
#pragma once

#include <cstdint>
#include <filesystem>

#include "game/new_game.h"
#include "model/game_context.h"

namespace vis {

enum class OpenMode {
    kChooseFile = 1,   // the open dialog ("Open" of the game selection)
    kRestart = 2,      // "&Restart game" and the game-won dialog's repeat
    kHeldGame = 3,     // the given held game, deleted once recorded
    kDemoRestart = 4,  // the demo's restart: the table is not repainted
};

inline constexpr std::string_view kFileNotFound = "File not found: ";
// Bounds far past any game played by hand (a step of history is some 500
// bytes): a larger file is refused before it is read.
inline constexpr std::uintmax_t kMaxSavedGameBytes = std::uintmax_t{32} << 20;
inline constexpr std::size_t kMaxSavedGameSteps = 50000;

// Does nothing while a winning animation runs. The running game is asked
// about and ended (recorded as lost) only once the file has been read and
// found playable: a missing, damaged or unplayable file is reported and
// leaves the running game as it was. True when a game was put on the table.
bool OpenGame(GameContext& ctx, NewGameHooks& hooks, OpenMode mode,
              const std::filesystem::path& file = {});

// The recorded game the demo replays: "Demos\G" + four digits + ".GAM".
std::filesystem::path DemoGamePath(const StateBlock& state, int game);
// Opens the demo's recorded game without the dialog; the table is not
// repainted and the file stays.
bool OpenDemoGame(GameContext& ctx, NewGameHooks& hooks, const std::filesystem::path& file);

// Restarts the current deal (modes 2 and 4): asks "Restart this game?"
// while an unwon game is in progress, ends it, and puts back the first
// position of its history with the clock and pass at their start.
bool RestartGame(GameContext& ctx, NewGameHooks& hooks, bool demo);

}  // namespace vis
