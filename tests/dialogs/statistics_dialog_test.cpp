#include "dialogs/statistics_dialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <map>

#include "dialog_fixture.h"
#include "dialogs/game_tree_view.h"
#include "dialogs/game_won_dialog.h"
#include "dialogs/open_game_dialog.h"
#include "dialogs/statistics_charts.h"
#include "records/game_log.h"
#include "records/game_statistics.h"
#include "records/game_tree.h"

namespace vis {
namespace {

class StatisticsDialogTest : public test::DialogTest {
protected:
    void SetUp() override {
        DialogTest::SetUp();
        ctx.state.SetZeroPadded(field::kGameNumber, Number("Freecell"));
        ctx.state.Set(field::kGameName, "Freecell");
        ctx.state.Set(field::kRunWon, "0000");
        ctx.state.Set(field::kRunLost, "0000");
    }

    std::filesystem::path StatFile() const { return dir / "DATA" / "STAT.DAT"; }

    // A statistics file holding the given record lines, by game section.
    void WriteStatistics(const std::vector<std::pair<int, std::string>>& lines) {
        std::map<int, std::string> sections;
        for (const auto& [game, line] : lines) sections[game] += line + "\r\n";
        std::string text = "[Version]\r\nVersion=0300\r\n";
        for (const auto& [game, section] : sections)
            text += "[" + GameSectionName(game) + "]\r\n" + section;
        test::WriteFile(StatFile(), text);
    }

    static std::string Line(const std::string& player, const GameStatsRecord& r) {
        return player + "=" + FormatGameStatsRecord(r);
    }
};

TEST_F(StatisticsDialogTest, CountsPercentagesAndPieOfTheTotal) {
    struct Case {
        std::int64_t won, lost;
        const char* wonText;
        const char* lostText;
        const char* totalText;
        int pieLost;
    };
    const Case cases[] = {
        {2, 1, "2  (67%)", "1  (33%)", "3", 33},
        {1, 1, "1  (50%)", "1  (50%)", "2", 50},
        {0, 0, "0", "0", "0", -1},
        {0, 4, "0  (0%)", "4  (100%)", "4", 100},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.totalText);
        WriteStatistics({{Number("Freecell"), Line("Ann", {.won = c.won, .lost = c.lost})}});
        TfrmStatistics dialog(nullptr, app);
        const auto shown = dialog.Totals(false);
        EXPECT_EQ(shown.won->text(), c.wonText);
        EXPECT_EQ(shown.lost->text(), c.lostText);
        EXPECT_EQ(shown.total->text(), c.totalText);
        EXPECT_EQ(shown.pieLost, c.pieLost);
        EXPECT_TRUE(dialog.DamageNotice().isEmpty());
    }
}

TEST_F(StatisticsDialogTest, SelectionFollowsTheCombosAndSessionOnlyForTheCurrentPair) {
    test::WriteFile(dir / "VIS.INI", "[Users]\r\nUser001=Ann\r\nUser002=Bob\r\n");
    ctx.state.Set(field::kConfigPath, "VIS.INI");
    WriteStatistics({{Number("Freecell"), Line("Ann", {.won = 3, .lost = 1})},
                     {Number("Freecell"), Line("Bob", {.won = 0, .lost = 2})},
                     {Number("Klondike"), Line("Ann", {.won = 5, .lost = 0})}});
    ctx.state.Set(field::kRunWon, "0002");
    ctx.state.Set(field::kRunLost, "0001");

    TfrmStatistics dialog(nullptr, app);
    EXPECT_EQ(dialog.GameCombo()->currentText(), "Freecell");
    EXPECT_EQ(dialog.PlayerCombo()->currentText(), "Ann");
    EXPECT_EQ(dialog.Totals(false).total->text(), "4");
    EXPECT_EQ(dialog.Totals(true).won->text(), "2  (67%)");
    EXPECT_EQ(dialog.Totals(true).pieLost, 33);

    dialog.PlayerCombo()->setCurrentText("Bob");
    EXPECT_EQ(dialog.Totals(false).lost->text(), "2  (100%)");
    EXPECT_EQ(dialog.Totals(true).total->text(), "0");
    EXPECT_EQ(dialog.Totals(true).pieLost, -1);

    dialog.PlayerCombo()->setCurrentText("Ann");
    dialog.GameCombo()->setCurrentText("Klondike");
    EXPECT_EQ(dialog.Totals(false).won->text(), "5  (100%)");
    EXPECT_EQ(dialog.Totals(true).total->text(), "0");

    // Opened for another game and player, as the game selection does.
    TfrmStatistics chosen(nullptr, app, {.game = Number("Freecell"), .player = "Bob"});
    EXPECT_EQ(chosen.PlayerCombo()->currentText(), "Bob");
    EXPECT_EQ(chosen.Totals(false).lost->text(), "2  (100%)");
}

TEST_F(StatisticsDialogTest, StreakTextsAndBars) {
    struct Case {
        GameStatsRecord record;
        const char* current;
    };
    const Case cases[] = {
        {{.won = 1, .longestWinningStreak = 1, .currentWinningStreak = 1}, "Current: 1 won"},
        {{.won = 5,
          .lost = 2,
          .longestWinningStreak = 4,
          .longestLosingStreak = 2,
          .currentWinningStreak = 3},
         "Current: 3 won"},
        {{.won = 2,
          .lost = 1,
          .longestWinningStreak = 2,
          .longestLosingStreak = 1,
          .currentLosingStreak = 1},
         "Current: 1 lost"},
        {{.lost = 6, .longestLosingStreak = 6, .currentLosingStreak = 6}, "Current: 6 lost"},
        {{}, "Current:"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.current);
        WriteStatistics({{Number("Freecell"), Line("Ann", c.record)}});
        TfrmStatistics dialog(nullptr, app);
        EXPECT_EQ(dialog.CurrentStreakLabel()->text(), c.current);
        EXPECT_EQ(dialog.Streaks().Won(), c.record.longestWinningStreak);
        EXPECT_EQ(dialog.Streaks().Lost(), c.record.longestLosingStreak);
    }
}

TEST_F(StatisticsDialogTest, DamagedOrMissingRecordsAreShownAsFarAsReadableAndLeftAlone) {
    // The lost count is damaged: the won count still shows, the rest is 0.
    const std::string damaged = "[Version]\r\nVersion=0300\r\n[" +
                                GameSectionName(Number("Freecell")) +
                                "]\r\nAnn=000002 00x001 000002 000000 000001 000000 "
                                "000000000000 000000000000\r\n";
    test::WriteFile(StatFile(), damaged);
    {
        TfrmStatistics dialog(nullptr, app);
        EXPECT_EQ(dialog.Totals(false).won->text(), "2  (100%)");
        EXPECT_EQ(dialog.Totals(false).lost->text(), "0  (0%)");
        EXPECT_EQ(dialog.CurrentStreakLabel()->text(), "Current:");
        EXPECT_FALSE(dialog.DamageNotice().isEmpty());
    }
    EXPECT_EQ(test::ReadFile(StatFile()), damaged);

    // No file at all: zeros, no notice, and no file is made by looking.
    std::filesystem::remove(StatFile());
    TfrmStatistics dialog(nullptr, app);
    EXPECT_EQ(dialog.Totals(false).total->text(), "0");
    EXPECT_TRUE(dialog.DamageNotice().isEmpty());
    EXPECT_FALSE(std::filesystem::exists(StatFile()));
}

TEST_F(StatisticsDialogTest, WinRateChartHoldsTheLoggedGamesOfTheSelection) {
    // 23 games of Ann in Freecell, every third one lost, and others around.
    for (int i = 0; i < 23; ++i) AppendGameLog(ctx, i % 3 != 2, 60, "12:00:00", "20260101");
    ctx.state.Set(field::kPlayer, "Bob");
    AppendGameLog(ctx, true, 60, "12:00:00", "20260101");
    ctx.state.Set(field::kPlayer, "Ann");
    ctx.state.SetZeroPadded(field::kGameNumber, Number("Klondike"));
    AppendGameLog(ctx, true, 60, "12:00:00", "20260101");
    ctx.state.SetZeroPadded(field::kGameNumber, Number("Freecell"));

    TfrmStatistics dialog(nullptr, app);
    const std::vector<WinRateBlock> expected = {{20, 14}, {3, 2}};
    EXPECT_EQ(dialog.WinRate().Blocks(), expected);
    dialog.GameCombo()->setCurrentText("Klondike");
    EXPECT_EQ(dialog.WinRate().Blocks(), (std::vector<WinRateBlock>{{1, 1}}));
}

TEST_F(StatisticsDialogTest, GameWonStatisticsButtonShowsTheDialogAndRefreshesTheTotals) {
    WriteStatistics({{Number("Freecell"), Line("Ann", {.won = 1})}});
    TfrmGameWon won(nullptr, app);
    ASSERT_TRUE(won.StatisticsButton()->isEnabled());
    bool shown = false;
    WhenShown<TfrmStatistics>([&](TfrmStatistics& statistics) {
        shown = statistics.GameCombo()->currentText() == "Freecell";
        // A game recorded meanwhile shows when the dialog comes back.
        RecordGameStatistics(ctx, true);
        statistics.accept();
    });
    won.StatisticsButton()->click();
    EXPECT_TRUE(shown);
    EXPECT_EQ(won.WonLabel()->text(), "2  (100%)");
}

TEST_F(StatisticsDialogTest, GameSelectionOpensItForTheSelectedGameAndPlayer) {
    WriteStatistics({{Number("Klondike"), Line("Ann", {.won = 1, .lost = 3})}});
    TfrmOpenGame selection(nullptr, app);
    auto* button = selection.findChild<QPushButton*>("btnStatistics");
    ASSERT_NE(button, nullptr);
    GameTreeView& tree = *selection.Tree();
    tree.setCurrentItem(tree.OpenFolder(tree_code::kAllGames));
    EXPECT_FALSE(button->isEnabled());  // a folder has no statistics
    tree.SelectGameIn(tree.OpenFolder(tree_code::kAllGames), Number("Klondike"));
    ASSERT_TRUE(button->isEnabled());
    QString game;
    QString lost;
    WhenShown<TfrmStatistics>([&](TfrmStatistics& statistics) {
        game = statistics.GameCombo()->currentText();
        lost = statistics.Totals(false).lost->text();
        statistics.accept();
    });
    button->click();
    EXPECT_EQ(game, "Klondike");
    EXPECT_EQ(lost, "3  (75%)");
}

}  // namespace
}  // namespace vis
