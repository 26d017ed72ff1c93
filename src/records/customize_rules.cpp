#include "records/customize_rules.h"

#include <algorithm>

#include "model/catalog.h"
#include "model/families.h"
#include "model/games_file.h"
#include "model/rule_index.h"
#include "model/text.h"

namespace vis {

namespace {

constexpr std::size_t kShortestName = 3;
constexpr std::string_view kNumbersOnly = "Numbers only are required.";
constexpr int kUnlimitedPasses = -1;

bool IsDigits(std::string_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::string RangeMessage(int most) {
    return "Please enter a number from 1 to " + std::to_string(most) + ".";
}

}  // namespace

EncodedSettings EncodeCustomSettings(const AllowedSettings& allowed,
                                     const CustomizeDialogValues& values) {
    EncodedSettings encoded;
    CustomSettings& settings = encoded.settings;
    const auto refuse = [&](CustomizeField field, std::string message) {
        encoded.badField = field;
        encoded.message = std::move(message);
        return encoded;
    };
    if (allowed.cardsPerPress && !values.cardsText.empty()) {
        if (!IsDigits(values.cardsText))
            return refuse(CustomizeField::kCardsDealt, std::string(kNumbersOnly));
        const auto cards = ParseInt(values.cardsText);
        if (!cards || *cards < 1 || *cards > kMostCardsPerPress)
            return refuse(CustomizeField::kCardsDealt, RangeMessage(kMostCardsPerPress));
        settings.cardsPerPress = *cards;
    }
    if (allowed.redeals) {
        switch (values.redeals) {
            case RedealChoice::kUnlimited:
                settings.passCount = -1;
                break;
            case RedealChoice::kNone:
                settings.passCount = 0;
                break;
            case RedealChoice::kNumber: {
                if (!IsDigits(values.redealsText))
                    return refuse(CustomizeField::kRedeals, std::string(kNumbersOnly));
                const auto redeals = ParseInt(values.redealsText);
                if (!redeals || *redeals < 1 || *redeals > kMostRedeals)
                    return refuse(CustomizeField::kRedeals, RangeMessage(kMostRedeals));
                settings.passCount = *redeals + 1;
                break;
            }
        }
    }
    if (allowed.tableauSpaces) {
        settings.tableauCode = values.tableau == TableauChoice::kKingOnly  ? '1'
                               : values.tableau == TableauChoice::kAnyCard ? '2'
                                                                           : '3';
    }
    return encoded;
}

std::string CheckCustomGameName(const GameContext& ctx, std::string_view name) {
    const std::string trimmed =
        TrimRight(name.substr(0, std::min(name.size(), kCustomGameNameWidth)));
    if (trimmed.size() < kShortestName) return "Please enter at least 3 characters.";
    // The name is one line of the customized games file and of the log.
    if (std::any_of(trimmed.begin(), trimmed.end(),
                    [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; }))
        return "A game name cannot hold a line end or another control character.";
    if (GameNumberByName(ctx, trimmed) >= 0) return "This game name already exists.";
    return {};
}

CustomizeDialogValues CustomizeDialogPresets(const GameContext& ctx) {
    CustomizeDialogValues values;
    values.cardsText = std::to_string(ctx.rules[rule::kCardsPerPress]);
    const int passes = ctx.rules[rule::kPasses];
    values.redeals = passes == kUnlimitedPasses ? RedealChoice::kUnlimited
                     : passes > 0               ? RedealChoice::kNumber
                                                : RedealChoice::kNone;
    if (passes > 0) values.redealsText = std::to_string(passes - 1);

    const int fill = ctx.rules[rule::kTableauEmpty];
    int baseFill = fill;
    const int game = ctx.state.GetInt(field::kGameNumber, -1);
    const int base = game >= kFirstCustomGame ? CustomGameBase(ctx.state, game).baseGame : game;
    if (base >= 0) baseFill = ReadGameRuleValues(ctx, base, {rule::kTableauEmpty}).front();
    values.tableau = fill == empty_pile::kKing || baseFill == empty_pile::kBelowFirstBase
                         ? TableauChoice::kKingOnly
                     : fill != 0 ? TableauChoice::kAnyCard
                                 : TableauChoice::kNone;
    return values;
}

std::string DealsInAllText(RedealChoice choice, std::string_view redealsText) {
    if (choice == RedealChoice::kNone) return "(1 deal in all)";
    if (choice == RedealChoice::kUnlimited || !IsDigits(redealsText)) return {};
    const auto redeals = ParseInt(redealsText);
    if (!redeals) return {};
    return "(" + std::to_string(*redeals + 1) + " deals in all)";
}

}  // namespace vis
