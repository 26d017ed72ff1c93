#include "records/end_of_game_records.h"

#include "model/program_paths.h"
#include "model/text.h"
#include "records/duration_text.h"
#include "records/game_log.h"
#include "records/game_statistics.h"
#include "records/record_files.h"
#include "store/file_error.h"
#include "store/file_lock.h"

namespace vis {

namespace {
constexpr std::string_view kNoStart{};  // a file that starts empty
}  // namespace

void RecordFinishedGame(GameContext& ctx, const HiScoreServices& services, bool won, int seconds,
                        std::string_view endTime, std::string_view endDate) {
    HiScoreResult result;
    result.game = ctx.state.GetInt(field::kGameNumber, -1);
    result.player = ctx.state.Get(field::kPlayer);
    result.scheme = ctx.state.Get(field::kScoringScheme);
    result.endTime = std::string(endTime);
    result.endDate = std::string(endDate);
    result.seconds = seconds;
    result.score = ctx.state.GetInt(field::kScore, 0);
    result.won = won;
    result.dealNumber = ctx.state.Get(field::kDealNumber);

    int rank = -1;
    {
        // Another program on the same DATA folder waits here for its turn.
        const FileLock lock(RecordLockPath(ctx.state));
        // Each file is opened (created when new) before any is changed, so
        // that one that cannot be leaves the game recorded nowhere.
        for (const auto& [file, start] :
             {std::pair{kStatisticsFile, kVersionedFileStart},
              std::pair{kHiScoreFile, kVersionedFileStart}, std::pair{kGameLogFile, kNoStart}})
            EnsureRecordFile(ProgramFile(ctx.state, file), start);
        if (!RecordGameStatistics(ctx, won)) return;
        rank = PlaceHiScore(ctx, services, result);
        // The log line last: a game in the log is in every other record.
        AppendGameLog(ctx, won, seconds, endTime, endDate);
    }
    // After the lock, as the dialog waits for the player.
    AnnounceHiScore(ctx, rank);
}

void RecordKeeper::RecordFinishedGame(GameContext& ctx, bool won, int elapsedSeconds,
                                      const ClockReading& end) {
    try {
        vis::RecordFinishedGame(ctx, services_, won, elapsedSeconds,
                                TimeOfDayText(end, ctx.ui.TimeSeparator()), DateText(end));
    } catch (const FileError& error) {
        ctx.ui.ShowError(error.what());
    }
}

}  // namespace vis
