#include "records/player_choice.h"
#include "game/player_change.h"

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

TEST_F(PlayerChoiceTest, SelectingAnotherPlayerEndsTheGameUnderTheFirst) {
    ASSERT_TRUE(Start(1));
    ctx.state.Set(field::kRunWon, "0005");
    ctx.state.Set(field::kConfirmQuitGame, "Y");

    EXPECT_EQ(SelectPlayer(ctx, hooks, "", "Ann"), PlayerSelection::kDeclined);
    EXPECT_EQ(ui.Messages(), std::vector<std::string>{"Select a player."});
    EXPECT_EQ(SelectPlayer(ctx, hooks, "Ann", "Ann"), PlayerSelection::kUnchanged);
    EXPECT_EQ(SelectPlayer(ctx, hooks, "Bob", "Ann"), PlayerSelection::kDeclined);
    EXPECT_TRUE(Logged("confirm: Start a new game for player Bob?"));
    EXPECT_TRUE(ctx.flags[Flag::kGameInProgress]);
    EXPECT_TRUE(recorder.results.empty());

    ui.QueueAnswer(true);
    EXPECT_EQ(SelectPlayer(ctx, hooks, "Bob", "Ann"), PlayerSelection::kChanged);
    EXPECT_EQ(recorder.results, std::vector<std::string>{"0001 Ann lost 0"});
    EXPECT_EQ(ctx.state.Get(field::kPlayer), "Bob");
    EXPECT_EQ(ctx.state.Get(field::kRunWon), "0000");
    EXPECT_EQ(ctx.state.GetInt(field::kGameNumber), -1);

    SavePlayers(ctx, {"Bob", "Ann", "Cid"}, true, "Bob");
    EXPECT_EQ(ReadPlayers(ConfigFilePath(ctx.state)),
              (std::vector<std::string>{"Ann", "Bob", "Cid"}));
    EXPECT_EQ(Pref("UserDefault"), "Bob");
}

}  // namespace
}  // namespace vis
