// The game log "DATA\STAT_LOG.DAT": one fixed-width line per recorded game,
// oldest first, appended with a single write so that a crash leaves either
// the whole line or none. A game's line is its last record written.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/game_context.h"

namespace vis {

inline constexpr std::string_view kGameLogFile = "DATA\\STAT_LOG.DAT";
inline constexpr std::size_t kGameLogLineLength = 147;

// The 147 characters of a log line for the current game (state fields 62,
// 189, 77, 120, 122, 153) and the given result; without its line end.
std::string GameLogLine(const StateBlock& state, bool won, int seconds, std::string_view endTime,
                        std::string_view endDate);

// Appends the current game's line, creating the file when needed. Throws
// FileError when the file cannot be written; no part of the line is then
// left in it.
void AppendGameLog(GameContext& ctx, bool won, int seconds, std::string_view endTime,
                   std::string_view endDate);

// Every line of the log, oldest first; empty when there is none.
std::vector<std::string> ReadGameLog(const GameContext& ctx);

// The game number of a log line (characters 26-29); -1 when not a number.
int LogLineGame(std::string_view line);
// The player of a log line (characters 82-111) without trailing blanks.
std::string LogLinePlayer(std::string_view line);

// Removes the lines of `game` (all games when empty) and of `player` (all
// players when empty), keeping the rest in order. Nothing happens to a
// missing file. False when the file could not be rewritten (reported).
bool RemoveGameLogLines(GameContext& ctx, std::optional<int> game,
                        std::optional<std::string_view> player);

}  // namespace vis
