#include "records/end_of_game_records.h"

#include "model/text.h"
#include "records/duration_text.h"
#include "records/game_log.h"
#include "records/game_statistics.h"
#include "store/file_error.h"

namespace vis {

void RecordFinishedGame(GameContext& ctx, const HiScoreServices& services, bool won, int seconds,
                        std::string_view endTime, std::string_view endDate) {
    AppendGameLog(ctx, won, seconds, endTime, endDate);
    RecordGameStatistics(ctx, won);

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
    OfferHiScore(ctx, services, result);
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
