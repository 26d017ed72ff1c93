#include "records/custom_games.h"

#include <gtest/gtest.h>

#include "records/custom_games_fixture.h"
#include "records/favourite_games.h"
#include "records/game_statistics.h"
#include "records/hi_scores.h"
#include "records/saved_game_file.h"

namespace vis {
namespace {

TEST_F(CustomGamesTest, NumbersAreTakenFromEightThousandUpTheFirstFreeFirst) {
    EXPECT_EQ(NextCustomGameNumber(ctx.state), 8000) << "no file yet";
    WriteCustomGames({{8000, "A", 1, "001-011"}, {8002, "B", 1, "001-011"}});
    EXPECT_EQ(NextCustomGameNumber(ctx.state), 8001);

    std::vector<test::CustomGameEntry> all;
    for (int n = kFirstCustomGame; n <= kLastCustomGame; ++n) all.push_back({n, "G", 1, "0010010"});
    WriteCustomGames(all);
    EXPECT_EQ(NextCustomGameNumber(ctx.state), std::nullopt);
    const std::string before = CustomFile();
    PlayGame(1);
    EXPECT_EQ(CreateCustomGame(ctx, "One Too Many", {}), std::nullopt);
    EXPECT_EQ(ui.Messages(), std::vector<std::string>{std::string(kAllCustomNumbersUsed)});
    EXPECT_EQ(CustomFile(), before);
}

TEST_F(CustomGamesTest, ANewGameGetsABlockOfThirtyLinesNamingItsStandardBaseGame) {
    PlayGame(2);
    ASSERT_EQ(CreateCustomGame(ctx, "Twos Three", {3, -1, '1'}), 8000);
    std::vector<std::string> lines = CustomLines();
    ASSERT_EQ(lines.size(), 31u);
    EXPECT_EQ(lines[0], "[R-0301]");
    EXPECT_EQ(lines[1], "8000" + PadOrCut("Twos Three", 50) + "0002");
    EXPECT_EQ(lines[2], "003-011");
    EXPECT_EQ(GameName(ctx, 8000), "Twos Three");

    // Made from the customized game in play: the base stays the standard game.
    PlayGame(8000);
    ASSERT_EQ(CreateCustomGame(ctx, "Twos Again", {1, 0, '3'}), 8001);
    lines = CustomLines();
    ASSERT_EQ(lines.size(), 61u);
    EXPECT_EQ(lines[31], "8001" + PadOrCut("Twos Again", 50) + "0002");
    EXPECT_EQ(lines[32], "0010003");
}

TEST_F(CustomGamesTest, ABlockCutShortIsCompletedBeforeTheNextOne) {
    test::WriteFile(dir / "DATA" / "GAM_CUST.DAT",
                    "[R-0301]\r\n8000" + PadOrCut("Short", 50) + "0001\r\n0010010\r\n");
    PlayGame(1);
    ASSERT_EQ(CreateCustomGame(ctx, "After Short", {}), 8001);
    const auto games = ReadCustomGames(ctx.state);
    ASSERT_EQ(games.size(), 2u);
    EXPECT_EQ(games[0].name, "Short");
    EXPECT_EQ(games[1].number, 8001);
    EXPECT_EQ(games[1].overrideText, "0010010");
}

}  // namespace
}  // namespace vis
