#include "model/custom_games_file.h"

#include <algorithm>

#include "model/game_context.h"
#include "model/games_file.h"
#include "model/program_paths.h"
#include "model/rule_index.h"
#include "model/text.h"
#include "store/durable_file.h"

namespace vis {

namespace {

// Block line 0: number (1-4), name (5-54), base game (55-58).
constexpr std::size_t kNumberWidth = 4;
constexpr std::size_t kNameOffset = 4;
constexpr std::size_t kNameWidth = 50;
constexpr std::size_t kBaseOffset = 54;
constexpr std::size_t kBaseWidth = 4;
constexpr std::size_t kOverrideWidth = 7;
constexpr std::size_t kOverrideNumberWidth = 3;
constexpr std::size_t kOverridePassesOffset = 3;
constexpr std::size_t kOverrideTableauOffset = 6;

CustomGameRecord ParseBlock(std::string_view firstLine, std::string_view secondLine) {
    CustomGameRecord record;
    const auto number = ParseInt(FixedField(firstLine, 0, kNumberWidth));
    record.numberValid = number.has_value();
    record.number = number.value_or(0);
    record.name = TrimRight(FixedField(firstLine, kNameOffset, kNameWidth));
    record.baseGame = ParseIntOr(FixedField(firstLine, kBaseOffset, kBaseWidth), -1);
    record.overrideText = std::string(FixedField(secondLine, 0, kOverrideWidth));
    return record;
}

// The base game's rules that decide what may be customized.
constexpr int kGenericRules[] = {rule::kTableauStockDeal,
                                 rule::kTableauStockDeal + 1,
                                 rule::kHasStock,
                                 rule::kHasWaste,
                                 rule::kExtraStockPiles,
                                 rule::kStockGroupPlaced,
                                 rule::kCustomCardsPerPress,
                                 rule::kCustomRedeals,
                                 rule::kCustomTableauSpaces,
                                 rule::kSelectionGame,
                                 rule::kTableauBuilding};

}  // namespace

CustomOverrides ParseOverrideText(std::string_view text) {
    CustomOverrides overrides;
    overrides.cardsText = FixedField(text, 0, kOverrideNumberWidth);
    overrides.passesText = FixedField(text, kOverridePassesOffset, kOverrideNumberWidth);
    overrides.cardsPerPress = ParseInt(overrides.cardsText);
    overrides.passes = ParseInt(overrides.passesText);
    if (text.size() > kOverrideTableauOffset) overrides.tableauCode = text[kOverrideTableauOffset];
    return overrides;
}

std::filesystem::path CustomGamesFilePath(const StateBlock& state) {
    return ProgramFile(state, kCustomGamesRelativePath);
}

std::string CustomGameMissingMessage(const StateBlock& state, const std::string& game) {
    return "The customized game " + game + " cannot be found in the file " +
           CustomGamesFilePath(state).string() + ".";
}

std::vector<CustomGameRecord> ReadCustomGames(const StateBlock& state) {
    const std::string content = ReadWholeFile(CustomGamesFilePath(state));
    const std::vector<std::string_view> lines = SplitLines(content);
    std::vector<CustomGameRecord> records;
    // Line 0 is the version marker; blocks follow.
    for (std::size_t first = 1; first < lines.size(); first += kCustomGameBlockLines) {
        const std::string_view second = first + 1 < lines.size() ? lines[first + 1] : "";
        records.push_back(ParseBlock(lines[first], second));
    }
    return records;
}

std::optional<CustomGameRecord> FindCustomGame(const StateBlock& state, int number) {
    for (CustomGameRecord& record : ReadCustomGames(state))
        if (record.number == number) return std::move(record);
    return std::nullopt;
}

CustomGameBaseInfo CustomGameBase(const StateBlock& state, int number) {
    const auto record = FindCustomGame(state, number);
    if (!record) return {};
    return {record->baseGame, record->overrideText};
}

std::vector<CustomGameRecord> ListCustomGames(const StateBlock& state) {
    std::vector<CustomGameRecord> records = ReadCustomGames(state);
    std::stable_sort(records.begin(), records.end(),
                     [](const CustomGameRecord& a, const CustomGameRecord& b) {
                         return GameNameLess(a.name, b.name);
                     });
    return records;
}

std::string CustomGameName(const StateBlock& state, int number) {
    const auto record = FindCustomGame(state, number);
    return record ? record->name : std::string();
}

int CustomGameNumberByName(const StateBlock& state, std::string_view name) {
    const std::string wanted = TrimRight(name);
    int found = -1;
    for (const CustomGameRecord& record : ReadCustomGames(state))
        if (record.numberValid && EqualsIgnoreCase(record.name, wanted)) found = record.number;
    return found;
}

bool GameNameLess(std::string_view a, std::string_view b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        const auto lower = [](char c) {
            const auto u = static_cast<unsigned char>(c);
            return u >= 'A' && u <= 'Z' ? u + ('a' - 'A') : static_cast<unsigned>(u);
        };
        return lower(x) < lower(y);
    });
}

AllowedSettings CustomizableSettings(const GameContext& ctx, int game) {
    int base = game;
    if (game >= kFirstCustomGame) base = CustomGameBase(ctx.state, game).baseGame;
    if (base < 0) return {};
    const std::vector<int> indices(std::begin(kGenericRules), std::end(kGenericRules));
    const std::vector<int> values = ReadGameRuleValues(ctx, base, indices);
    const auto rule = [&](int index) {
        const auto at = std::find(indices.begin(), indices.end(), index) - indices.begin();
        return values[static_cast<std::size_t>(at)];
    };
    // A plain stock and waste, not dealing to the tableau.
    const bool generic = rule(rule::kTableauStockDeal) == 0 &&
                         rule(rule::kTableauStockDeal + 1) == 0 && rule(rule::kHasStock) != 0 &&
                         (rule(rule::kHasWaste) != 0 || rule(rule::kExtraStockPiles) != 0) &&
                         rule(rule::kStockGroupPlaced) != 0;
    const auto allowed = [&](int permission, bool otherwise) {
        const int value = rule(permission);
        return value == 0 ? false : value == 1 ? true : otherwise;
    };
    AllowedSettings settings;
    settings.cardsPerPress = allowed(rule::kCustomCardsPerPress, generic);
    settings.redeals = allowed(rule::kCustomRedeals, generic);
    settings.tableauSpaces =
        allowed(rule::kCustomTableauSpaces,
                rule(rule::kSelectionGame) == 0 && rule(rule::kTableauBuilding) != 4);
    return settings;
}

}  // namespace vis
