#include "dialogs/all_games_dialog.h"

#include <gtest/gtest.h>

#include <QComboBox>

#include "dialog_fixture.h"
#include "dialogs/sort_grid.h"
#include "records/game_statistics.h"

namespace vis {
namespace {

class AllGamesDialogTest : public test::DialogTest {
protected:
    void SetUp() override {
        DialogTest::SetUp();
        ctx.state.SetZeroPadded(field::kGameNumber, Number("Freecell"));
        ctx.state.Set(field::kGameName, "Freecell");
        ctx.state.Set(field::kRunWon, "0001");
        ctx.state.Set(field::kRunLost, "0000");
        const GameStatsRecord freecell{
            .won = 3, .lost = 1, .longestWinningStreak = 2, .longestLosingStreak = 1};
        const GameStatsRecord klondike{.lost = 2, .longestLosingStreak = 2};
        test::WriteFile(dir / "DATA" / "STAT.DAT",
                        "[Version]\r\nVersion=0300\r\n[" + GameSectionName(Number("Freecell")) +
                            "]\r\nAnn=" + FormatGameStatsRecord(freecell) + "\r\n[" +
                            GameSectionName(Number("Klondike")) +
                            "]\r\nAnn=" + FormatGameStatsRecord(klondike) +
                            "\r\nBob=" + FormatGameStatsRecord({.won = 9}) + "\r\n");
    }

    static QStringList Row(const TSortGrid& grid, const QString& game) {
        for (int row = 0; row < grid.rowCount(); ++row)
            if (grid.Cell(row, 0) == game)
                return {grid.Cell(row, 1), grid.Cell(row, 2), grid.Cell(row, 3)};
        return {};
    }
};

TEST_F(AllGamesDialogTest, TotalsSessionAndSeriesOfThePlayerInEveryGame) {
    struct Case {
        StatisticsValues values;
        int rows;  // -1: every game
        QStringList freecell;
        QStringList klondike;
    };
    const Case cases[] = {
        {StatisticsValues::kTotal, -1, {"3", "1", "75"}, {"0", "2", "0"}},
        {StatisticsValues::kCurrentSession, 1, {"1", "0", "100"}, {}},
        {StatisticsValues::kSeries, -1, {"2", "1", "67"}, {"0", "2", "0"}},
    };
    TfrmStatisGiochi dialog(nullptr, app);
    EXPECT_EQ(dialog.windowTitle(), "All games statistics");
    EXPECT_EQ(dialog.PlayerCombo()->currentText(), "Ann");
    const int games = static_cast<int>(AllGameNames(ctx).size());
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.values));
        dialog.SetValues(c.values);
        EXPECT_EQ(dialog.Grid()->rowCount(), c.rows < 0 ? games : c.rows);
        EXPECT_EQ(Row(*dialog.Grid(), "Freecell"), c.freecell);
        EXPECT_EQ(Row(*dialog.Grid(), "Klondike"), c.klondike);
    }
    // Sorted by name.
    dialog.SetValues(StatisticsValues::kTotal);
    for (int row = 1; row < dialog.Grid()->rowCount(); ++row)
        EXPECT_LE(dialog.Grid()
                      ->Cell(row - 1, 0)
                      .compare(dialog.Grid()->Cell(row, 0), Qt::CaseInsensitive),
                  0);
    EXPECT_TRUE(dialog.DamageNotice().isEmpty());
}

TEST_F(AllGamesDialogTest, ADamagedRecordShowsWhatCanBeReadAndIsLeftAlone) {
    const auto file = dir / "DATA" / "STAT.DAT";
    std::string text = test::ReadFile(file);
    const std::size_t bob = text.find("Bob=");
    text.replace(bob + 4 + 7, 6, "0x0001");  // Bob's lost count
    test::WriteFile(file, text);
    TfrmStatisGiochi dialog(nullptr, app, {.player = "Bob"});
    EXPECT_EQ(Row(*dialog.Grid(), "Klondike"), (QStringList{"9", "0", "100"}));
    EXPECT_FALSE(dialog.DamageNotice().isEmpty());
    EXPECT_EQ(test::ReadFile(file), text);
}

}  // namespace
}  // namespace vis
