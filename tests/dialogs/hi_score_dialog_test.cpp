#include "dialogs/hi_score_dialog.h"

#include <gtest/gtest.h>

#include <QDate>
#include <QListWidget>
#include <QLocale>

#include "dialog_fixture.h"
#include "dialogs/sort_grid.h"
#include "model/text.h"
#include "records/game_statistics.h"
#include "records/hi_scores.h"

namespace vis {
namespace {

class HiScoreDialogTest : public test::DialogTest {
protected:
    void SetUp() override {
        DialogTest::SetUp();
        ctx.state.Set(field::kScoringScheme, "01");
        ui.SetTimeSeparator(":");
    }

    std::filesystem::path ScoreFile() const { return dir / "DATA" / "STAT_SCR.DAT"; }

    static std::string Entry(int score, int seconds, const std::string& date,
                             const std::string& player, bool won = true) {
        HiScoreResult result;
        result.score = score;
        result.seconds = seconds;
        result.endDate = date;
        result.endTime = "10:11:12";
        result.player = player;
        result.dealNumber = "0000000000042";
        result.won = won;
        return HiScoreEntryText(result) + " x";
    }

    void SelectGame(TfrmHiScore& dialog, const QString& name) {
        const auto found = dialog.GameList()->findItems(name, Qt::MatchExactly);
        ASSERT_FALSE(found.isEmpty());
        dialog.GameList()->setCurrentItem(found.front());
    }

    static QStringList Row(const TfrmHiScore& dialog, int row) {
        QStringList cells;
        for (int c = 0; c < dialog.Grid()->columnCount(); ++c) cells << dialog.Grid()->Cell(row, c);
        return cells;
    }
};

TEST_F(HiScoreDialogTest, RowsShowTheStoredTableOfTheChosenGame) {
    const int freecell = Number("Freecell");
    test::WriteFile(ScoreFile(), "[Version]\r\nVersion=0300\r\n\r\n[" + GameSectionName(freecell) +
                                     "]\r\n01-01=" + Entry(120, 3725, "20240315", "Ann") +
                                     "\r\n01-02=" + Entry(80, 59, "20240316", "Bob", false) +
                                     "\r\n");
    TfrmHiScore dialog(nullptr, app, {true, 0, "", freecell});
    EXPECT_EQ(dialog.windowTitle(), "Hi-Scores [Freecell]");
    EXPECT_EQ(dialog.GameList()->currentItem()->text(), "Freecell");
    ASSERT_EQ(dialog.Grid()->rowCount(), kHiScoreRanks);
    EXPECT_EQ(dialog.Grid()->columnCount(), 7);
    const QString date = QLocale().toString(QDate(2024, 3, 15), QLocale::ShortFormat);
    EXPECT_EQ(Row(dialog, 0),
              QStringList({"01", "Ann", "120", "1:02:05", "Won", date, "0000000000042"}));
    EXPECT_EQ(Row(dialog, 1)[4], "Lost");
    EXPECT_EQ(Row(dialog, 1)[3], "0:00:59");
    // Empty ranks keep their number and nothing else; no entries are
    // invented into a table that has real ones.
    EXPECT_EQ(Row(dialog, 2), QStringList({"03", "", "", "", "", "", ""}));
    EXPECT_EQ(dialog.Grid()->currentRow(), 0);
    EXPECT_TRUE(dialog.DamageNotice().isEmpty());
}

TEST_F(HiScoreDialogTest, AnEmptyTableGetsInventedEntriesAndTheCaptionFollowsTheList) {
    TfrmHiScore dialog(nullptr, app, {true, 0, "", Number("Klondike")});
    EXPECT_EQ(dialog.windowTitle(), "Hi-Scores [Klondike]");
    SelectGame(dialog, "Freecell");
    EXPECT_EQ(dialog.windowTitle(), "Hi-Scores [Freecell]");
    for (int r = 0; r < kHiScoreRanks; ++r) {
        SCOPED_TRACE(r);
        EXPECT_TRUE(dialog.Grid()->Cell(r, 1).startsWith("* "));
        EXPECT_FALSE(dialog.Grid()->Cell(r, 2).isEmpty());
    }
    // Written, so the next result competes with them.
    EXPECT_FALSE(IsEmptyHiScoreEntry(ReadStoredHiScores(ctx, Number("Freecell"), "01")[0]));
}

TEST_F(HiScoreDialogTest, ANewEntryShowsTheCongratulationAndItsRow) {
    const int freecell = Number("Freecell");
    ctx.state.SetZeroPadded(field::kGameNumber, freecell);
    ctx.state.Set(field::kGameName, "Freecell");
    HiScoreResult result{.game = freecell,
                         .player = "Ann",
                         .scheme = "01",
                         .endTime = "10:00:00",
                         .endDate = "20240101",
                         .seconds = 30,
                         .score = 44,
                         .won = true,
                         .dealNumber = "0000000000007"};
    const int rank = OfferHiScore(ctx, DefaultHiScoreServices(), result);
    ASSERT_GE(rank, 0);
    ASSERT_EQ(ui.Log().back(), "hi-scores new entry row " + std::to_string(rank) +
                                   " game -1: Congratulations! Your score has made the Freecell "
                                   "Hi-Scores list!");

    TfrmHiScore dialog(
        nullptr, app,
        {false, rank, "Congratulations! Your score has made the Freecell Hi-Scores list!", -1});
    EXPECT_EQ(dialog.windowTitle(),
              "Congratulations! Your score has made the Freecell Hi-Scores list!");
    EXPECT_EQ(dialog.Grid()->currentRow(), rank);
    EXPECT_EQ(dialog.Grid()->Cell(rank, 1), "Ann");
    EXPECT_EQ(dialog.Grid()->Cell(rank, 2), "44");
    // Choosing a game afterwards gives the ordinary caption and first row.
    SelectGame(dialog, "Klondike");
    SelectGame(dialog, "Freecell");
    EXPECT_EQ(dialog.windowTitle(), "Hi-Scores [Freecell]");
    EXPECT_EQ(dialog.Grid()->currentRow(), 0);
}

TEST_F(HiScoreDialogTest, ADamagedTableShowsWhatCanBeReadAndIsLeftAlone) {
    const int freecell = Number("Freecell");
    ctx.state.SetZeroPadded(field::kGameNumber, freecell);
    ctx.state.Set(field::kGameName, "Freecell");
    // Rank 1 blanked, rank 3 with letters for a score, rank 4 cut short,
    // rank 5 with a date that is no date.
    std::string damagedDate = Entry(70, 90, "20241399", "Dan");
    const std::string text = "[Version]\r\nVersion=0300\r\n\r\n[" + GameSectionName(freecell) +
                             "]\r\n01-01=" + EmptyHiScoreEntry() +
                             "\r\n01-02=" + Entry(100, 60, "20240101", "Ann") +
                             "\r\n01-03=" + "00x0z0 000061 20240101 10:11:12 Bob" +
                             "\r\n01-04=000090" + "\r\n01-05=" + damagedDate + "\r\n";
    test::WriteFile(ScoreFile(), text);

    TfrmHiScore dialog(nullptr, app, {true, 0, "", -1});
    EXPECT_EQ(dialog.Grid()->Cell(1, 1), "Ann");
    EXPECT_EQ(dialog.Grid()->Cell(1, 2), "100");
    EXPECT_EQ(dialog.Grid()->Cell(2, 1), "Bob");
    EXPECT_EQ(dialog.Grid()->Cell(2, 2), "");
    EXPECT_EQ(dialog.Grid()->Cell(2, 3), "0:01:01");
    EXPECT_EQ(dialog.Grid()->Cell(3, 2), "90");
    EXPECT_EQ(dialog.Grid()->Cell(3, 3), "");
    EXPECT_EQ(dialog.Grid()->Cell(4, 2), "70");
    EXPECT_EQ(dialog.Grid()->Cell(4, 5), "");
    EXPECT_TRUE(dialog.DamageNotice().contains("3, 4, 5")) << dialog.DamageNotice().toStdString();
    EXPECT_EQ(test::ReadFile(ScoreFile()), text);
}

}  // namespace
}  // namespace vis
