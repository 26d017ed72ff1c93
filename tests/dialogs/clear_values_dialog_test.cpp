#include "dialogs/clear_values_dialog.h"

#include <gtest/gtest.h>

#include <QComboBox>

#include "dialog_fixture.h"
#include "records/game_statistics.h"

namespace vis {
namespace {

class ClearValuesDialogTest : public test::DialogTest {
protected:
    void SetUp() override {
        DialogTest::SetUp();
        test::WriteFile(dir / "VIS.INI", "[Users]\r\nUser001=Ann\r\nUser002=Bob\r\n");
        ctx.state.Set(field::kConfigPath, "VIS.INI");
        ctx.state.Set(field::kScoringScheme, "01");
        ctx.state.Set(field::kGameName, "Freecell");
        WriteRecords();
    }

    // One won game for Ann and Bob in Freecell and Klondike; Freecell and
    // Ann current, with run counters.
    void WriteRecords() {
        std::filesystem::remove(dir / "DATA" / "STAT.DAT");
        for (const char* game : {"Freecell", "Klondike"}) {
            ctx.state.SetZeroPadded(field::kGameNumber, Number(game));
            for (const char* player : {"Ann", "Bob"}) {
                ctx.state.Set(field::kPlayer, player);
                RecordGameStatistics(ctx, true);
            }
        }
        ctx.state.SetZeroPadded(field::kGameNumber, Number("Freecell"));
        ctx.state.Set(field::kPlayer, "Ann");
        ctx.state.Set(field::kRunWon, "0003");
        ctx.state.Set(field::kRunLost, "0001");
    }

    std::int64_t Won(const char* game, const char* player) {
        const StatisticsFile file(dir / "DATA" / "STAT.DAT");
        return file.Record(Number(game), player).won;
    }
    bool RunCountersReset() const {
        return ctx.state.Get(field::kRunWon) == "0000" && ctx.state.Get(field::kRunLost) == "0000";
    }
};

TEST_F(ClearValuesDialogTest, StatisticsAreClearedInTheChosenScope) {
    struct Case {
        const char* player;  // "" for all
        const char* game;    // "" for all
        bool yes;
        int annFreecell, bobFreecell, annKlondike, bobKlondike;
        bool runReset;
    };
    const Case cases[] = {
        {"Ann", "Freecell", true, 0, 1, 1, 1, true},
        {"Ann", "Klondike", true, 1, 1, 0, 1, false},
        {"", "Klondike", true, 1, 1, 0, 0, true},
        {"Bob", "", true, 1, 0, 1, 0, true},
        {"", "", true, 0, 0, 0, 0, true},
        {"", "", false, 1, 1, 1, 1, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.player) + "/" + c.game);
        WriteRecords();
        ui.ClearLog();
        TfrmStatisCanc dialog(nullptr, app, ClearKind::kStatistics);
        EXPECT_EQ(dialog.windowTitle(), "Clear statistics");
        EXPECT_EQ(dialog.PlayerCombo()->currentIndex(), 0);
        if (*c.player) dialog.PlayerCombo()->setCurrentText(c.player);
        if (*c.game) dialog.GameCombo()->setCurrentText(c.game);
        ui.QueueAnswer(c.yes);
        dialog.btnOKClick();
        EXPECT_EQ(Won("Freecell", "Ann"), c.annFreecell);
        EXPECT_EQ(Won("Freecell", "Bob"), c.bobFreecell);
        EXPECT_EQ(Won("Klondike", "Ann"), c.annKlondike);
        EXPECT_EQ(Won("Klondike", "Bob"), c.bobKlondike);
        EXPECT_EQ(RunCountersReset(), c.runReset);
        EXPECT_EQ(dialog.result(), c.yes ? QDialog::Accepted : QDialog::Rejected);
        EXPECT_EQ(Logged("Statistics have been cleared."), c.yes);
    }
}

TEST_F(ClearValuesDialogTest, TheQuestionNamesThePlayerAndTheGame) {
    TfrmStatisCanc dialog(nullptr, app, ClearKind::kHiScores);
    EXPECT_EQ(dialog.windowTitle(), "Clear Hi-Scores");
    dialog.GameCombo()->setCurrentText("Klondike");
    dialog.btnOKClick();  // declined
    EXPECT_TRUE(
        Logged("Are you sure you want to clear the Hi-Scores for player: [All players]\r"
               "for game: Klondike?"));
    ui.QueueAnswer(true);
    dialog.btnOKClick();
    EXPECT_TRUE(Logged("Hi-Scores have been cleared."));
    // Statistics stay.
    EXPECT_EQ(Won("Klondike", "Bob"), 1);
}

TEST_F(ClearValuesDialogTest, AllValuesNeedTwoYes) {
    for (const bool second : {false, true}) {
        SCOPED_TRACE(second);
        TfrmClearValues dialog(nullptr, app);
        dialog.SetScope(ClearScope::kAll);
        ui.QueueAnswer(true);
        ui.QueueAnswer(second);
        dialog.btnOKClick();
        EXPECT_EQ(Won("Freecell", "Ann"), second ? 0 : 1);
        EXPECT_EQ(Won("Klondike", "Bob"), second ? 0 : 1);
        EXPECT_EQ(RunCountersReset(), second);
        EXPECT_EQ(Logged("Statistics, Hi-Scores and Overall Score have been cleared."), second);
    }
}

}  // namespace
}  // namespace vis
