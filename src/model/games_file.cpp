#include "model/games_file.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>

#include "model/catalog.h"
#include "model/custom_games_file.h"
#include "model/families.h"
#include "model/program_paths.h"
#include "model/rule_index.h"
#include "model/text.h"
#include "store/durable_file.h"
#include "store/file_error.h"

namespace vis {

namespace {

// The empty-tableau fill rules the override codes stand for; 91 is resolved
// at the deal to one rank below the base of the first foundation.

std::optional<int> TableauFillOfCode(char code) {
    switch (code) {
        case '1':
            return empty_pile::kBelowFirstBase;
        case '2':
            return empty_pile::kAnyCard;
        case '3':
            return empty_pile::kNone;
        default:
            return std::nullopt;
    }
}

// Cards per press, then passes: a field that is not a number stops the
// assignments there. The tableau code applies on its own.
void ApplyCustomOverrides(GameRules& rules, std::string_view overrideText) {
    const CustomOverrides overrides = ParseOverrideText(overrideText);
    if (overrides.cardsPerPress) {
        rules.Set(rule::kCardsPerPress, *overrides.cardsPerPress);
        if (overrides.passes) rules.Set(rule::kPasses, *overrides.passes);
    }
    const auto fill = TableauFillOfCode(overrides.tableauCode);
    if (!fill) return;
    // A damaged pile count must not spill into the rules after the fill rules.
    const int piles = std::clamp<int>(rules[rule::kTableauCount], 0, kFilaPileCount);
    for (int i = 0; i < piles; ++i) rules.Set(rule::kTableauEmpty + i, *fill);
}

// Leaves no rules of an earlier game behind a failed load.
bool FailLoad(GameContext& ctx, const std::string& message) {
    if (!message.empty()) ctx.ui.ShowError(message);
    ctx.rules.Clear();
    ctx.rules.BackupPileRules();
    return false;
}

using ColumnValues = std::array<std::int16_t, rule::kRuleCount>;

// Decodes one column from every rules row. Rows for indices outside the
// table are passed over; an empty row is a blank line, not a rule.
std::optional<std::string> DecodeColumn(const std::vector<std::string_view>& rows, int column,
                                        const std::string& gameLabel,
                                        const std::filesystem::path& file, ColumnValues& values) {
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const std::string_view row = rows[i];
        if (Trim(row).empty()) continue;
        const auto index = ParseInt(row.substr(0, kRuleIndexWidth));
        if (!index)
            return DamagedGamesFileMessage(file,
                                           "row " + std::to_string(i + 1) + " of the section " +
                                               std::string(kRulesSection) + " has no rule number.");
        if (*index < 0 || *index >= rule::kRuleCount) continue;
        const auto value = RuleFieldValue(row, column);
        if (!value)
            return DamagedGamesFileMessage(
                file, "rule " + std::to_string(*index) + " of the game " + gameLabel + " reads \"" +
                          RuleFieldText(row, column) + "\", which is not a valid number.");
        values[static_cast<std::size_t>(*index)] = static_cast<std::int16_t>(*value);
    }
    return std::nullopt;
}

// Games fit in a row when the last column's field is complete.
std::size_t ColumnsInRow(std::string_view row) {
    if (row.size() < kFirstFieldOffset + kFieldWidth) return 0;
    return (row.size() - kFirstFieldOffset - kFieldWidth) / kFieldStep + 1;
}

}  // namespace

std::optional<std::string> RulesTableProblem(const std::vector<std::string_view>& rows,
                                             std::size_t games) {
    constexpr int kLastRule = rule::kRuleCount - 1;
    int lastRule = 0;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (Trim(rows[i]).empty()) continue;
        const auto index = ParseInt(rows[i].substr(0, kRuleIndexWidth));
        if (!index)
            return "row " + std::to_string(i + 1) + " of the section " +
                   std::string(kRulesSection) + " has no rule number.";
        if (*index < 1 || *index > kLastRule) continue;
        lastRule = std::max(lastRule, *index);
        if (const std::size_t columns = ColumnsInRow(rows[i]); columns < games)
            return "rule " + std::to_string(*index) + " has values for " + std::to_string(columns) +
                   " of the " + std::to_string(games) + " games.";
    }
    if (lastRule < kLastRule)
        return "the section " + std::string(kRulesSection) + " ends at rule " +
               std::to_string(lastRule) + "; the rules go on to " + std::to_string(kLastRule) + ".";
    return std::nullopt;
}

std::filesystem::path GamesFilePath(const StateBlock& state) {
    return ProgramFile(state, kGamesFileName);
}

std::string_view FixedField(std::string_view line, std::size_t offset, std::size_t width) {
    if (offset >= line.size()) return {};
    return line.substr(offset, width);
}

std::string GamesFileMissingMessage(const std::filesystem::path& file) {
    return "Cannot find file:\r" + file.string() + "\r" +
           "Copy the file into the directory that above is specified" + "\r" +
           "or reinstall the program.";
}

std::string DamagedGamesFileMessage(const std::filesystem::path& file, const std::string& detail) {
    return "The file " + file.string() + " is damaged:\r" + detail;
}

std::optional<std::string> ReadGamesFile(UiPort& ui, const std::filesystem::path& file) {
    if (!FileExists(file)) {
        ui.ShowError(GamesFileMissingMessage(file));
        return std::nullopt;
    }
    try {
        return ReadWholeFile(file);
    } catch (const FileError& error) {
        ui.ShowError(error.what());
        return std::nullopt;
    }
}

std::optional<std::vector<std::string_view>> SectionLines(std::string_view content,
                                                          std::string_view header) {
    const std::vector<std::string_view> lines = SplitLines(content);
    const auto start = std::find_if(lines.begin(), lines.end(), [&](std::string_view line) {
        return StartsWith(line, header);
    });
    if (start == lines.end()) return std::nullopt;
    const auto end = std::find_if(std::next(start), lines.end(),
                                  [](std::string_view line) { return StartsWith(line, "["); });
    return std::vector<std::string_view>(std::next(start), end);
}

std::string UnscrambleText(std::string_view text) {
    std::string plain(text);
    for (char& c : plain) {
        const auto stored = static_cast<unsigned char>(c);
        c = static_cast<char>(stored >= 80 ? stored - 48 : stored + 48);
    }
    return plain;
}

std::string RuleFieldText(std::string_view row, int column) {
    if (column < 0) return {};
    const std::size_t offset = kFirstFieldOffset + static_cast<std::size_t>(column) * kFieldStep;
    if (offset + kFieldWidth > row.size()) return {};
    return TrimRight(UnscrambleText(row.substr(offset, kFieldWidth)));
}

std::optional<int> RuleFieldValue(std::string_view row, int column) {
    const auto value = ParseInt(RuleFieldText(row, column));
    if (!value || *value < std::numeric_limits<std::int16_t>::min() ||
        *value > std::numeric_limits<std::int16_t>::max())
        return std::nullopt;
    return *value;
}

bool LoadGameRules(GameContext& ctx) {
    const std::filesystem::path file = GamesFilePath(ctx.state);
    const int number = ctx.state.GetInt(field::kGameNumber, -1);
    int game = number;
    std::string overrideText;
    if (number >= kFirstCustomGame) {
        CustomGameBaseInfo base;
        try {
            base = CustomGameBase(ctx.state, number);
        } catch (const FileError& error) {
            return FailLoad(ctx, error.what());
        }
        if (base.baseGame < 0)
            return FailLoad(ctx, CustomGameMissingMessage(ctx.state, std::to_string(number)));
        game = base.baseGame;
        overrideText = base.overrideText;
    }
    const int column = GameColumn(ctx, game);
    if (column < 0)
        return FailLoad(ctx, "The game " + std::to_string(game) + " is not in the catalog of " +
                                 file.string() + ".");

    const auto content = ReadGamesFile(ctx.ui, file);
    if (!content) return FailLoad(ctx, "");
    const auto rows = SectionLines(*content, kRulesSection);
    if (!rows)
        return FailLoad(ctx,
                        DamagedGamesFileMessage(
                            file, "the section " + std::string(kRulesSection) + " is missing."));
    ColumnValues values{};
    const std::string gameLabel = GameName(ctx, game) + " (" + std::to_string(game) + ")";
    if (const auto failure = DecodeColumn(*rows, column, gameLabel, file, values))
        return FailLoad(ctx, *failure);

    ctx.rules.Clear();
    for (int i = 0; i < rule::kRuleCount; ++i)
        ctx.rules.Set(i, values[static_cast<std::size_t>(i)]);
    if (number >= kFirstCustomGame) ApplyCustomOverrides(ctx.rules, overrideText);
    ctx.rules.BackupPileRules();
    return true;
}

std::vector<int> ReadGameRuleValues(const GameContext& ctx, int game,
                                    const std::vector<int>& indices) {
    constexpr int kSkipped = -99;
    std::vector<int> values(indices.size(), 0);
    for (std::size_t i = 0; i < indices.size(); ++i)
        if (indices[i] < 0) values[i] = kSkipped;
    const int column = GameColumn(ctx, game);
    if (column < 0) return values;
    std::string content;
    try {
        content = ReadWholeFile(GamesFilePath(ctx.state));
    } catch (const FileError&) {
        return values;
    }
    const auto rows = SectionLines(content, kRulesSection);
    if (!rows) return values;
    for (std::size_t i = 0; i < indices.size(); ++i) {
        const int index = indices[i];
        if (index <= 0 || static_cast<std::size_t>(index) > rows->size()) continue;
        values[i] =
            RuleFieldValue((*rows)[static_cast<std::size_t>(index) - 1], column).value_or(0);
    }
    return values;
}

}  // namespace vis
