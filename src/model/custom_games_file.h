// The customized games as the catalog and the rules loader read them from
// "DATA\GAM_CUST.DAT": one block of 30 lines per game after a version line.
// Nothing is kept in memory; every question reads the file again.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/state_block.h"

namespace vis {

struct GameContext;

// Customized games are numbered from here upward.
inline constexpr int kFirstCustomGame = 8000;
inline constexpr std::string_view kCustomGamesRelativePath = "DATA\\GAM_CUST.DAT";
inline constexpr int kCustomGameBlockLines = 30;

// One block of the file.
struct CustomGameRecord {
    int number = 0;  // 0 when the number field is not a number
    bool numberValid = false;
    std::string name;   // trailing blanks removed
    int baseGame = -1;  // -1 when the field is not a number
    // Cards per stock press (1-3), pass count (4-6), empty-tableau code (7).
    std::string overrideText;
};

// The override text taken apart.
struct CustomOverrides {
    std::string cardsText;             // characters 1-3 as written
    std::string passesText;            // characters 4-6 as written
    std::optional<int> cardsPerPress;  // none when characters 1-3 are not a number
    std::optional<int> passes;         // none when characters 4-6 are not a number
    // Character 7: '1' King only, '2' any card, '3' none, '0' not customized.
    char tableauCode = '0';
};
CustomOverrides ParseOverrideText(std::string_view text);

std::filesystem::path CustomGamesFilePath(const StateBlock& state);

// The message for a customized game that has no block; `game` names it.
std::string CustomGameMissingMessage(const StateBlock& state, const std::string& game);

// Every block in file order; empty when the file does not exist. Throws
// FileError when the file exists but cannot be read.
std::vector<CustomGameRecord> ReadCustomGames(const StateBlock& state);

// The first block carrying the number; none when there is no such block or
// no file.
std::optional<CustomGameRecord> FindCustomGame(const StateBlock& state, int number);

// The base game and override text of a customized game; base -1 and no
// text when the game has no block (or there is no file).
struct CustomGameBaseInfo {
    int baseGame = -1;
    std::string overrideText;
};
CustomGameBaseInfo CustomGameBase(const StateBlock& state, int number);

// Every block, sorted by name without regard to case.
std::vector<CustomGameRecord> ListCustomGames(const StateBlock& state);

// The name of a customized game; empty when it has no block.
std::string CustomGameName(const StateBlock& state, int number);
// The number of the last block whose name matches (trailing blanks and case
// ignored); blocks without a valid number never match. -1 when none does.
int CustomGameNumberByName(const StateBlock& state, std::string_view name);

// Game names sort without regard to letter case.
bool GameNameLess(std::string_view a, std::string_view b);

// Which of the three settings a game lets the player customize; a
// customized game answers for its base game.
struct AllowedSettings {
    bool cardsPerPress = false;
    bool redeals = false;
    bool tableauSpaces = false;
};
AllowedSettings CustomizableSettings(const GameContext& ctx, int game);

}  // namespace vis
