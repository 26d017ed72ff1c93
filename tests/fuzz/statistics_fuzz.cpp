// Arbitrary bytes as the statistics file and the game log: reading gives
// records or zeros, and one recorded game and one clearing land where they
// belong whatever surrounded them.
#include <algorithm>
#include <cstdint>
#include <string>

#include "record_files_fuzz_support.h"
#include "records/game_log.h"
#include "records/game_statistics.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vis;
    using fuzz::Check;
    fuzz::WriteTwoDataFiles(data, size, "STAT.DAT", "STAT_LOG.DAT");
    fuzz::ScratchGame scratch;
    GameContext& ctx = scratch.ctx;
    ctx.state.Set(field::kPlayer, "Player 1");
    ctx.state.Set(field::kScore, "12");
    ctx.state.Set(field::kDealNumber, "1234567890123");
    ctx.state.Set(field::kRunWon, "0000");
    ctx.state.Set(field::kRunLost, "0000");

    const StatisticsFile file(ProgramFile(ctx.state, kStatisticsFile));
    for (const int game : {1, 2, 9999})
        for (const char* player : {"Player 1", "Ann", "", "Version"}) {
            ReadGameStatistics(ctx, &file, game, player);
            ReadGameStatistics(ctx, nullptr, game, player);
        }
    for (const auto& line : ReadGameLog(ctx)) {
        LogLineGame(line);
        LogLinePlayer(line);
    }

    const GameStatsRecord before = ReadGameStatistics(ctx, nullptr, 1, "Player 1").record;
    AppendGameLog(ctx, true, 10, "10:00:00", "20240101");
    RecordGameStatistics(ctx, true);
    const GameStatsRecord after = ReadGameStatistics(ctx, nullptr, 1, "Player 1").record;
    Check(after.won == std::min<std::int64_t>(before.won + 1, 999999));
    Check(after.currentLosingStreak == 0);
    Check(after.lost == before.lost);
    Check(ReadGameLog(ctx).back() == GameLogLine(ctx.state, true, 10, "10:00:00", "20240101"));

    ClearStatistics(ctx, 1, "Player 1", false, false);
    Check(ReadGameStatistics(ctx, nullptr, 1, "Player 1").record == GameStatsRecord{});
    for (const auto& line : ReadGameLog(ctx))
        Check(!(LogLineGame(line) == 1 && LogLinePlayer(line) == "Player 1"));
    Check(scratch.ui.Messages().empty());
    return 0;
}
