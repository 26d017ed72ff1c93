#include "records/game_description.h"

#include <algorithm>
#include <array>

#include "model/custom_games_file.h"
#include "model/games_file.h"
#include "model/rule_index.h"
#include "model/rules_help.h"

namespace vis {

namespace {

constexpr std::array<std::string_view, 3> kGameTimeTexts{"Long", "Medium", "Quick"};
constexpr std::array<std::string_view, 3> kDifficultyTexts{"Easy", "Medium", "Hard"};
constexpr std::array<std::string_view, 5> kSkillTexts{"Difficult", "Mostly skill", "Moderate",
                                                      "Mostly chance", "Chance only"};
constexpr std::array<std::string_view, 5> kChanceTexts{"Very high", "High", "Medium", "Low",
                                                       "Very low"};

template <std::size_t N>
std::string LevelText(const std::array<std::string_view, N>& texts, int value) {
    return value >= 0 && static_cast<std::size_t>(value) < N
               ? std::string(texts[static_cast<std::size_t>(value)])
               : std::string();
}

enum Value { kPasses, kDeckSize, kLength, kDifficulty, kSkill, kChance, kOddsWins, kOddsGames };

}  // namespace

GameDescription DescribeGame(const GameContext& ctx, int game, const std::string& name) {
    const bool customized = game >= kFirstCustomGame;
    const CustomGameBaseInfo base =
        customized ? CustomGameBase(ctx.state, game) : CustomGameBaseInfo{game, {}};
    const std::vector<int> values = ReadGameRuleValues(
        ctx, base.baseGame,
        {rule::kPasses, rule::kDeckSize, rule::kGameLength, rule::kDifficulty, rule::kSkill,
         rule::kChanceOfWinning, rule::kOddsWins, rule::kOddsGames});

    GameDescription d;
    d.name = name;
    d.previewGame = base.baseGame;
    // A reduced deck is still one deck.
    d.decks = values[kDeckSize] > 0 ? std::max(1, values[kDeckSize] / 52) : 0;
    d.skill = LevelText(kSkillTexts, values[kSkill]);
    d.skillLevel = values[kSkill];
    if (customized) {
        d.gameTime = d.difficulty = d.chance = std::string(kCustomizedGameText);
        const auto passes = ParseOverrideText(base.overrideText).passes;
        d.redeals = RedealsText(passes.value_or(values[kPasses]));
        return d;
    }
    d.gameTime = LevelText(kGameTimeTexts, values[kLength]);
    d.gameTimeLevel = values[kLength];
    d.difficulty = LevelText(kDifficultyTexts, values[kDifficulty]);
    d.difficultyLevel = values[kDifficulty];
    d.chance = LevelText(kChanceTexts, values[kChance]);
    d.chanceLevel = values[kChance];
    if (values[kOddsGames] != 0)
        d.chance += " (about " + std::to_string(values[kOddsWins]) + " in " +
                    std::to_string(values[kOddsGames]) + ")";
    d.redeals = RedealsText(values[kPasses]);
    return d;
}

}  // namespace vis
