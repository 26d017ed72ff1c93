// The overall score in "DATA\STAT_GLO.DAT": per player the sum of the best
// scores over all standard games with the matching sum of playing times,
// and the best result per game. Values are stored scrambled, mixed with
// random filler digits and guarded by check values; a player's values that
// fail their checks are repaired, the other players' values stay.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/game_context.h"

namespace vis {

inline constexpr std::string_view kOverallScoreFile = "DATA\\STAT_GLO.DAT";

// Draws the filler digits 0..8 (other values are folded into that range).
using FillerDigitSource = std::function<int()>;
// A source seeded from the system's entropy.
FillerDigitSource RandomFillerDigits();

std::int64_t OverallChecksum(std::string_view text);
std::string ScrambleOverallValue(std::string_view plain);
std::string UnscrambleOverallValue(std::string_view stored);

// The plain texts of the five values of a player's section.
std::string PlainOverallScore(std::int64_t score, const FillerDigitSource& filler);      // T01
std::string PlainOverallTime(std::int64_t seconds, const FillerDigitSource& filler);     // T02
std::string PlainOverallCheck(std::string_view plainScore, std::string_view plainTime);  // T03
std::string PlainBestScore(std::int64_t score, const FillerDigitSource& filler);         // "GS-"
std::string PlainBestTime(std::int64_t seconds, const FillerDigitSource& filler);        // "GT-"

std::string BestScoreKey(int game);  // "GS-0001"
std::string BestTimeKey(int game);   // "GT-0001"

struct OverallScore {
    std::string player;
    std::int64_t score = 0;
    std::int64_t seconds = 0;
};

struct BestResult {
    int game = 0;
    std::int64_t score = 0;
    std::int64_t seconds = 0;
};

struct OverallDetails {
    std::int64_t score = 0;
    std::int64_t seconds = 0;
    std::vector<BestResult> games;  // every game with a stored best result, by number
};

// Offers a result of `game` to the player's overall score; with `remove`
// the game's best result is taken out instead (score and seconds then 0).
// Customized games, negative games and negative scores change nothing.
void UpdateOverallScore(GameContext& ctx, const FillerDigitSource& filler, int game,
                        std::string_view player, bool remove, int seconds, int score);

// Every player's overall score and time, in file order; a player whose
// values fail their checks is repaired first.
std::vector<OverallScore> ReadOverallScores(GameContext& ctx);

// One player's values with the best result per game, whose checks only
// need to be numbers; repaired first when they are not. Empty when the
// repair could not be written.
std::optional<OverallDetails> ReadOverallDetails(GameContext& ctx, std::string_view player);

// The same readings for showing, without writing anything: a damaged
// player's totals are counted from the best results that are intact, and
// the damage is named so that it can be told.
struct OverallScoresReading {
    std::vector<OverallScore> scores;  // file order
    std::vector<std::string> damagedPlayers;
};
OverallScoresReading PeekOverallScores(const GameContext& ctx);

struct OverallDetailsReading {
    OverallDetails details;  // damaged best results left out
    bool damaged = false;
};
OverallDetailsReading PeekOverallDetails(const GameContext& ctx, std::string_view player);

// The player's stored T01, T02 and T03 values joined, as offered for
// publishing the score.
std::string PublishedScoreCode(const GameContext& ctx, std::string_view player);

// The names of the players that have a section.
std::vector<std::string> OverallScorePlayers(const GameContext& ctx);

// What the player is told when a player's values were found damaged: only
// that player's damaged values are reset, the rest of the file is kept.
std::string OverallRepairMessage(std::string_view player);

}  // namespace vis
