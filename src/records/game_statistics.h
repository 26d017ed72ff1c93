// Statistics per game and player in "DATA\STAT.DAT": one section per game
// ("0001"), one line per player holding a 67-character record, and the run
// counters of the current game and player in the state block.
#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "model/game_context.h"

namespace vis {

inline constexpr std::string_view kStatisticsFile = "DATA\\STAT.DAT";
inline constexpr std::size_t kGameStatsRecordLength = 67;

struct GameStatsRecord {
    std::int64_t won = 0;
    std::int64_t lost = 0;
    std::int64_t longestWinningStreak = 0;
    std::int64_t longestLosingStreak = 0;
    std::int64_t currentWinningStreak = 0;
    std::int64_t currentLosingStreak = 0;
    std::int64_t totalScore = 0;  // sum of the final scores of all recorded games

    bool operator==(const GameStatsRecord&) const = default;
};

// Eight zero-padded fields separated by blanks, the last one reserved zeros.
std::string FormatGameStatsRecord(const GameStatsRecord& record);
// Reads the seven fields at their positions; from the first field that is
// not a number on, every field counts as 0.
GameStatsRecord ParseGameStatsRecord(std::string_view text);
// Whether all seven fields of a record text can be read.
bool IsWholeGameStatsRecord(std::string_view text);

// The section name of a game: its number in four digits.
std::string GameSectionName(int game);

// A stored record and, for the current game and player only, the run
// counters (games won and lost since the last change of game or player).
struct GameStatistics {
    GameStatsRecord record;
    int runWon = 0;
    int runLost = 0;
};

// The statistics file read once, for the dialogs that list many games.
class StatisticsFile {
public:
    // Throws FileError when the file exists but cannot be read; a missing
    // file reads as all-zero records.
    explicit StatisticsFile(const std::filesystem::path& file);
    GameStatsRecord Record(int game, std::string_view player) const;
    // False when the stored record of (game, player) has a field that
    // cannot be read; a missing record is whole.
    bool RecordIsWhole(int game, std::string_view player) const;

private:
    std::map<std::string, std::vector<std::string>, std::less<>> sections_;
};

// The record of (game, player) from `file`, or when `file` is null from the
// statistics file itself (created when missing).
GameStatistics ReadGameStatistics(const GameContext& ctx, const StatisticsFile* file, int game,
                                  std::string_view player);

// Adds the finished current game (state fields 62, 77, 122) to its record
// and to the run counters. False when the record could not be written
// (reported); the run counters then stay as they were.
bool RecordGameStatistics(GameContext& ctx, bool won);

// Zero records for (game, player), for every player of `game`, for
// `player` in every game, or a new file holding only its version section;
// the matching lines of the game log are removed as well.
void ClearStatistics(GameContext& ctx, int game, std::string_view player, bool allPlayers,
                     bool allGames);

}  // namespace vis
