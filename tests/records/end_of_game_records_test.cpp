#include "records/end_of_game_records.h"

#include <gtest/gtest.h>

#include "records/game_log.h"
#include "records/game_statistics.h"
#include "records/record_files.h"
#include "records_fixture.h"
#include "store/file_error.h"
#include "support/child_process.h"

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

TEST_F(EndOfGameRecordsTest, ARecordFileThatCannotBeOpenedLeavesTheGameRecordedNowhere) {
    for (const char* blocked : {"STAT.DAT", "STAT_SCR.DAT", "STAT_LOG.DAT"}) {
        for (const char* file : {"STAT.DAT", "STAT_SCR.DAT", "STAT_LOG.DAT", "STAT_GLO.DAT"})
            std::filesystem::remove_all(Data(file));
        // A directory cannot be opened as the file.
        std::filesystem::create_directories(Data(blocked));
        ui.ClearLog();
        RecordKeeper keeper(services);
        EXPECT_NO_THROW(keeper.RecordFinishedGame(ctx, true, 125, end_));
        ASSERT_FALSE(ui.Log().empty());
        EXPECT_EQ(ui.Log().back(), "error: Cannot open file " + Data(blocked).string()) << blocked;
        EXPECT_THROW(RecordFinishedGame(ctx, services, true, 1, "", ""), FileError);
        std::filesystem::remove_all(Data(blocked));
        EXPECT_EQ(ReadGameStatistics(ctx, nullptr, 1, "Ann").record.won, 0) << blocked;
        EXPECT_EQ(ctx.state.Get(field::kRunWon), "0000") << blocked;
        EXPECT_TRUE(ReadOverallScores(ctx).empty()) << blocked;
        EXPECT_TRUE(ReadGameLog(ctx).empty()) << blocked;
    }
}

TEST_F(EndOfGameRecordsTest, TheNewHiScoreIsAnnouncedOnceEveryRecordIsWritten) {
    class WatchingUi : public HeadlessUi {
    public:
        void ShowHiScores(bool fromMenu, int row, const std::string& message, int game) override {
            logAtAnnouncement = ReadGameLog(*ctx).size();
            HeadlessUi::ShowHiScores(fromMenu, row, message, game);
        }
        const GameContext* ctx = nullptr;
        std::size_t logAtAnnouncement = 0;
    };
    WatchingUi watching;
    GameContext other(watching);
    watching.ctx = &other;
    other.state = ctx.state;
    RecordFinishedGame(other, services, true, 125, "13:05:09", "20240307");
    EXPECT_EQ(watching.logAtAnnouncement, 1u);
}

TEST_F(EndOfGameRecordsTest, AWinAfterOneDamagedOverallByteCountsAndKeepsTheOtherPlayer) {
    SetPlayer("Player 1");
    RecordFinishedGame(ctx, services, true, 100, "13:05:09", "20240307");  // 60 points
    SetPlayer("Player 2");
    SetScore(30);
    RecordFinishedGame(ctx, services, true, 90, "13:15:09", "20240307");
    std::string text = Read("STAT_GLO.DAT");
    const std::size_t at = text.find("T01=") + 6;  // in Player 1's section
    text[at] = static_cast<char>(text[at] + 1);
    Write("STAT_GLO.DAT", text);

    SetPlayer("Player 1");
    SetGame(2, "Freecell");
    SetScore(40);
    ui.ClearLog();
    RecordFinishedGame(ctx, services, true, 50, "13:25:09", "20240307");
    EXPECT_EQ(ui.Messages(), std::vector<std::string>{OverallRepairMessage("Player 1")});
    const auto overall = ReadOverallScores(ctx);
    ASSERT_EQ(overall.size(), 2u);
    EXPECT_EQ(overall[0].player, "Player 1");
    EXPECT_EQ(overall[0].score, 100);
    EXPECT_EQ(overall[0].seconds, 150);
    EXPECT_EQ(overall[1].player, "Player 2");
    EXPECT_EQ(overall[1].score, 30);
    EXPECT_EQ(ReadGameLog(ctx).size(), 3u);
}

#ifndef _WIN32
TEST_F(EndOfGameRecordsTest, AFullDiskLeavesNoPartOfALogLineAndTheMessageNamesTheFile) {
    RecordFinishedGame(ctx, services, true, 125, "13:05:09", "20240307");
    // The log the largest file, so that only its next line meets the full disk.
    std::string log;
    for (int i = 0; i < 40; ++i)
        log += GameLogLine(ctx.state, false, i, "12:00:00", "20240101") + "\r\n";
    Write("STAT_LOG.DAT", log);
    const long room = static_cast<long>(log.size()) + 73;
    const int result = test::RunInChild(
        [&] {
            RecordKeeper keeper(services);
            keeper.RecordFinishedGame(ctx, true, 10, end_);
            return ui.Log().back() == "error: " + WriteErrorMessage(Data("STAT_LOG.DAT")) ? 0 : 1;
        },
        room);
    EXPECT_EQ(result, 0);
    EXPECT_EQ(Read("STAT_LOG.DAT"), log);
}

TEST_F(EndOfGameRecordsTest, TwoProgramsOnOneFolderLoseNoResult) {
    constexpr int kGamesEach = 100;
    ctx.state.Set(field::kConfirmEnterHiScores, "N");
    auto play = [&](int first) {
        return [&, first] {
            for (int i = first; i < first + kGamesEach; ++i) {
                SetScore(i);
                RecordFinishedGame(ctx, services, true, 1000 - i, "12:00:00", "20240101");
            }
            return 0;
        };
    };
    const pid_t one = test::StartChild(play(1));
    const pid_t two = test::StartChild(play(1 + kGamesEach));
    EXPECT_EQ(test::WaitForChild(one), 0);
    EXPECT_EQ(test::WaitForChild(two), 0);

    EXPECT_EQ(ReadGameStatistics(ctx, nullptr, 1, "Ann").record.won, 2 * kGamesEach);
    EXPECT_EQ(ReadGameStatistics(ctx, nullptr, 1, "Ann").record.totalScore,
              2 * kGamesEach * (2 * kGamesEach + 1) / 2);
    EXPECT_EQ(ReadGameLog(ctx).size(), static_cast<std::size_t>(2 * kGamesEach));
    const HiScoreTable table = ReadStoredHiScores(ctx, 1, "01");
    for (int r = 0; r < kHiScoreRanks; ++r)
        EXPECT_EQ(ParseRecordNumber(table[static_cast<std::size_t>(r)].substr(0, 6)),
                  2 * kGamesEach - r)
            << r;
    const auto overall = ReadOverallScores(ctx);
    ASSERT_EQ(overall.size(), 1u);
    EXPECT_EQ(overall[0].score, 2 * kGamesEach);
    EXPECT_TRUE(ui.Messages().empty());
}
#endif

}  // namespace
}  // namespace vis
