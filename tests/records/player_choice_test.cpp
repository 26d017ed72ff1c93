#include "records/player_choice.h"

#include <gtest/gtest.h>

#include "game/saved_games_fixture.h"
#include "records/game_statistics.h"
#include "records/players.h"

namespace vis {
namespace {

class PlayerChoiceTest : public test::SavedGamesFixture {};

TEST_F(PlayerChoiceTest, DeletingAPlayerClearsHisStatisticsInEveryGame) {
    GameStatsRecord record;
    record.won = 2;
    WriteStatistics({{1, "Bob"}, {1, "Ann"}, {2, "Ann"}}, record);

    EXPECT_FALSE(DeletePlayer(ctx, "Ann"));
    EXPECT_EQ(ui.Messages(),
              std::vector<std::string>{"It is impossible to delete the selected player."});

    EXPECT_FALSE(DeletePlayer(ctx, "Bob"));  // the question declined
    EXPECT_EQ(ReadGameStatistics(ctx, nullptr, 1, "Bob").record, record);

    ui.QueueAnswer(true);
    ASSERT_TRUE(DeletePlayer(ctx, "Bob"));
    EXPECT_TRUE(
        Logged("confirm: Are you sure you want to delete the selected player?\r"
               "Note: the statistics for this player will also be deleted."));
    EXPECT_EQ(ReadGameStatistics(ctx, nullptr, 1, "Bob").record, GameStatsRecord{});
    EXPECT_EQ(ReadGameStatistics(ctx, nullptr, 1, "Ann").record, record);
    // A zero record for him where he had none.
    const std::string stats = test::ReadFile(dir / "DATA" / "STAT.DAT");
    EXPECT_NE(stats.find("[0002]\r\nAnn=" + FormatGameStatsRecord(record) + "\r\nBob="),
              std::string::npos);
}

}  // namespace
}  // namespace vis
