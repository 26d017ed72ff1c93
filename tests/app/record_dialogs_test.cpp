// The record dialogs reached from the main window: the Hi-Scores on its
// menu command (F9, whose shortcut the menu test checks) and the Game won dialog after a win.
#include <QApplication>
#include <QPushButton>

#include "app/main_window_fixture.h"
#include "dialogs/game_won_dialog.h"
#include "dialogs/hi_score_dialog.h"
#include "dialogs/sort_grid.h"

namespace vis {
namespace {

class RecordDialogsTest : public MainWindowTest {
protected:
    void SetUp() override {
        Choose(QStringLiteral("Klondike"));
        Start();
        ASSERT_TRUE(Ctx().flags[Flag::kGameInProgress]);
        // Later game selections are cancelled.
        chooseGame = nullptr;
    }
};

TEST_F(RecordDialogsTest, TheHiScoresCommandShowsTheTableOfTheGameInPlay) {
    QString caption;
    int rows = 0;
    QString firstPlayer;
    AnswerEach<TfrmHiScore>([&](TfrmHiScore& dialog) {
        caption = dialog.windowTitle();
        rows = dialog.Grid()->rowCount();
        firstPlayer = dialog.Grid()->Cell(0, 1);
        dialog.accept();
    });
    Window().Action(Command::kHiScores)->trigger();
    QTRY_VERIFY(!caption.isEmpty());
    EXPECT_EQ(caption, "Hi-Scores [Klondike]");
    EXPECT_EQ(rows, kHiScoreRanks);
    EXPECT_TRUE(firstPlayer.startsWith("* "));  // a new table's invented entries
}

TEST_F(RecordDialogsTest, GameWonComesAfterTheWinAndAnOpenThatStartsNothingBringsItBack) {
    const QString oldDeal = DealInCaption();
    // As after a win: the game is over when the dialog is asked for.
    Ctx().flags[Flag::kGameInProgress] = false;
    int shown = 0;
    QString groupTitle;
    AnswerEach<TfrmGameWon>([&](TfrmGameWon& dialog) {
        groupTitle = dialog.GroupTitle();
        ++shown;
        // First "Open a game..." (cancelled), then "New game...".
        dialog.Button(shown == 1 ? GameWonChoice::kOpenGame : GameWonChoice::kNewGame)->click();
    });
    Ctx().ui.ShowGameWonDialog();
    // Not inside the move that won: the dialog waits for it to finish.
    EXPECT_EQ(shown, 0);
    QTRY_COMPARE(shown, 2);
    EXPECT_EQ(groupTitle, "Total [Klondike]");
    QTRY_VERIFY(Ctx().flags[Flag::kGameInProgress]);
    EXPECT_NE(DealInCaption(), oldDeal);
    EXPECT_EQ(gameSelections, 2);  // the first start's and the cancelled one
}

}  // namespace
}  // namespace vis
