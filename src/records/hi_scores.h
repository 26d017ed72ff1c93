// The hi-score tables in "DATA\STAT_SCR.DAT": the 20 best results of every
// game, shared by all players, one section per game ("0001") with the keys
// "01-01" .. "01-20" (scoring scheme, rank). A new table starts with
// invented entries derived from the game's rules.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "model/game_context.h"
#include "records/overall_score.h"

namespace vis {

inline constexpr std::string_view kHiScoreFile = "DATA\\STAT_SCR.DAT";
inline constexpr int kHiScoreRanks = 20;
inline constexpr std::size_t kHiScoreEntryLength = 85;  // with its " x" terminator

// The 20 entries of a table, rank 1 first, each with its terminator.
using HiScoreTable = std::array<std::string, kHiScoreRanks>;

// Rules 45 and 303 of a game's base game, from which invented entries are made.
struct InventedScoreRules {
    int maxScore = -1;  // rule 45
    int deckSize = 52;  // rule 303
};

// What the tables need from outside the records.
struct HiScoreServices {
    // Rules of the base game of `game` (a customized game's standard game);
    // empty when they cannot be had, and then no entries are invented.
    std::function<std::optional<InventedScoreRules>(const GameContext& ctx, int game)>
        baseGameRules;
    FillerDigitSource fillerDigit;
};

// The rules of the game in play for that game, nothing for others; random
// filler digits.
HiScoreServices DefaultHiScoreServices();

// A finished game as offered to its table.
struct HiScoreResult {
    int game = 0;
    std::string player;
    std::string scheme = "01";
    std::string endTime;  // "hh:nn:ss"
    std::string endDate;  // "yyyymmdd"
    int seconds = 0;
    int score = 0;
    bool won = false;
    std::string dealNumber;
};

// "01-05": the key of a rank (1-based) in the given scoring scheme.
std::string HiScoreKey(std::string_view scheme, int rank);
// 84 blanks and "x".
std::string EmptyHiScoreEntry();
// Characters 1-6 missing or all blanks.
bool IsEmptyHiScoreEntry(std::string_view entry);
// Entry text (83 characters, no terminator) of a result.
std::string HiScoreEntryText(const HiScoreResult& result);

// The 20 stored entries, missing ranks empty, nothing invented.
HiScoreTable ReadStoredHiScores(const GameContext& ctx, int game, std::string_view scheme);
// Writes the 20 ranks, each cut or padded to an entry with its terminator.
void WriteHiScoreTable(GameContext& ctx, int game, std::string_view scheme,
                       const HiScoreTable& table);

// The scores of the 20 invented entries for a game with these rules.
std::array<int, kHiScoreRanks> InventedScores(const InventedScoreRules& rules);
// Fills an empty table with invented entries unless the player cleared all
// hi-scores; true when it did.
bool InventEntriesWhenEmpty(GameContext& ctx, const HiScoreServices& services, int game,
                            HiScoreTable& table);

// Places the result in its game's table and offers it to the player's
// overall score; returns the 0-based rank it entered at, or -1.
int PlaceHiScore(GameContext& ctx, const HiScoreServices& services, const HiScoreResult& result);
// Shows the Hi-Scores dialog for a result placed at `rank` (none for -1),
// unless the player chose not to be asked.
void AnnounceHiScore(GameContext& ctx, int rank);
// PlaceHiScore, then AnnounceHiScore.
int OfferHiScore(GameContext& ctx, const HiScoreServices& services, const HiScoreResult& result);

// A game's table, first filled with invented entries when it is empty.
HiScoreTable ReadHiScoreTable(GameContext& ctx, const HiScoreServices& services, int game,
                              std::string_view scheme);

// Removes the player's entries (or all entries) of one game or of every
// game, taking them out of the overall scores; all players in all games
// start both files afresh.
void ClearHiScores(GameContext& ctx, const FillerDigitSource& filler, int game,
                   std::string_view scheme, bool allPlayers, bool allGames,
                   std::string_view player);

// Writes 20 empty ranks into the game's section.
void EmptyHiScoreTable(GameContext& ctx, int game, std::string_view scheme);

// Brings a file of an older layout (version below 0300) to this one.
void ConvertOldHiScoreFile(GameContext& ctx);

}  // namespace vis
