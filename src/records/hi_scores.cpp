#include "records/hi_scores.h"

#include <algorithm>
#include <vector>

#include "model/program_paths.h"
#include "model/rule_index.h"
#include "model/text.h"
#include "records/game_statistics.h"
#include "records/record_files.h"
#include "store/file_lock.h"
#include "store/section_file.h"

namespace vis {

namespace {

constexpr std::size_t kEntryTextLength = 83;  // the entry without " x"
constexpr std::string_view kTerminator = " x";
constexpr std::int64_t kEmptyRankScore = -999999;
constexpr std::int64_t kEmptyRankTime = 999999;
constexpr std::int64_t kMaxEntryTime = 999999;  // what six digits hold

std::filesystem::path HiScorePath(const GameContext& ctx) {
    return ProgramFile(ctx.state, kHiScoreFile);
}

std::string Terminated(std::string_view entry) {
    return PadOrCut(entry, kEntryTextLength) + std::string(kTerminator);
}

// Where a result with this score and time enters the table: in front of
// the first rank with a lower score, or an equal score and a longer time.
// A rank whose numbers do not parse compares as the rank before it.
int PlacingRank(const HiScoreTable& table, std::int64_t score, std::int64_t seconds) {
    std::int64_t rankScore = kEmptyRankScore;
    std::int64_t rankTime = kEmptyRankTime;
    for (int r = 0; r < kHiScoreRanks; ++r) {
        const std::string_view entry = table[static_cast<std::size_t>(r)];
        if (IsEmptyHiScoreEntry(entry)) {
            rankScore = kEmptyRankScore;
            rankTime = kEmptyRankTime;
        } else {
            rankScore = ParseRecordNumber(entry.substr(0, 6)).value_or(rankScore);
            rankTime = entry.size() > 7 ? ParseRecordNumber(entry.substr(7, 6)).value_or(rankTime)
                                        : rankTime;
        }
        if (rankScore < score || (rankScore == score && rankTime > seconds)) return r;
    }
    return -1;
}

std::string CongratulationText(const StateBlock& state) {
    return "Congratulations! Your score has made the " + TrimRight(state.Get(field::kGameName)) +
           " " + "Hi-Scores list!";
}

}  // namespace

HiScoreServices DefaultHiScoreServices() {
    HiScoreServices services;
    services.baseGameRules = [](const GameContext& ctx,
                                int game) -> std::optional<InventedScoreRules> {
        if (game != ctx.state.GetInt(field::kGameNumber, -1)) return std::nullopt;
        return InventedScoreRules{ctx.rules[rule::kScoreValueB], ctx.rules[rule::kDeckSize]};
    };
    services.fillerDigit = RandomFillerDigits();
    return services;
}

std::string HiScoreKey(std::string_view scheme, int rank) {
    return std::string(scheme) + "-" + ZeroPad(rank, 2);
}

std::string EmptyHiScoreEntry() {
    return Repeat(' ', kHiScoreEntryLength - 1) + "x";
}

bool IsEmptyHiScoreEntry(std::string_view entry) {
    return Trim(entry.substr(0, std::min<std::size_t>(entry.size(), 6))).empty();
}

std::string HiScoreEntryText(const HiScoreResult& result) {
    const std::int64_t seconds = std::clamp<std::int64_t>(result.seconds, 0, kMaxEntryTime);
    return ZeroPad(result.score, 6) + " " + ZeroPad(seconds, 6) + " " +
           PadOrCut(result.endDate, 8) + " " + PadOrCut(result.endTime, 8) + " " +
           PadOrCut(result.player, 30) + " " + PadOrCut(result.dealNumber, 15) + " " +
           (result.won ? "Won " : "Lost");
}

HiScoreTable ReadStoredHiScores(const GameContext& ctx, int game, std::string_view scheme) {
    std::vector<std::string> keys;
    for (int r = 1; r <= kHiScoreRanks; ++r) keys.push_back(HiScoreKey(scheme, r));
    const auto values = ReadKeys(HiScorePath(ctx), GameSectionName(game), keys,
                                 std::vector<std::string>(keys.size()));
    HiScoreTable table;
    std::copy_n(values.begin(), kHiScoreRanks, table.begin());
    return table;
}

void WriteHiScoreTable(GameContext& ctx, int game, std::string_view scheme,
                       const HiScoreTable& table) {
    const auto path = HiScorePath(ctx);
    EnsureRecordFile(path, kVersionedFileStart);
    KeyValues pairs;
    for (int r = 0; r < kHiScoreRanks; ++r)
        pairs.push_back(
            {HiScoreKey(scheme, r + 1), Terminated(table[static_cast<std::size_t>(r)])});
    // Fixed-width ranks: normally one write over the section's own bytes.
    WriteSectionInPlace(ctx.ui, path, GameSectionName(game), pairs);
}

int PlaceHiScore(GameContext& ctx, const HiScoreServices& services, const HiScoreResult& result) {
    const FileLock lock(RecordLockPath(ctx.state));
    EnsureRecordFile(HiScorePath(ctx), kVersionedFileStart);
    HiScoreTable table = ReadStoredHiScores(ctx, result.game, result.scheme);
    const bool invented = InventEntriesWhenEmpty(ctx, services, result.game, table);
    const std::string entry = HiScoreEntryText(result);
    const std::int64_t seconds = std::clamp<std::int64_t>(result.seconds, 0, kMaxEntryTime);
    const int rank = PlacingRank(table, result.score, seconds);
    if (rank >= 0) {
        std::move_backward(table.begin() + rank, table.end() - 1, table.end());
        table[static_cast<std::size_t>(rank)] = entry;
    }
    if (rank >= 0 || invented) WriteHiScoreTable(ctx, result.game, result.scheme, table);

    if (services.fillerDigit)
        UpdateOverallScore(ctx, services.fillerDigit, result.game, result.player, false,
                           result.seconds, result.score);
    return rank;
}

void AnnounceHiScore(GameContext& ctx, int rank) {
    if (rank >= 0 && ctx.state.Get(field::kConfirmEnterHiScores) != "N")
        ctx.ui.ShowHiScores(false, rank, CongratulationText(ctx.state), -1);
}

int OfferHiScore(GameContext& ctx, const HiScoreServices& services, const HiScoreResult& result) {
    const int rank = PlaceHiScore(ctx, services, result);
    AnnounceHiScore(ctx, rank);
    return rank;
}

HiScoreTable ReadHiScoreTable(GameContext& ctx, const HiScoreServices& services, int game,
                              std::string_view scheme) {
    const FileLock lock(RecordLockPath(ctx.state));
    EnsureRecordFile(HiScorePath(ctx), kVersionedFileStart);
    HiScoreTable table = ReadStoredHiScores(ctx, game, scheme);
    if (InventEntriesWhenEmpty(ctx, services, game, table))
        WriteHiScoreTable(ctx, game, scheme, table);
    for (auto& entry : table) entry = Terminated(entry);
    return table;
}

}  // namespace vis
