// What the game selection dialog says about the selected game: decks,
// length, difficulty, chance, skill and redeals, from its rules (a
// customized game from its base game, with its own redeals).
#pragma once

#include <string>

#include "model/game_context.h"

namespace vis {

inline constexpr std::string_view kCustomizedGameText = "Customized game";

struct GameDescription {
    std::string name;
    int decks = 0;
    // Texts, and the level each is drawn with (-1: the disabled picture).
    std::string gameTime;
    int gameTimeLevel = -1;
    std::string difficulty;
    int difficultyLevel = -1;
    std::string chance;
    int chanceLevel = -1;
    std::string skill;
    int skillLevel = -1;
    std::string redeals;
    // The standard game whose table the preview shows.
    int previewGame = -1;
};

GameDescription DescribeGame(const GameContext& ctx, int game, const std::string& name);

}  // namespace vis
