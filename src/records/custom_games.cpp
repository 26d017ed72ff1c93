#include "records/custom_games.h"

#include <algorithm>
#include <set>

#include "model/program_paths.h"
#include "model/text.h"
#include "records/favourite_games.h"
#include "records/game_statistics.h"
#include "records/hi_scores.h"
#include "records/player_choice.h"
#include "records/saved_game_file.h"
#include "store/durable_file.h"
#include "store/section_file.h"

namespace vis {

namespace {

constexpr std::string_view kStatisticsNote =
    "Note: the statistics for this game will also be deleted.";

// The file's lines, its version line first; a missing file starts afresh.
std::vector<std::string> CustomGameLines(const StateBlock& state) {
    std::vector<std::string> lines = SplitFileLines(ReadWholeFile(CustomGamesFilePath(state)));
    if (lines.empty()) lines.emplace_back(kCustomGamesMarker);
    return lines;
}

bool WriteCustomGameLines(GameContext& ctx, const std::vector<std::string>& lines) {
    std::string content;
    for (const std::string& line : lines) content += line + "\r\n";
    const auto file = CustomGamesFilePath(ctx.state);
    std::error_code ec;
    std::filesystem::create_directories(file.parent_path(), ec);
    return ReportReplace(ctx.ui, file, ReplaceFileContent(file, content));
}

// The base game of the game in play; -1 (after telling the player) when
// there is none.
int BaseOfGameInPlay(GameContext& ctx) {
    const int game = ctx.state.GetInt(field::kGameNumber, -1);
    if (game < kFirstCustomGame) return game;
    const int base = CustomGameBase(ctx.state, game).baseGame;
    if (base < 0) ctx.ui.ShowMessage(CustomGameMissingMessage(ctx.state, ZeroPad(game, 4)));
    return base;
}

// Takes the game's block out of the file; true when the file is as wanted.
bool RemoveCustomGameBlock(GameContext& ctx, int game) {
    if (!FileExists(CustomGamesFilePath(ctx.state))) return true;
    std::vector<std::string> lines = CustomGameLines(ctx.state);
    const std::string number = ZeroPad(game, 4);
    for (std::size_t first = 1; first < lines.size(); first += kCustomGameBlockLines) {
        if (!StartsWith(lines[first], number)) continue;
        const std::size_t end = std::min(lines.size(), first + kCustomGameBlockLines);
        lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(first),
                    lines.begin() + static_cast<std::ptrdiff_t>(end));
        return WriteCustomGameLines(ctx, lines);
    }
    return true;
}

}  // namespace

std::optional<int> NextCustomGameNumber(const StateBlock& state) {
    std::set<int> used;
    for (const CustomGameRecord& record : ReadCustomGames(state)) used.insert(record.number);
    for (int number = kFirstCustomGame; number <= kLastCustomGame; ++number)
        if (!used.contains(number)) return number;
    return std::nullopt;
}

std::string CustomSettingsText(const CustomSettings& settings) {
    return ZeroPad(settings.cardsPerPress, 3) + ZeroPad(settings.passCount, 3) +
           settings.tableauCode;
}

std::optional<int> CreateCustomGame(GameContext& ctx, std::string_view name,
                                    const CustomSettings& settings) {
    const int base = BaseOfGameInPlay(ctx);
    if (base < 0) return std::nullopt;
    const auto number = NextCustomGameNumber(ctx.state);
    if (!number) {
        ctx.ui.ShowMessage(std::string(kAllCustomNumbersUsed));
        return std::nullopt;
    }
    std::vector<std::string> lines = CustomGameLines(ctx.state);
    // A last block cut short is completed, so that the new one starts on
    // its own boundary.
    const std::size_t blockLines = lines.size() - 1;
    const std::size_t partial = blockLines % kCustomGameBlockLines;
    if (partial != 0) lines.insert(lines.end(), kCustomGameBlockLines - partial, std::string());

    lines.push_back(ZeroPad(*number, 4) + PadOrCut(name, kCustomGameNameWidth) + ZeroPad(base, 4));
    lines.push_back(CustomSettingsText(settings));
    lines.insert(lines.end(), kCustomGameBlockLines - 2, std::string());
    if (!WriteCustomGameLines(ctx, lines)) return std::nullopt;
    return number;
}

std::string CustomGameDeleteQuestion(bool playingItFromSelection, const std::string& name) {
    if (playingItFromSelection)
        return "You are now playing " + name + "." + "\r" +
               "Are you sure you want to delete this game?\r" + std::string(kStatisticsNote);
    return "Are you sure you want to delete this customized game\r" + name + "?" + "\r" +
           std::string(kStatisticsNote);
}

bool RemoveCustomGameRecords(GameContext& ctx, int game, const std::string& name) {
    BusyPointer busy(ctx.ui);
    if (!RemoveCustomGameBlock(ctx, game)) return false;
    RemoveFavouriteGame(ctx.ui, ConfigFilePath(ctx.state), name);
    ClearStatistics(ctx, game, "", true, false);
    const std::string scheme = ctx.state.Get(field::kScoringScheme);
    EmptyHiScoreTable(ctx, game, scheme.empty() ? "01" : scheme);
    ResetRunCounters(ctx.state);
    return true;
}

}  // namespace vis
