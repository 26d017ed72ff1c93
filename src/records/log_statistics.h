// The game log as the log view lists it: the lines of one game and player
// (or of all), newest first, and the same lines as comma-separated values
// for spreadsheets.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vis {

// The lines whose game name (characters 31-80) and player (82-111), without
// trailing blanks, equal `game` and `player`; nothing given matches all.
// Newest first; blank lines are left out.
std::vector<std::string> SelectLogLines(const std::vector<std::string>& logLines,
                                        std::optional<std::string_view> game,
                                        std::optional<std::string_view> player);

// A header line and one line per log line, in the given order, ending in
// carriage return and line feed: the date as yyyy-mm-dd (as logged when it
// is no date), the end time, the playing seconds, the game number, game,
// player, result, scoring scheme, score and deal number. Texts that a
// spreadsheet would take for a formula get a leading apostrophe; fields
// with commas, quotes or line ends are quoted.
std::string GameLogCsv(const std::vector<std::string>& lines);

}  // namespace vis
