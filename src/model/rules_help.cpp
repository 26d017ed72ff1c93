#include "model/rules_help.h"

#include "model/catalog.h"
#include "model/custom_games_file.h"
#include "model/families.h"
#include "model/game_context.h"
#include "model/games_file.h"
#include "model/rule_index.h"

namespace vis {

namespace {

constexpr std::string_view kNotAllowed = "-";
constexpr std::string_view kKingOnly = "King only";
constexpr std::string_view kAnyCard = "Any card";
constexpr std::string_view kNone = "None";
// Fill rules of the base game that read as "King only": a king, or one rank
// below an ace base.

std::string CustomTableauText(char code) {
    switch (code) {
        case '1':
            return std::string(kKingOnly);
        case '2':
            return std::string(kAnyCard);
        case '3':
            return std::string(kNone);
        default:
            return {};
    }
}

std::string BaseTableauText(int fill) {
    if (fill == empty_pile::kKing || fill == empty_pile::kBelowFirstBase)
        return std::string(kKingOnly);
    if (fill == -1) return std::string(kAnyCard);
    if (fill == 0) return std::string(kNone);
    return {};
}

// A field of the override text that should be a number: shown as its value,
// or as written when it is not a number.
std::string NumberText(const std::optional<int>& value, const std::string& written) {
    return value ? std::to_string(*value) : written;
}

CustomGameHelp::Row MakeRow(std::string_view label, bool allowed, std::string customValue,
                            std::string baseValue) {
    if (!allowed) return {std::string(label), std::string(kNotAllowed), std::string(kNotAllowed)};
    return {std::string(label), std::move(customValue), std::move(baseValue)};
}

}  // namespace

std::string RedealsText(int passes) {
    if (passes == -1) return "Unlimited";
    if (passes == 0) return "0";
    return std::to_string(passes - 1);
}

std::optional<CustomGameHelp> BuildCustomGameHelp(const GameContext& ctx, int game,
                                                  const std::string& name) {
    const auto record = FindCustomGame(ctx.state, game);
    if (!record || record->baseGame < 0) return std::nullopt;
    const int base = record->baseGame;
    const AllowedSettings allowed = CustomizableSettings(ctx, base);
    const std::vector<int> baseRules =
        ReadGameRuleValues(ctx, base, {rule::kCardsPerPress, rule::kPasses, rule::kTableauEmpty});
    const CustomOverrides overrides = ParseOverrideText(record->overrideText);

    CustomGameHelp help;
    help.caption = "Help [" + name + "]";
    help.customName = name;
    help.baseGame = base;
    help.baseName = GameName(ctx, base);
    help.baseRulesText = help.baseName + " rules";
    help.rulesButtonHint = "Click this button to view " + help.baseName + " rules";
    help.rows[0] = MakeRow("Cards dealt:", allowed.cardsPerPress,
                           NumberText(overrides.cardsPerPress, overrides.cardsText),
                           std::to_string(baseRules[0]));
    help.rows[1] = MakeRow("Redeals:", allowed.redeals,
                           overrides.passes ? RedealsText(*overrides.passes) : overrides.passesText,
                           RedealsText(baseRules[1]));
    help.rows[2] = MakeRow("Tableau spaces:", allowed.tableauSpaces,
                           CustomTableauText(overrides.tableauCode), BaseTableauText(baseRules[2]));
    return help;
}

void ShowGameRules(GameContext& ctx, int game, const std::string& name) {
    if (game < kFirstCustomGame) {
        ctx.ui.ShowHelpTopic(std::string(kRulesHelpWindow), game + kRulesTopicOffset);
        return;
    }
    if (const auto help = BuildCustomGameHelp(ctx, game, name)) {
        ctx.ui.ShowCustomGameHelp(*help);
        return;
    }
    ctx.ui.ShowMessage(CustomGameMissingMessage(ctx.state, name));
}

}  // namespace vis
