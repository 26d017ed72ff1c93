// The rules help of a game: the help topic of a standard game, or for a
// customized game what it changes against its base game.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace vis {

struct GameContext;

// Rules topics of the help are numbered from the game number up.
inline constexpr int kRulesTopicOffset = 3000;
inline constexpr std::string_view kRulesHelpWindow = "rules";

// What the customized-game help dialog shows.
struct CustomGameHelp {
    struct Row {
        std::string label;        // "Cards dealt:"
        std::string customValue;  // "-" when the base game does not allow it
        std::string baseValue;
    };
    std::string caption;  // "Help [" + name + "]"
    std::string customName;
    int baseGame = -1;
    std::string baseName;
    std::string baseRulesText;  // base name + " rules"
    std::string rulesButtonHint;
    std::array<Row, 3> rows;
};

// A pass count as redeals: "Unlimited" for -1, "0" for 0, n passes are
// n - 1 redeals.
std::string RedealsText(int passes);

// The help content of a customized game; none when it has no record.
std::optional<CustomGameHelp> BuildCustomGameHelp(const GameContext& ctx, int game,
                                                  const std::string& name);

// Opens the rules of a standard game, or the help dialog of a customized one
// (a message when its record is gone).
void ShowGameRules(GameContext& ctx, int game, const std::string& name);

}  // namespace vis
