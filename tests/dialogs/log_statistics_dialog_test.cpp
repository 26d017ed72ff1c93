#include "dialogs/log_statistics_dialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDate>
#include <QLocale>
#include <QPushButton>
#include <QTimer>

#include "dialog_fixture.h"
#include "dialogs/select_number_dialog.h"
#include "dialogs/sort_grid.h"
#include "dialogs/statistics_dialog.h"
#include "records/game_log.h"

namespace vis {
namespace {

class LogStatisticsDialogTest : public test::DialogTest {
protected:
    void SetUp() override {
        DialogTest::SetUp();
        test::WriteFile(dir / "VIS.INI", "[Users]\r\nUser001=Ann\r\nUser002=Bob\r\n");
        ctx.state.Set(field::kConfigPath, "VIS.INI");
        ctx.state.Set(field::kScoringScheme, "01");
        ctx.state.Set(field::kRunWon, "0000");
        ctx.state.Set(field::kRunLost, "0000");
        // Oldest first: Ann wins Freecell, Bob loses Klondike, Ann loses
        // Klondike.
        Log("Freecell", "Ann", true, 125, "0000000004711", 130, "20260105");
        Log("Klondike", "Bob", false, 61, "0000000000042", -52, "20260106");
        Log("Klondike", "Ann", false, 3700, "0000000123456", 7, "20260107");
        ctx.state.SetZeroPadded(field::kGameNumber, Number("Freecell"));
        ctx.state.Set(field::kGameName, "Freecell");
        ctx.state.Set(field::kPlayer, "Ann");
        ctx.state.Set(field::kDealNumber, "0000000000001");
    }

    void Log(const std::string& game, const std::string& player, bool won, int seconds,
             const std::string& deal, int score, const std::string& date) {
        ctx.state.SetZeroPadded(field::kGameNumber, Number(game));
        ctx.state.Set(field::kGameName, game);
        ctx.state.Set(field::kPlayer, player);
        ctx.state.Set(field::kDealNumber, deal);
        ctx.state.SetDecimal(field::kScore, score);
        AppendGameLog(ctx, won, seconds, "10:05:09", date);
    }

    static QStringList Column(const TSortGrid& grid, int column) {
        QStringList cells;
        for (int row = 0; row < grid.rowCount(); ++row) cells << grid.Cell(row, column);
        return cells;
    }
};

TEST_F(LogStatisticsDialogTest, TheCombosChooseTheLinesNewestFirst) {
    struct Case {
        int player;  // combo index: 0 all, 1 Ann, 2 Bob
        int game;    // 0 all, else the name below
        const char* gameName;
        QStringList numbers;
    };
    const Case cases[] = {
        {0, 0, "", {"0000000123456", "0000000000042", "0000000004711"}},
        {1, 0, "", {"0000000123456", "0000000004711"}},
        {0, 1, "Klondike", {"0000000123456", "0000000000042"}},
        {2, 1, "Klondike", {"0000000000042"}},
        {2, 1, "Freecell", {""}},  // nothing: one empty row
    };
    TfrmStatisLog dialog(nullptr, app);
    // Opened on the current player and game.
    EXPECT_EQ(dialog.PlayerCombo()->currentText(), "Ann");
    EXPECT_EQ(dialog.GameCombo()->currentText(), "Freecell");
    EXPECT_EQ(dialog.PlayerCombo()->itemText(0), "[All players]");
    EXPECT_EQ(dialog.GameCombo()->itemText(0), "[All games]");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.numbers.join(" ").toStdString());
        dialog.PlayerCombo()->setCurrentIndex(c.player);
        if (c.game == 0)
            dialog.GameCombo()->setCurrentIndex(0);
        else
            dialog.GameCombo()->setCurrentText(c.gameName);
        EXPECT_EQ(Column(*dialog.Grid(), 7), c.numbers);
        EXPECT_EQ(dialog.PlayButton()->isEnabled(), !c.numbers.front().isEmpty());
    }
}

TEST_F(LogStatisticsDialogTest, ARowShowsTheLoggedValues) {
    TfrmStatisLog dialog(nullptr, app);
    dialog.PlayerCombo()->setCurrentIndex(0);
    dialog.GameCombo()->setCurrentIndex(0);
    const TSortGrid& grid = *dialog.Grid();
    const QStringList newest = {QLocale().toString(QDate(2026, 1, 7), QLocale::ShortFormat),
                                "10:05",
                                "1:01:40",
                                "Klondike",
                                "Lost",
                                "7",
                                "Ann",
                                "0000000123456"};
    const QStringList oldest = {QLocale().toString(QDate(2026, 1, 5), QLocale::ShortFormat),
                                "10:05",
                                "0:02:05",
                                "Freecell",
                                "Won",
                                "130",
                                "Ann",
                                "0000000004711"};
    for (int column = 0; column < 8; ++column) {
        EXPECT_EQ(grid.Cell(0, column), newest[column]) << column;
        EXPECT_EQ(grid.Cell(2, column), oldest[column]) << column;
    }
    EXPECT_EQ(grid.Cell(1, 5), "-52");
}

TEST_F(LogStatisticsDialogTest, PlayingTheSelectedRowStartsThatDealAndClosesTheDialogsBelow) {
    QDialog below;
    below.show();
    TfrmStatisLog dialog(&below, app);
    dialog.show();
    dialog.PlayerCombo()->setCurrentIndex(0);
    dialog.GameCombo()->setCurrentText("Klondike");
    dialog.Grid()->setCurrentCell(1, 0);  // Bob's deal 42, the older
    dialog.btnPlayClick();

    EXPECT_TRUE(dialog.PlayChosen());
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_FALSE(below.isVisible());
    EXPECT_TRUE(ctx.flags[Flag::kGameInProgress]);
    EXPECT_EQ(ctx.state.GetInt(field::kGameNumber), Number("Klondike"));
    EXPECT_EQ(ctx.state.Get(field::kDealNumber), "0000000000042");
    // The current player plays it.
    EXPECT_EQ(ctx.state.Get(field::kPlayer), "Ann");
}

TEST_F(LogStatisticsDialogTest, ADamagedDealNumberIsRefusedAndNothingStarts) {
    std::string log = test::ReadFile(dir / "DATA" / "STAT_LOG.DAT");
    const std::size_t deal = log.rfind("0000000123456");
    log.replace(deal, 13, "00000001x3456");
    test::WriteFile(dir / "DATA" / "STAT_LOG.DAT", log);

    TfrmStatisLog dialog(nullptr, app);
    dialog.show();
    dialog.PlayerCombo()->setCurrentIndex(0);
    dialog.GameCombo()->setCurrentIndex(0);
    dialog.btnPlayClick();
    EXPECT_FALSE(dialog.PlayChosen());
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_FALSE(ctx.flags[Flag::kGameInProgress]);
    EXPECT_EQ(ui.Messages(), std::vector<std::string>{"Select a correct game number."});
    // Looking did not touch the log.
    EXPECT_EQ(test::ReadFile(dir / "DATA" / "STAT_LOG.DAT"), log);
}

TEST_F(LogStatisticsDialogTest, ExportWritesTheRowsShownAsCsv) {
    TfrmStatisLog dialog(nullptr, app);
    dialog.PlayerCombo()->setCurrentText("Ann");
    dialog.GameCombo()->setCurrentIndex(0);
    const auto file = dir / "out.csv";
    ASSERT_TRUE(dialog.ExportTo(QString::fromStdString(file.string())));
    EXPECT_EQ(test::ReadFile(file),
              "\xEF\xBB\xBF"
              "Date,End time,Seconds,Game number,Game,Player,Result,Scoring,Score,Deal number\r\n"
              "2026-01-07,10:05:09,003700," +
                  std::to_string(Number("Klondike")) +
                  ",Klondike,Ann,Lost,01,7,0000000123456\r\n"
                  "2026-01-05,10:05:09,000125," +
                  std::to_string(Number("Freecell")) +
                  ",Freecell,Ann,Won,01,130,0000000004711\r\n");

    // A folder in place of the file: a message, no crash.
    EXPECT_FALSE(dialog.ExportTo(QString::fromStdString(dir.Path().string())));
    EXPECT_EQ(ui.Messages().size(), 1u);
}

TEST_F(LogStatisticsDialogTest, OpenedFromStatisticsAndFromSelectAGameNumber) {
    TfrmStatistics statistics(nullptr, app, {.game = Number("Klondike"), .player = "Bob"});
    QString player;
    QString game;
    QTimer::singleShot(0, [&] {
        auto* log = qobject_cast<TfrmStatisLog*>(QApplication::activeModalWidget());
        ASSERT_NE(log, nullptr);
        player = log->PlayerCombo()->currentText();
        game = log->GameCombo()->currentText();
        log->reject();
    });
    statistics.btnLogClick();
    EXPECT_EQ(player, "Bob");
    EXPECT_EQ(game, "Klondike");
    EXPECT_FALSE(statistics.LogPlayChosen());

    TfrmSelectGameNumber select(nullptr, app);
    select.show();
    auto* btnLog = select.findChild<QPushButton*>("btnLog");
    ASSERT_NE(btnLog, nullptr);
    QTimer::singleShot(0, [] {
        auto* log = qobject_cast<TfrmStatisLog*>(QApplication::activeModalWidget());
        ASSERT_NE(log, nullptr);
        log->btnPlayClick();  // Ann's Freecell deal 4711
    });
    btnLog->click();
    EXPECT_FALSE(select.isVisible());
    EXPECT_TRUE(select.GameStarted());
    EXPECT_EQ(ctx.state.Get(field::kDealNumber), "0000000004711");
}

}  // namespace
}  // namespace vis
