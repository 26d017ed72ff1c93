// Where a finished game goes: the statistics, the hi-scores with the
// overall score, then the game log, in that order and under the records'
// lock; a new hi-score is announced after that.
#pragma once

#include <string_view>

#include "model/game_context.h"
#include "model/game_recorder.h"
#include "records/hi_scores.h"

namespace vis {

// Records the current game (state fields 62, 77, 120, 122, 153) as ended
// at `endTime` ("hh:nn:ss") on `endDate` ("yyyymmdd") after `seconds` of
// play. Throws FileError when a record file cannot be opened; when that is
// found before anything is written, nothing is. A statistics record that
// cannot be written (reported) stops the rest.
void RecordFinishedGame(GameContext& ctx, const HiScoreServices& services, bool won, int seconds,
                        std::string_view endTime, std::string_view endDate);

// The recorder the end of a game hands its result to. A file that cannot
// be opened is reported in the error box and does not stop the end of the
// game.
class RecordKeeper : public GameRecorder {
public:
    explicit RecordKeeper(HiScoreServices services) : services_(std::move(services)) {}
    void RecordFinishedGame(GameContext& ctx, bool won, int elapsedSeconds,
                            const ClockReading& end) override;

private:
    HiScoreServices services_;
};

}  // namespace vis
