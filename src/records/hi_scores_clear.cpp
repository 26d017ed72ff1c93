// Clearing, emptying and converting the hi-score tables.
#include <algorithm>
#include <vector>

#include "model/program_paths.h"
#include "model/text.h"
#include "records/game_statistics.h"
#include "records/hi_scores.h"
#include "records/record_files.h"
#include "store/durable_file.h"
#include "store/file_lock.h"
#include "store/section_file.h"

namespace vis {

namespace {

constexpr std::size_t kEntryPlayerOffset = 32;  // characters 33-62
constexpr std::size_t kPlayerWidth = 30;
// Older layouts: a rank line padded to this width, then the terminator.
constexpr std::size_t kConvertedRankLineWidth = 89;
constexpr int kCurrentVersion = 300;

constexpr std::string_view kClearedFileContent =
    "[Version]\r\nVersion=0300\r\n\r\n[Clear scores]\r\nCleared=Y\r\n";

std::filesystem::path HiScorePath(const GameContext& ctx) {
    return ProgramFile(ctx.state, kHiScoreFile);
}

std::string EntryPlayer(std::string_view entry) {
    if (entry.size() <= kEntryPlayerOffset) return {};
    return TrimRight(entry.substr(kEntryPlayerOffset, kPlayerWidth));
}

// The player's overall-score section, matched without regard to case and
// trailing blanks; empty when there is none.
std::optional<std::string> OverallSectionOf(const std::vector<std::string>& sections,
                                            std::string_view player) {
    for (const auto& name : sections)
        if (EqualsIgnoreCase(TrimRight(name), player)) return name;
    return std::nullopt;
}

void ClearEntriesInGame(GameContext& ctx, const FillerDigitSource& filler, int game,
                        std::string_view scheme, bool allPlayers, std::string_view player,
                        const std::vector<std::string>& overallPlayers) {
    const HiScoreTable table = ReadStoredHiScores(ctx, game, scheme);
    HiScoreTable kept;
    kept.fill(EmptyHiScoreEntry());
    std::size_t next = 0;
    bool removed = false;
    for (const auto& entry : table) {
        const std::string entryPlayer = EntryPlayer(entry);
        if (!IsEmptyHiScoreEntry(entry) && (allPlayers || entryPlayer == player)) {
            removed = true;
            if (const auto section = OverallSectionOf(overallPlayers, entryPlayer))
                UpdateOverallScore(ctx, filler, game, *section, true, 0, 0);
            continue;
        }
        kept[next++] = entry;
    }
    if (removed) WriteHiScoreTable(ctx, game, scheme, kept);
}

// The games that have a section in the file.
std::vector<int> GamesWithTables(const std::filesystem::path& file) {
    std::vector<int> games;
    for (const auto& name : ListSections(file)) {
        const auto game = ParseInt(name);
        if (game && GameSectionName(*game) == name) games.push_back(*game);
    }
    return games;
}

}  // namespace

void ClearHiScores(GameContext& ctx, const FillerDigitSource& filler, int game,
                   std::string_view scheme, bool allPlayers, bool allGames,
                   std::string_view player) {
    const auto path = HiScorePath(ctx);
    BusyPointer busy(ctx.ui);
    const FileLock lock(RecordLockPath(ctx.state));
    if (allPlayers && allGames) {
        // Both files start afresh even when one of them was missing.
        ReplaceRecordFile(ctx.ui, path, kClearedFileContent);
        std::error_code ec;
        std::filesystem::remove(ProgramFile(ctx.state, kOverallScoreFile), ec);
        return;
    }
    if (!FileExists(path)) return;
    const std::string name = TrimRight(player);
    const std::vector<std::string> overallPlayers = OverallScorePlayers(ctx);
    const std::vector<int> games = allGames ? GamesWithTables(path) : std::vector<int>{game};
    for (int g : games)
        ClearEntriesInGame(ctx, filler, g, scheme, allPlayers, name, overallPlayers);
}

void EmptyHiScoreTable(GameContext& ctx, int game, std::string_view scheme) {
    const FileLock lock(RecordLockPath(ctx.state));
    HiScoreTable table;
    table.fill(EmptyHiScoreEntry());
    WriteHiScoreTable(ctx, game, scheme, table);
}

void ConvertOldHiScoreFile(GameContext& ctx) {
    const auto path = HiScorePath(ctx);
    const FileLock lock(RecordLockPath(ctx.state));
    if (!FileExists(path)) return;
    if (ParseIntOr(ReadKey(path, "Version", "Version", ""), 0) >= kCurrentVersion) return;
    const std::string text = ReadWholeFile(path);
    std::string converted(kVersionedFileStart);
    bool inOldVersionSection = false;
    for (std::string_view line : SplitLines(text)) {
        if (const auto section = SectionHeaderName(line))
            inOldVersionSection = EqualsIgnoreCase(*section, "Version");
        if (inOldVersionSection && !line.empty()) continue;  // replaced by the new one
        if (StartsWith(line, "0"))
            converted += PadOrCut(line, kConvertedRankLineWidth) + " x";
        else
            converted += line;
        converted += "\r\n";
    }
    ReplaceRecordFile(ctx.ui, path, converted);
}

}  // namespace vis
