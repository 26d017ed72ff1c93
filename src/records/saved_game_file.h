// The saved-game file: two header lines, the position and the undo history.
// The same format serves saved games, bookmarks and held games.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "model/game_context.h"
#include "model/position_snapshot.h"

namespace vis {

inline constexpr std::string_view kSavedGameVersion = "0303";
inline constexpr std::string_view kNotASavedGame = "This file is not a valid saved game.";
inline constexpr int kSavedGamePositionLine = 12;
inline constexpr int kSavedGameHistoryLine = 67;

struct SavedGame {
    int game = 0;
    std::string backgroundPicture;  // field 43 as text
    long long backgroundColour = 0;
    std::string plainBackground;  // "Y" / "N"
    char cardSize = 'B';
    std::string cardSet;  // field 24 as text
    int cardBack = 0;
    int playingSeconds = 0;
    int scoringScheme = 1;
    int score = 0;
    int passNumber = 1;
    std::string player;
    std::string dealNumber;
    // Foundation bases (rules 48-63); empty where the stored pair is not a number.
    std::array<std::optional<int>, 16> bases{};
    PositionSnapshot position = PositionSnapshot(kSnapshotLines);
    HistorySide undo;  // stacks and log; the redo side is never saved
};

// What the running game would save.
SavedGame CaptureSavedGame(const GameContext& ctx, int playingSeconds);

std::vector<std::string> SavedGameLines(const SavedGame& saved);
// The file's bytes: the lines ended by CR LF.
std::string SavedGameText(const SavedGame& saved);

// Reads a saved game, converting older versions first. Empty, with `error`
// set to a message for the player, when the text is not a valid saved game
// or its player name cannot be stored.
std::optional<SavedGame> ParseSavedGame(const std::string& text, std::string& error);

// Reads the history sections of a saved game's lines into `side`.
void ReadHistorySections(const std::vector<std::string>& lines, HistorySide& side);

// Splits a file's text into lines at CR LF or LF.
std::vector<std::string> SplitFileLines(const std::string& text);

}  // namespace vis
