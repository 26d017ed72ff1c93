#include "game/custom_game_commands.h"

#include <gtest/gtest.h>

#include "records/custom_games.h"
#include "records/custom_games_fixture.h"
#include "records/favourite_games.h"
#include "records/game_statistics.h"
#include "records/hi_scores.h"

namespace vis {
namespace {

TEST_F(CustomGamesTest, AskedBeforeTheNewGameReplacesAnUnfinishedOne) {
    ASSERT_TRUE(Start(1));
    PlayGame(1);
    ASSERT_EQ(CreateCustomGame(ctx, "Klondike Three", {3, -1, '2'}), 8000);
    ctx.state.Set(field::kRunWon, "0004");
    EXPECT_FALSE(StartCustomGame(ctx, hooks, 8000, "Klondike Three"));
    EXPECT_TRUE(
        Logged("yes/no: Do you want to start the new game\rKlondike Three\r"
               "now and quit the current game?"));
    EXPECT_EQ(ctx.state.Get(field::kGameNumber), "0001");

    ui.QueueAnswer(true);
    ASSERT_TRUE(StartCustomGame(ctx, hooks, 8000, "Klondike Three"));
    EXPECT_EQ(ctx.state.Get(field::kGameNumber), "8000");
    EXPECT_EQ(ctx.rules[rule::kCardsPerPress], 3);
    EXPECT_EQ(ctx.state.Get(field::kRunWon), "0000");
    EXPECT_EQ(recorder.results, std::vector<std::string>{"0001 Ann lost 0"});
}

TEST_F(CustomGamesTest, DeletingAGameTakesItsBlockFavouriteStatisticsAndHiScores) {
    WriteCustomGames({{8000, "Keep Me", 1, "0010010"}, {8001, "Mine", 1, "003-011"}});
    test::WriteFile(dir / "DATA" / "CFG.DAT",
                    "[Preference]\r\nUser=x\r\n[Favourite Games]\r\nGame000=Klondike\r\n"
                    "Game001=Mine\r\nGame002=Keep Me\r\nGame003=Twos First\r\n[Users]\r\n"
                    "User001=Ann\r\n");
    GameStatsRecord record;
    record.won = 4;
    WriteStatistics({{8001, "Ann"}, {8001, "Bob"}, {8000, "Ann"}}, record);
    PlayGame(1);
    ctx.state.Set(field::kRunWon, "0002");

    EXPECT_FALSE(DeleteCustomGame(ctx, hooks, 8001, true, "Mine"));
    EXPECT_TRUE(
        Logged("yes/no: Are you sure you want to delete this customized game\rMine?\r"
               "Note: the statistics for this game will also be deleted."));
    EXPECT_EQ(ReadCustomGames(ctx.state).size(), 2u);

    ui.QueueAnswer(true);
    ASSERT_TRUE(DeleteCustomGame(ctx, hooks, 8001, true, "Mine"));
    const auto games = ReadCustomGames(ctx.state);
    ASSERT_EQ(games.size(), 1u);
    EXPECT_EQ(games[0].name, "Keep Me");
    EXPECT_EQ(ReadFavouriteGames(ConfigFilePath(ctx.state)),
              (std::vector<std::string>{"Klondike", "Keep Me", "Twos First"}));
    EXPECT_EQ(ReadPref(ConfigFilePath(ctx.state), "Users", "User001", "-"), "Ann");
    EXPECT_EQ(ReadGameStatistics(ctx, nullptr, 8001, "Ann").record, GameStatsRecord{});
    EXPECT_EQ(ReadGameStatistics(ctx, nullptr, 8001, "Bob").record, GameStatsRecord{});
    EXPECT_EQ(ReadGameStatistics(ctx, nullptr, 8000, "Ann").record, record);
    for (const std::string& entry : ReadStoredHiScores(ctx, 8001, "01"))
        EXPECT_TRUE(IsEmptyHiScoreEntry(entry));
    EXPECT_EQ(ctx.state.Get(field::kRunWon), "0000");
    EXPECT_EQ(ctx.state.Get(field::kGameNumber), "0001") << "another game in play stays";
}

TEST_F(CustomGamesTest, DeletingTheGameInPlayEndsItAndLeavesTheTableEmpty) {
    WriteCustomGames({{8000, "Mine", 1, "003-011"}});
    ASSERT_TRUE(Start(8000));
    ui.QueueAnswer(true);
    ASSERT_TRUE(DeleteCustomGame(ctx, hooks, 8000, true, "Mine"));
    EXPECT_TRUE(
        Logged("yes/no: You are now playing Mine.\rAre you sure you want to delete this "
               "game?\rNote: the statistics for this game will also be deleted."));
    EXPECT_EQ(ctx.state.GetInt(field::kGameNumber), -1);
    EXPECT_TRUE(Logged("paint empty table"));
    EXPECT_TRUE(ReadCustomGames(ctx.state).empty());
    EXPECT_EQ(recorder.results, std::vector<std::string>{"8000 Ann lost 0"});
}

TEST_F(CustomGamesTest, FromTheRulesDialogTheGameInPlayGetsTheOrdinaryQuestion) {
    WriteCustomGames({{8000, "Mine", 1, "003-011"}});
    ASSERT_TRUE(Start(8000));
    EXPECT_FALSE(DeleteCustomGame(ctx, hooks, 8000, false, "Mine"));
    EXPECT_TRUE(
        Logged("yes/no: Are you sure you want to delete this customized game\rMine?\r"
               "Note: the statistics for this game will also be deleted."));
    EXPECT_TRUE(ctx.flags[Flag::kGameInProgress]);
}

}  // namespace
}  // namespace vis
