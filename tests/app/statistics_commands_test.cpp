// The statistics dialogs reached from the main window: F4 and the log
// command, and a deal replayed from the log after Game won, through the
// Statistics dialog, as a player would go.
#include <QApplication>
#include <QComboBox>
#include <QPushButton>

#include "app/main_window_fixture.h"
#include "dialogs/game_won_dialog.h"
#include "dialogs/log_statistics_dialog.h"
#include "dialogs/sort_grid.h"
#include "dialogs/statistics_dialog.h"
#include "engine/end_of_game.h"
#include "records/game_log.h"

namespace vis {
namespace {

class StatisticsCommandsTest : public MainWindowTest {
protected:
    void SetUp() override {
        Choose(QStringLiteral("Klondike"));
        Start();
        ASSERT_TRUE(Ctx().flags[Flag::kGameInProgress]);
        chooseGame = nullptr;
    }
};

TEST_F(StatisticsCommandsTest, TheMenuCommandsOpenTheirDialogsOnTheGameInPlay) {
    struct Case {
        Command command;
        const char* caption;
        const char* game;  // in the game choice; empty for a dialog without one
    };
    for (const Case c : {Case{Command::kGameStatistics, "Statistics", "Klondike"},
                         Case{Command::kLogStatistics, "Log statistics", "Klondike"},
                         Case{Command::kOverallScore, "Overall score", ""}}) {
        SCOPED_TRACE(c.caption);
        QAction* action = Window().Action(c.command);
        ASSERT_TRUE(action->isEnabled());
        QString caption;
        QString game;
        AnswerEach<QDialog>([&](QDialog& dialog) {
            caption = dialog.windowTitle();
            if (auto* combo = dialog.findChildren<QComboBox*>().value(1))
                game = combo->currentText();
            dialog.reject();
        });
        action->trigger();
        QTRY_VERIFY(!caption.isEmpty());
        EXPECT_EQ(caption, c.caption);
        EXPECT_EQ(game, c.game);
        qDeleteAll(Window().findChildren<QTimer*>());
    }
    EXPECT_EQ(Window().Action(Command::kGameStatistics)->shortcut(), QKeySequence("F4"));
}

TEST_F(StatisticsCommandsTest, GameWonStatisticsLogReplaysTheLoggedDeal) {
    const QString deal = DealInCaption();
    ASSERT_FALSE(deal.isEmpty());
    // The deal ends and is logged, then another one is dealt.
    ASSERT_FALSE(EndGame(Ctx()));
    ASSERT_EQ(ReadGameLog(Ctx()).size(), 1u);
    Window().RunCommand(Command::kNew);
    QTRY_VERIFY(DealInCaption() != deal);
    // As after a win: the game is over when Game won is asked for.
    ASSERT_FALSE(EndGame(Ctx()));
    Ctx().flags[Flag::kGameInProgress] = false;

    bool gameWonShown = false;
    bool statisticsShown = false;
    int logRows = 0;
    AnswerEach<TfrmGameWon>([&](TfrmGameWon& dialog) {
        if (gameWonShown) return;
        gameWonShown = true;
        dialog.StatisticsButton()->click();
    });
    AnswerEach<TfrmStatistics>([&](TfrmStatistics& dialog) {
        if (statisticsShown) return;
        statisticsShown = true;
        dialog.btnLogClick();
    });
    AnswerEach<TfrmStatisLog>([&](TfrmStatisLog& dialog) {
        logRows = dialog.Grid()->rowCount();
        // The oldest line: the first deal.
        dialog.Grid()->setCurrentCell(logRows - 1, 0);
        dialog.btnPlayClick();
    });
    Ctx().ui.ShowGameWonDialog();
    QTRY_VERIFY(Ctx().flags[Flag::kGameInProgress]);
    EXPECT_TRUE(gameWonShown);
    EXPECT_TRUE(statisticsShown);
    EXPECT_EQ(logRows, 2);
    QTRY_COMPARE(DealInCaption(), deal);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

}  // namespace
}  // namespace vis
