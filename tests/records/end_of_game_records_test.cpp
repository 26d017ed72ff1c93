#include "records/end_of_game_records.h"

#include <gtest/gtest.h>

#include "records/game_log.h"
#include "records/game_statistics.h"
#include "records_fixture.h"
#include "store/file_error.h"

namespace vis {
namespace {

class EndOfGameRecordsTest : public test::RecordsTest {
protected:
    EndOfGameRecordsTest() {
        SetGame(1, "Klondike");
        SetPlayer("Ann");
        SetScore(60);
        SetDeal("1234567890123");
        ui.SetTimeSeparator(".");
    }
    const ClockReading end_{13 * 3600 + 5 * 60 + 9, 2024, 3, 7};
};

TEST_F(EndOfGameRecordsTest, FinishedGameReachesLogStatisticsHiScoresAndOverallScore) {
    RecordKeeper keeper(services);
    keeper.RecordFinishedGame(ctx, true, 125, end_);

    EXPECT_EQ(ReadGameLog(ctx),
              std::vector<std::string>{GameLogLine(ctx.state, true, 125, "13.05.09", "20240307")});
    EXPECT_EQ(ReadGameStatistics(ctx, nullptr, 1, "Ann").record.won, 1);
    EXPECT_EQ(ctx.state.Get(field::kRunWon), "0001");
    HiScoreResult expected;
    expected.player = "Ann";
    expected.endTime = "13.05.09";
    expected.endDate = "20240307";
    expected.seconds = 125;
    expected.score = 60;
    expected.won = true;
    expected.dealNumber = "1234567890123";
    EXPECT_EQ(Value("STAT_SCR.DAT", "0001", "01-01"), HiScoreEntryText(expected) + " x");
    const auto overall = ReadOverallScores(ctx);
    ASSERT_EQ(overall.size(), 1u);
    EXPECT_EQ(overall[0].score, 60);
    EXPECT_EQ(overall[0].seconds, 125);
    EXPECT_EQ(ui.Log().back(),
              "hi-scores new entry row 0 game -1: Congratulations! Your score has "
              "made the Klondike Hi-Scores list!");
}

TEST_F(EndOfGameRecordsTest, LostGameIsRecordedAsLost) {
    SetScore(-40);
    RecordFinishedGame(ctx, services, false, 30, "09:00:00", "20240102");
    const auto log = ReadGameLog(ctx);
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0].substr(112, 5), "Lost ");
    const GameStatistics stats = ReadGameStatistics(ctx, nullptr, 1, "Ann");
    EXPECT_EQ(stats.record.lost, 1);
    EXPECT_EQ(stats.record.totalScore, -40);
    EXPECT_EQ(Value("STAT_SCR.DAT", "0001", "01-20").substr(79, 4), "Won ");  // invented, unbeaten
}

TEST_F(EndOfGameRecordsTest, UnwritableStatisticsStopTheRecordsAfterTheLogWithAnErrorBox) {
    std::filesystem::create_directories(
        Data("STAT.DAT"));  // a directory cannot be opened as the file
    RecordKeeper keeper(services);
    EXPECT_NO_THROW(keeper.RecordFinishedGame(ctx, true, 125, end_));
    EXPECT_EQ(ReadGameLog(ctx).size(), 1u);
    EXPECT_FALSE(std::filesystem::exists(Data("STAT_SCR.DAT")));
    ASSERT_FALSE(ui.Log().empty());
    EXPECT_TRUE(StartsWith(ui.Log().back(), "error: Cannot open file ")) << ui.Log().back();
    EXPECT_THROW(RecordFinishedGame(ctx, services, true, 1, "", ""), FileError);
}

}  // namespace
}  // namespace vis
