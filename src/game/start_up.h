// The start-up steps that need no window: the preferences mirrored into the
// state block, the first run's players, the catalog and the current game
// checked against it, the version marker and the files older versions left.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "model/preference_keys.h"

namespace vis {

struct GameContext;

inline constexpr std::string_view kProductTitle = "Vistrane 2000";
inline constexpr std::string_view kVersionMarkerFile = "VISV0500.DAT";
inline constexpr std::string_view kVersionMarkerText = "Vistrane version: 05.00";
inline constexpr std::string_view kFirstPlayer = "Player 1";
inline constexpr std::string_view kScreenUnder256ColoursKey = "Screen_Under_256_Colors";
inline constexpr int kPlainColourLimit = 256;

// Replaces the first "[Program]" by the product title.
std::string ExpandTextTemplate(std::string_view text);

// The main window caption: title, game name, player and deal number.
std::string MainWindowCaption(const GameContext& ctx);

// The fresh state of the flags and working values before the first game.
void ResetStartUpState(GameContext& ctx);

// Copies every [Preference] key that has a state field into the state block,
// integers zero-padded, and repairs the values older files may hold (back 0,
// background colour 0, no background picture).
void LoadPreferences(GameContext& ctx, const DefaultContext& defaults);

// Refuses (with a message) the names of the configuration that cannot be
// stored. With no current player, the first listed player becomes current;
// with none listed either, names three players and makes the first current.
void EnsureFirstRunPlayers(GameContext& ctx);

// A current game the catalog does not know becomes -001 with no name.
void CheckCurrentGame(GameContext& ctx);

// Writes the version marker when the program directory has none.
void WriteVersionMarker(const std::filesystem::path& programDir);

// Deletes the pictures and library older versions left in the program
// directory; failures are ignored.
void RemoveOlderVersionFiles(const std::filesystem::path& programDir);

// What the whole non-window initialisation found.
enum class StartUpResult { kReady, kGamesFileMissing };

// The initialisation in its order: state and flags, the DATA folder (rid
// of stale temporary files),
// preferences (with the advice for poor displays), players, run counters,
// the games file and catalog, the current game, card size, version marker
// and old-file removal. On kGamesFileMissing the caller shows the error box
// (GamesFileMissingMessage) and ends the process.
StartUpResult InitialiseGame(GameContext& ctx, const DefaultContext& display);

}  // namespace vis
