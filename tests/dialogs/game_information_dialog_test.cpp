#include "dialogs/game_information_dialog.h"

#include <gtest/gtest.h>

#include "dialog_fixture.h"
#include "model/games_file.h"
#include "model/rule_index.h"
#include "records/game_statistics.h"
#include "records/hi_scores.h"

namespace vis {
namespace {

class GameInformationDialogTest : public test::DialogTest {
protected:
    void Play(const char* name) {
        ctx.state.SetZeroPadded(field::kGameNumber, Number(name));
        ctx.state.Set(field::kGameName, name);
        ASSERT_TRUE(LoadGameRules(ctx));
    }
};

TEST_F(GameInformationDialogTest, ShowsTheGameInPlayForTheCurrentPlayer) {
    Play("Freecell");
    const int game = Number("Freecell");
    test::WriteFile(dir / "DATA" / "STAT.DAT",
                    "[Version]\r\nVersion=0300\r\n\r\n[" + GameSectionName(game) +
                        "]\r\nBob=" + FormatGameStatsRecord({.won = 9}) +
                        "\r\nAnn=" + FormatGameStatsRecord({.won = 2, .lost = 5}) + "\r\n");
    HiScoreTable table;
    for (auto& entry : table) entry = EmptyHiScoreEntry();
    table[0] = HiScoreEntryText({.game = game,
                                 .player = "Bob",
                                 .endTime = "10:00:00",
                                 .endDate = "20240305",
                                 .seconds = 125,
                                 .score = 640,
                                 .won = true,
                                 .dealNumber = "0000000000001"});
    WriteHiScoreTable(ctx, game, ctx.state.Get(field::kScoringScheme), table);

    TfrmAboutGame dialog(nullptr, app);
    EXPECT_EQ(dialog.windowTitle(), "Freecell");
    const int wins = ctx.rules[rule::kOddsWins];
    const int games = ctx.rules[rule::kOddsGames];
    ASSERT_NE(wins * games, 0);
    EXPECT_EQ(dialog.Value("Chance of winning:"), QString("about %1 in %2").arg(wins).arg(games));
    EXPECT_EQ(dialog.Value("Total played:"), "7");
    EXPECT_EQ(dialog.Value("Games won:"), "2");
    EXPECT_EQ(dialog.Value("Game losses:"), "5");
    EXPECT_EQ(dialog.Value("Points:"), "640");
    EXPECT_EQ(dialog.Value("Time:"),
              QString::fromStdString("0" + ui.TimeSeparator() + "02" + ui.TimeSeparator() + "05"));
    EXPECT_FALSE(dialog.Value("Date:").isEmpty());
    EXPECT_EQ(dialog.Value("Player:"), "Bob");
}

TEST_F(GameInformationDialogTest, WithoutAGameShowsZerosAndLeavesTheFilesAlone) {
    TfrmAboutGame dialog(nullptr, app);
    EXPECT_EQ(dialog.windowTitle(), "Game information");
    for (const char* label : {"Total played:", "Games won:", "Game losses:", "Points:"})
        EXPECT_EQ(dialog.Value(label), "0") << label;
    for (const char* label : {"Chance of winning:", "Time:", "Date:", "Player:"})
        EXPECT_EQ(dialog.Value(label), "") << label;
    EXPECT_FALSE(std::filesystem::exists(dir / "DATA" / "STAT_SCR.DAT"));
}

}  // namespace
}  // namespace vis
