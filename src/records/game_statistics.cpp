#include "records/game_statistics.h"

#include <algorithm>
#include <optional>

#include "model/program_paths.h"
#include "model/text.h"
#include "records/game_log.h"
#include "records/record_files.h"
#include "store/durable_file.h"
#include "store/file_lock.h"
#include "store/section_file.h"

namespace vis {

namespace {

// A field that outgrew its width would be written as "*" and read back as
// not a number, wiping every field after it; counts therefore stop at the
// largest value that fits.
constexpr std::int64_t kMaxCount = 999999;
constexpr std::int64_t kMaxTotalScore = 999999999999;
constexpr std::int64_t kMinTotalScore = -99999999999;
constexpr int kMaxRunCounter = 9999;

constexpr int kCountWidth = 6;
constexpr int kScoreWidth = 12;

std::int64_t CountUp(std::int64_t count) {
    return std::min(count + 1, kMaxCount);
}

// The key of a record line: the text before its last "=", since records
// never hold one while a player's name might; a line without "=" is all key
// (a damaged record that counts as zero and is replaced when written).
std::string_view LineKey(std::string_view line) {
    return line.substr(0, std::min(line.rfind('='), line.size()));
}

// A player's record among a section's lines. Keys are compared whole:
// "Ann" must not find the line of "Anna".
std::optional<std::string_view> FindRecord(const std::vector<std::string>& lines,
                                           std::string_view player) {
    for (const std::string_view line : lines)
        if (LineKey(line) == player) return line.substr(std::min(player.size() + 1, line.size()));
    return std::nullopt;
}

void SetRecord(std::vector<std::string>& lines, std::string_view player, std::string_view record) {
    std::string line = std::string(player) + "=" + std::string(record);
    for (auto& old : lines) {
        if (LineKey(old) == player) {
            old = std::move(line);
            return;
        }
    }
    lines.push_back(std::move(line));
}

KeyValues ToPairs(const std::vector<std::string>& lines) {
    KeyValues pairs;
    pairs.reserve(lines.size());
    for (const std::string_view line : lines) {
        const std::string_view key = LineKey(line);
        pairs.push_back(
            {std::string(key), std::string(line.substr(std::min(key.size() + 1, line.size())))});
    }
    return pairs;
}

std::filesystem::path StatisticsPath(const GameContext& ctx) {
    return ProgramFile(ctx.state, kStatisticsFile);
}

const std::string& ZeroRecord() {
    static const std::string zero = FormatGameStatsRecord({});
    return zero;
}

// The text of the file with `player` given a zero record in every game
// section, added where the section has none.
std::string ZeroPlayerInEveryGame(std::string_view text, std::string_view player) {
    const std::string zeroLine = std::string(player) + "=" + ZeroRecord();
    std::vector<std::string> out;
    bool inGameSection = false;
    bool found = false;
    std::size_t insertAt = 0;  // after the section's last non-empty line
    auto closeSection = [&] {
        if (inGameSection && !found)
            out.insert(out.begin() + static_cast<std::ptrdiff_t>(insertAt), zeroLine);
    };
    for (std::string_view line : SplitLines(text)) {
        if (StartsWith(line, "[")) {  // a header, or a line that ends the section like one
            closeSection();
            const auto name = SectionHeaderName(line);
            inGameSection = name && !EqualsIgnoreCase(*name, "version");
            found = false;
            out.emplace_back(line);
            insertAt = out.size();
            continue;
        }
        if (inGameSection && LineKey(line) == player) {
            out.push_back(zeroLine);
            found = true;
        } else {
            out.emplace_back(line);
        }
        if (!line.empty()) insertAt = out.size();
    }
    closeSection();
    std::string joined;
    for (const auto& line : out) joined += line + "\r\n";
    return joined;
}

}  // namespace

std::string FormatGameStatsRecord(const GameStatsRecord& r) {
    return ZeroPad(r.won, kCountWidth) + " " + ZeroPad(r.lost, kCountWidth) + " " +
           ZeroPad(r.longestWinningStreak, kCountWidth) + " " +
           ZeroPad(r.longestLosingStreak, kCountWidth) + " " +
           ZeroPad(r.currentWinningStreak, kCountWidth) + " " +
           ZeroPad(r.currentLosingStreak, kCountWidth) + " " + ZeroPad(r.totalScore, kScoreWidth) +
           " " + ZeroPad(0, kScoreWidth);
}

namespace {

// Reads the fields up to the first that is not a number; returns how many
// were read.
int ParseFields(std::string_view text, GameStatsRecord& r) {
    struct Field {
        std::size_t offset;
        std::size_t width;
        std::int64_t GameStatsRecord::*value;
    };
    static constexpr Field kFields[] = {
        {0, 6, &GameStatsRecord::won},
        {7, 6, &GameStatsRecord::lost},
        {14, 6, &GameStatsRecord::longestWinningStreak},
        {21, 6, &GameStatsRecord::longestLosingStreak},
        {28, 6, &GameStatsRecord::currentWinningStreak},
        {35, 6, &GameStatsRecord::currentLosingStreak},
        {42, 12, &GameStatsRecord::totalScore},
    };
    int read = 0;
    for (const Field& f : kFields) {
        const auto number = f.offset < text.size()
                                ? ParseRecordNumber(text.substr(f.offset, f.width))
                                : std::nullopt;
        if (!number) break;
        r.*f.value = *number;
        ++read;
    }
    return read;
}

constexpr int kReadFields = 7;

}  // namespace

GameStatsRecord ParseGameStatsRecord(std::string_view text) {
    GameStatsRecord r;
    ParseFields(text, r);
    return r;
}

bool IsWholeGameStatsRecord(std::string_view text) {
    GameStatsRecord r;
    return ParseFields(text, r) == kReadFields;
}

std::string GameSectionName(int game) {
    return ZeroPad(game, 4);
}

StatisticsFile::StatisticsFile(const std::filesystem::path& file) {
    for (auto& section : ParseRecordSections(ReadWholeFile(file)))
        sections_.emplace(std::move(section.name), std::move(section.lines));  // first one wins
}

GameStatsRecord StatisticsFile::Record(int game, std::string_view player) const {
    const auto section = sections_.find(GameSectionName(game));
    if (section == sections_.end()) return {};
    return ParseGameStatsRecord(FindRecord(section->second, player).value_or(""));
}

bool StatisticsFile::RecordIsWhole(int game, std::string_view player) const {
    const auto section = sections_.find(GameSectionName(game));
    if (section == sections_.end()) return true;
    const auto text = FindRecord(section->second, player);
    return !text || IsWholeGameStatsRecord(*text);
}

GameStatistics ReadGameStatistics(const GameContext& ctx, const StatisticsFile* file, int game,
                                  std::string_view player) {
    GameStatistics stats;
    if (file) {
        stats.record = file->Record(game, player);
    } else {
        const auto path = StatisticsPath(ctx);
        EnsureRecordFile(path, kVersionedFileStart);
        const auto lines = ReadSectionLines(path, GameSectionName(game));
        stats.record = ParseGameStatsRecord(FindRecord(lines, player).value_or(""));
    }
    if (Trim(player) == Trim(ctx.state.Get(field::kPlayer)) &&
        game == ctx.state.GetInt(field::kGameNumber, -1)) {
        stats.runWon = ctx.state.GetInt(field::kRunWon, 0);
        stats.runLost = ctx.state.GetInt(field::kRunLost, 0);
    }
    return stats;
}

bool RecordGameStatistics(GameContext& ctx, bool won) {
    const FileLock lock(RecordLockPath(ctx.state));
    const auto path = StatisticsPath(ctx);
    EnsureRecordFile(path, kVersionedFileStart);
    const std::string section = GameSectionName(ctx.state.GetInt(field::kGameNumber, -1));
    const std::string player = ctx.state.Get(field::kPlayer);
    std::vector<std::string> lines = ReadSectionLines(path, section);
    GameStatsRecord r = ParseGameStatsRecord(FindRecord(lines, player).value_or(""));
    int runWon = ctx.state.GetInt(field::kRunWon, 0);
    int runLost = ctx.state.GetInt(field::kRunLost, 0);

    if (won) {
        r.won = CountUp(r.won);
        r.currentWinningStreak = CountUp(r.currentWinningStreak);
        r.currentLosingStreak = 0;
        runWon = std::min(runWon + 1, kMaxRunCounter);
    } else {
        r.lost = CountUp(r.lost);
        r.currentLosingStreak = CountUp(r.currentLosingStreak);
        r.currentWinningStreak = 0;
        runLost = std::min(runLost + 1, kMaxRunCounter);
    }
    r.longestWinningStreak = std::max(r.longestWinningStreak, r.currentWinningStreak);
    r.longestLosingStreak = std::max(r.longestLosingStreak, r.currentLosingStreak);
    r.totalScore = std::clamp(r.totalScore + ctx.state.GetInt(field::kScore, 0), kMinTotalScore,
                              kMaxTotalScore);

    SetRecord(lines, player, FormatGameStatsRecord(r));
    if (!WriteSectionInPlace(ctx.ui, path, section, ToPairs(lines))) return false;
    ctx.state.SetZeroPadded(field::kRunWon, runWon);
    ctx.state.SetZeroPadded(field::kRunLost, runLost);
    return true;
}

void ClearStatistics(GameContext& ctx, int game, std::string_view playerName, bool allPlayers,
                     bool allGames) {
    BusyPointer busy(ctx.ui);
    const FileLock lock(RecordLockPath(ctx.state));
    const std::string player = TrimRight(playerName);  // stored keys have no trailing blanks
    const auto path = StatisticsPath(ctx);
    if (FileExists(path)) {
        EnsureRecordFile(path, kVersionedFileStart);
        const std::string section = GameSectionName(game);
        if (allPlayers && allGames) {
            ReplaceRecordFile(ctx.ui, path, kVersionedFileStart);
        } else if (allGames) {
            const std::string text = ReadWholeFile(path);
            const std::string cleared = ZeroPlayerInEveryGame(text, player);
            if (cleared != text) ReplaceRecordFile(ctx.ui, path, cleared);
        } else if (allPlayers) {
            std::vector<std::string> lines = ReadSectionLines(path, section);
            for (auto& line : lines) line = std::string(LineKey(line)) + "=" + ZeroRecord();
            if (!lines.empty()) WriteSectionInPlace(ctx.ui, path, section, ToPairs(lines));
        } else {
            std::vector<std::string> lines = ReadSectionLines(path, section);
            SetRecord(lines, player, ZeroRecord());
            WriteSectionInPlace(ctx.ui, path, section, ToPairs(lines));
        }
    }
    RemoveGameLogLines(ctx, allGames ? std::nullopt : std::optional<int>(game),
                       allPlayers ? std::nullopt : std::optional<std::string_view>(player));
}

}  // namespace vis
