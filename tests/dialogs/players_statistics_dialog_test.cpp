#include "dialogs/players_statistics_dialog.h"

#include <gtest/gtest.h>

#include <QComboBox>

#include "dialog_fixture.h"
#include "dialogs/statistics_charts.h"
#include "records/game_statistics.h"

namespace vis {
namespace {

class PlayersStatisticsDialogTest : public test::DialogTest {
protected:
    void SetUp() override {
        DialogTest::SetUp();
        test::WriteFile(dir / "VIS.INI",
                        "[Users]\r\nUser001=Ann\r\nUser002=Bob\r\nUser003=Cy\r\nUser004=Di\r\n");
        ctx.state.Set(field::kConfigPath, "VIS.INI");
        ctx.state.SetZeroPadded(field::kGameNumber, Number("Freecell"));
        std::string section = "[" + GameSectionName(Number("Freecell")) + "]\r\n";
        // Ann 1 of 4 won, average 25; Bob 3 of 4, average -5; Cy none;
        // Di 1 of 4, average 100.
        section +=
            "Ann=" + FormatGameStatsRecord({.won = 1, .lost = 3, .totalScore = 100}) + "\r\n";
        section +=
            "Bob=" + FormatGameStatsRecord({.won = 3, .lost = 1, .totalScore = -20}) + "\r\n";
        section += "Di=" + FormatGameStatsRecord({.won = 1, .lost = 3, .totalScore = 400}) + "\r\n";
        test::WriteFile(dir / "DATA" / "STAT.DAT", "[Version]\r\nVersion=0300\r\n" + section);
    }

    static std::vector<std::pair<std::string, std::int64_t>> Shown(const TfrmStatisOperat& d) {
        std::vector<std::pair<std::string, std::int64_t>> shown;
        for (const auto& bar : d.Chart().Bars())
            shown.emplace_back(bar.label.toStdString(), bar.value);
        return shown;
    }
};

TEST_F(PlayersStatisticsDialogTest, PlayersAreOrderedByTheChosenValueFromTheLowest) {
    TfrmStatisOperat dialog(nullptr, app);
    EXPECT_EQ(dialog.GameCombo()->currentText(), "Freecell");
    using Bars = std::vector<std::pair<std::string, std::int64_t>>;
    // Equal values keep the players' order.
    EXPECT_EQ(Shown(dialog), (Bars{{"Cy", 0}, {"Ann", 25}, {"Di", 25}, {"Bob", 75}}));
    dialog.ShowAverageScore(true);
    EXPECT_EQ(Shown(dialog), (Bars{{"Bob", -5}, {"Cy", 0}, {"Ann", 25}, {"Di", 100}}));
    dialog.GameCombo()->setCurrentText("Klondike");
    EXPECT_EQ(Shown(dialog), (Bars{{"Ann", 0}, {"Bob", 0}, {"Cy", 0}, {"Di", 0}}));
    EXPECT_TRUE(dialog.DamageNotice().isEmpty());
}

}  // namespace
}  // namespace vis
