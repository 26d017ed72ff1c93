#include "dialogs/game_won_dialog.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>

#include "dialog_fixture.h"
#include "dialogs/record_texts.h"
#include "records/game_statistics.h"

namespace vis {
namespace {

class GameWonDialogTest : public test::DialogTest {
protected:
    void SetUp() override {
        DialogTest::SetUp();
        ctx.state.SetZeroPadded(field::kGameNumber, Number("Freecell"));
        ctx.state.Set(field::kGameName, "Freecell");
    }

    void Record(int won, int lost) {
        for (int i = 0; i < won; ++i) RecordGameStatistics(ctx, true);
        for (int i = 0; i < lost; ++i) RecordGameStatistics(ctx, false);
    }
};

TEST(PercentWonTest, RoundsHalfUpAndHasNoneWithoutGames) {
    struct Case {
        int won, lost, percent;
    };
    for (const Case& c : {Case{0, 0, -1}, Case{1, 0, 100}, Case{0, 3, 0}, Case{2, 1, 67},
                          Case{1, 2, 33}, Case{1, 7, 13}, Case{1, 199, 1}}) {
        SCOPED_TRACE(std::to_string(c.won) + "/" + std::to_string(c.lost));
        EXPECT_EQ(PercentWon(c.won, c.lost), c.percent);
    }
}

TEST_F(GameWonDialogTest, TotalsAreThoseOfThePlayerInTheGame) {
    Record(2, 1);
    // Another player's games are not counted.
    ctx.state.Set(field::kPlayer, "Bob");
    Record(0, 5);
    ctx.state.Set(field::kPlayer, "Ann");

    TfrmGameWon dialog(nullptr, app);
    EXPECT_EQ(dialog.windowTitle(), "Game won");
    EXPECT_EQ(dialog.GroupTitle(), "Total [Freecell]");
    EXPECT_EQ(dialog.WonLabel()->text(), "2  (67%)");
    EXPECT_EQ(dialog.LostLabel()->text(), "1  (33%)");
    EXPECT_EQ(dialog.TotalLabel()->text(), "3");
    EXPECT_EQ(dialog.PieLostPercent(), 33);
}

TEST_F(GameWonDialogTest, EachChoiceClosesTheDialogWithIt) {
    for (const GameWonChoice choice : {GameWonChoice::kNewGame, GameWonChoice::kRestart,
                                       GameWonChoice::kOpenGame, GameWonChoice::kSelectNumber}) {
        TfrmGameWon dialog(nullptr, app);
        dialog.show();
        ASSERT_TRUE(dialog.Button(choice)->isEnabled());
        dialog.Button(choice)->click();
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        EXPECT_EQ(dialog.Choice(), choice);
    }
}

}  // namespace
}  // namespace vis
