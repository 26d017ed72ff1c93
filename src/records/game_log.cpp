#include "records/game_log.h"

#include "model/program_paths.h"
#include "model/text.h"
#include "records/record_files.h"
#include "store/durable_file.h"
#include "store/file_error.h"
#include "store/file_lock.h"
#include "store/section_file.h"

namespace vis {

namespace {

// 1-based columns and widths of the fields that are read back.
constexpr std::size_t kGameColumn = 26;
constexpr std::size_t kGameWidth = 4;
constexpr std::size_t kPlayerColumn = 82;
constexpr std::size_t kPlayerWidth = 30;

constexpr std::string_view kLogVersion = "0500";

std::string_view Columns(std::string_view line, std::size_t column, std::size_t width) {
    if (line.size() < column) return {};
    return line.substr(column - 1, width);
}

}  // namespace

std::string GameLogLine(const StateBlock& state, bool won, int seconds, std::string_view endTime,
                        std::string_view endDate) {
    std::string line;
    line.reserve(kGameLogLineLength);
    line += PadOrCut(endDate, 8) + " ";
    line += PadOrCut(endTime, 8) + " ";
    line += ZeroPad(seconds, 6) + " ";
    line += ZeroPad(state.GetInt(field::kGameNumber, -1), 4) + " ";
    line += PadOrCut(state.Get(field::kGameName), 50) + " ";
    line += PadOrCut(state.Get(field::kPlayer), kPlayerWidth) + " ";
    line += won ? "Won  " : "Lost ";
    line += PadOrCut(state.Get(field::kScoringScheme), 2) + " ";
    line += PadOrCut(state.Get(field::kScore), 6) + " ";
    line += PadOrCut(state.Get(field::kDealNumber), 15) + " ";
    line += kLogVersion;
    return line;
}

void AppendGameLog(GameContext& ctx, bool won, int seconds, std::string_view endTime,
                   std::string_view endDate) {
    const FileLock lock(RecordLockPath(ctx.state));
    const auto file = ProgramFile(ctx.state, kGameLogFile);
    EnsureRecordFile(file, "");
    // The whole line or nothing: a part that a full disk took is cut off again.
    if (!AppendBytes(file, GameLogLine(ctx.state, won, seconds, endTime, endDate) + "\r\n"))
        throw FileError(WriteErrorMessage(file));
}

std::vector<std::string> ReadGameLog(const GameContext& ctx) {
    const std::string text = ReadWholeFile(ProgramFile(ctx.state, kGameLogFile));
    std::vector<std::string> lines;
    for (std::string_view line : SplitLines(text)) lines.emplace_back(line);
    return lines;
}

int LogLineGame(std::string_view line) {
    return ParseIntOr(Columns(line, kGameColumn, kGameWidth), -1);
}

std::string LogLinePlayer(std::string_view line) {
    return TrimRight(Columns(line, kPlayerColumn, kPlayerWidth));
}

bool RemoveGameLogLines(GameContext& ctx, std::optional<int> game,
                        std::optional<std::string_view> player) {
    const FileLock lock(RecordLockPath(ctx.state));
    const auto file = ProgramFile(ctx.state, kGameLogFile);
    if (!FileExists(file)) return true;
    BusyPointer busy(ctx.ui);
    const std::string text = ReadWholeFile(file);
    std::string kept;
    kept.reserve(text.size());
    bool removed = false;
    for (std::string_view line : SplitLines(text)) {
        const bool gameMatches = !game || LogLineGame(line) == *game;
        const bool playerMatches = !player || LogLinePlayer(line) == *player;
        if (gameMatches && playerMatches) {
            removed = true;
            continue;
        }
        kept += line;
        kept += "\r\n";
    }
    return !removed || ReplaceRecordFile(ctx.ui, file, kept);
}

}  // namespace vis
