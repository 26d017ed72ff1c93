#include "game/player_change.h"

#include <gtest/gtest.h>

#include "game/saved_games_fixture.h"
#include "records/player_choice.h"
#include "records/players.h"

namespace vis {
namespace {

class PlayerChangeTest : public test::SavedGamesFixture {};

TEST_F(PlayerChangeTest, SelectingAnotherPlayerEndsTheGameUnderTheFirst) {
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
