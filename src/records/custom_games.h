// Making and deleting customized games: a standard game with its own
// cards per stock press, redeals and empty-tableau rule, kept as a block of
// "DATA\GAM_CUST.DAT" with statistics and hi-scores of its own.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "model/custom_games_file.h"
#include "model/game_context.h"

namespace vis {

inline constexpr int kLastCustomGame = 9999;
inline constexpr std::size_t kCustomGameNameWidth = 50;
inline constexpr std::string_view kCustomGamesMarker = "[R-0301]";
inline constexpr std::string_view kAllCustomNumbersUsed =
    "All the numbers for customized games (8000 to 9999) are in use.\r"
    "Delete a customized game before creating a new one.";

// The first number from 8000 up that no block uses (8000 without a file);
// none when 8000-9999 are all taken.
std::optional<int> NextCustomGameNumber(const StateBlock& state);

// The three settings as block line 1 stores them.
struct CustomSettings {
    int cardsPerPress = 1;
    int passCount = 1;       // -1 unlimited, 0 no redeals, n gives n - 1 redeals
    char tableauCode = '0';  // '1' King only, '2' any card, '3' none, '0' not customizable
};
// The 7 characters of block line 1.
std::string CustomSettingsText(const CustomSettings& settings);

// Appends a customized game made from the game in play (from its base game
// when that is itself customized). The new number; none after telling the
// player why not (no number free, no base game, the file not writable).
std::optional<int> CreateCustomGame(GameContext& ctx, std::string_view name,
                                    const CustomSettings& settings);

// The question asked before a customized game is deleted; playing it from
// the game selection says so.
std::string CustomGameDeleteQuestion(bool playingItFromSelection, const std::string& name);

// Takes a customized game out of the records: its block, its favourite
// entry, its statistics and its hi-scores. True when its block is gone.
bool RemoveCustomGameRecords(GameContext& ctx, int game, const std::string& name);

}  // namespace vis
