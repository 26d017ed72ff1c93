// "GAMES.DAT": the catalog section and the rules section, one column of rule
// values per game. The file is read whole at each use and never written.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/game_context.h"

namespace vis {

inline constexpr std::string_view kGamesFileName = "GAMES.DAT";
inline constexpr std::string_view kCatalogSection = "[Sect1]";
inline constexpr std::string_view kRulesSection = "[Sect2]";

// Rules rows: the rule index in characters 1-4, then one 10-character field
// per column from character 17 on, columns 11 characters apart.
inline constexpr std::size_t kRuleIndexWidth = 4;
inline constexpr std::size_t kFirstFieldOffset = 16;
inline constexpr std::size_t kFieldStep = 11;
inline constexpr std::size_t kFieldWidth = 10;

std::filesystem::path GamesFilePath(const StateBlock& state);

// The characters of a fixed-width field at a 0-based offset; fewer, or none,
// when the line ends early.
std::string_view FixedField(std::string_view line, std::size_t offset, std::size_t width);

// The message for a games file that is not there.
std::string GamesFileMissingMessage(const std::filesystem::path& file);

// Follows the message for a games file that cannot serve at all.
inline constexpr std::string_view kReinstallAdvice =
    "\rCopy the file again or reinstall the program.";

// The message for a games file whose structure is broken; `detail` says how.
std::string DamagedGamesFileMessage(const std::filesystem::path& file, const std::string& detail);

// The whole games file, or empty after telling the player why it cannot be
// read (missing, or not readable).
std::optional<std::string> ReadGamesFile(UiPort& ui, const std::filesystem::path& file);

// The lines of a section: it starts at the first line that begins with
// `header` and runs up to the next line that begins with "[" or the end of
// the text. None when no line begins with the header. Lines end with "\n" or
// "\r\n"; the views point into `content`.
std::optional<std::vector<std::string_view>> SectionLines(std::string_view content,
                                                          std::string_view header);

// Why the rules section cannot serve a catalog of `games` games, as a file
// cut short shows: no row for the last rule (388), a row of rules 1-388
// without a complete field for every game, a row without a rule number.
// Nothing when it can.
std::optional<std::string> RulesTableProblem(const std::vector<std::string_view>& rows,
                                             std::size_t games);

// Stored characters are shifted: a byte c of 80 or more reads as c - 48,
// any other as c + 48.
std::string UnscrambleText(std::string_view text);

// The decoded value of the 0-based column in a rules row: the field's 10
// characters unscrambled, trailing blanks removed, a signed 16-bit decimal.
// None when the row is too short or the field holds anything else.
std::optional<int> RuleFieldValue(std::string_view row, int column);
// The field's text as decoded (for messages), empty when the row is short.
std::string RuleFieldText(std::string_view row, int column);

// Loads the column of the game in the state block's game number into
// ctx.rules, with the overrides of a customized game, and backs up the pile
// rules. On any failure the player is told why, the rules are all 0 and the
// result is false.
bool LoadGameRules(GameContext& ctx);

// Chosen rule values of any game, straight from the file, by row position
// (rule k is the k-th row). An index passed as a negative number gives -99;
// index 0, an index without a row, a field that cannot be read and a game
// without a column give 0.
std::vector<int> ReadGameRuleValues(const GameContext& ctx, int game,
                                    const std::vector<int>& indices);

}  // namespace vis
