#include "dialogs/overall_score_dialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QTimer>
#include <fstream>
#include <sstream>

#include "dialog_fixture.h"
#include "dialogs/sort_grid.h"
#include "dialogs/statistics_dialog.h"
#include "records/duration_text.h"

namespace vis {
namespace {

class OverallScoreDialogTest : public test::DialogTest {
protected:
    void SetUp() override {
        DialogTest::SetUp();
        ui.SetTimeSeparator(":");
    }

    void Offer(const char* game, const char* player, int score, int seconds) {
        UpdateOverallScore(ctx, filler, Number(game), player, false, seconds, score);
    }

    std::filesystem::path File() const { return dir / "DATA" / "STAT_GLO.DAT"; }
    std::string FileText() const {
        std::ifstream in(File(), std::ios::binary);
        std::ostringstream out;
        out << in.rdbuf();
        return out.str();
    }

    static QList<QStringList> Rows(const TSortGrid& grid) {
        QList<QStringList> rows;
        for (int row = 0; row < grid.rowCount(); ++row) {
            QStringList cells;
            for (int column = 0; column < grid.columnCount(); ++column)
                cells.append(grid.Cell(row, column));
            rows.append(cells);
        }
        return rows;
    }

    FillerDigitSource filler = [] { return 3; };
};

TEST_F(OverallScoreDialogTest, PlayersRankByScoreThenShorterTimeWithoutThoseAtZero) {
    Offer("Freecell", "Ann", 100, 500);
    Offer("Freecell", "Bob", 60, 100);
    Offer("Klondike", "Bob", 40, 200);  // 100 in 5 minutes: before Ann
    Offer("Klondike", "Cid", 150, 3 * 3600 + 5);
    Offer("Klondike", "Dan", 9, 9);
    UpdateOverallScore(ctx, filler, Number("Klondike"), "Dan", true, 0, 0);  // back to 0

    TfrmStatisOverall dialog(nullptr, app);
    EXPECT_EQ(dialog.windowTitle(), "Overall score");
    EXPECT_EQ(Rows(*dialog.Grid()), (QList<QStringList>{{"1", "Cid", "150", "03:00:05"},
                                                        {"2", "Bob", "100", "00:05:00"},
                                                        {"3", "Ann", "100", "00:08:20"}}));
    EXPECT_TRUE(dialog.DamageNotice().isEmpty());
    dialog.Grid()->setCurrentCell(1, 0);
    EXPECT_EQ(dialog.SelectedPlayer(), "Bob");

    // Ranks of equal scores and times keep the order of the file; hours
    // beyond two digits show as stars.
    EXPECT_EQ(OverallScoreRows({{"Eve", 5, 60}, {"Fay", 5, 60}, {"Gus", 100000, 360000}}, "."),
              (QList<QStringList>{{"1", "Gus", "100000", "**.00.00"},
                                  {"2", "Eve", "5", "00.01.00"},
                                  {"3", "Fay", "5", "00.01.00"}}));
}

TEST_F(OverallScoreDialogTest, DetailsListEveryStandardGameWithTheBestResult) {
    Offer("Freecell", "Ann", 100000, 3661);  // beyond any game's maximum
    Offer("Klondike", "Ann", 1, 59);
    TfrmStatisOverallDetails details(nullptr, app, "Ann");
    EXPECT_EQ(details.windowTitle(), "Overall score details [Ann]");
    EXPECT_EQ(details.ScoreText(), "100001");
    EXPECT_EQ(details.TimeText(), "01:02:00");
    const QList<QStringList> rows = Rows(*details.Grid());
    int standardGames = 0;
    for (const std::string& name : AllGameNames(ctx))
        if (GameColumn(ctx, GameNumberByName(ctx, name)) >= 0) ++standardGames;
    EXPECT_EQ(rows.size(), standardGames);
    int shown = 0;
    for (const QStringList& row : rows) {
        if (row[0] == "Freecell") {
            EXPECT_EQ(row, (QStringList{"Freecell", "100000", "Yes", "1:01:01"}));
        } else if (row[0] == "Klondike") {
            EXPECT_EQ(row, (QStringList{"Klondike", "1", "", "0:00:59"}));
        } else {
            EXPECT_EQ(row, (QStringList{row[0], "", "", ""}));
            continue;
        }
        ++shown;
    }
    EXPECT_EQ(shown, 2);
    EXPECT_TRUE(details.DamageNotice().isEmpty());
}

TEST_F(OverallScoreDialogTest, ADamagedFileIsShownAsFarAsItReadsAndLeftUntouched) {
    Offer("Freecell", "Ann", 52, 260);
    Offer("Klondike", "Ann", 30, 40);
    Offer("Freecell", "Bob", 7, 8);
    std::string text = FileText();
    const std::size_t at = text.find("T01=") + 9;  // inside Ann's total
    text[at] = static_cast<char>(text[at] + 1);
    std::ofstream(File(), std::ios::binary) << text;
    ui.ClearLog();

    {
        TfrmStatisOverall dialog(nullptr, app);
        // Ann's total counted from her intact best results.
        EXPECT_EQ(Rows(*dialog.Grid()), (QList<QStringList>{{"1", "Ann", "82", "00:05:00"},
                                                            {"2", "Bob", "7", "00:00:08"}}));
        EXPECT_TRUE(dialog.DamageNotice().contains("Ann")) << dialog.DamageNotice().toStdString();
        EXPECT_FALSE(dialog.DamageNotice().contains("Bob"));
        TfrmStatisOverallDetails details(nullptr, app, "Ann");
        EXPECT_EQ(details.ScoreText(), "82");
        EXPECT_FALSE(details.DamageNotice().isEmpty());
    }
    EXPECT_EQ(FileText(), text);
    EXPECT_TRUE(ui.Messages().empty());

    // A file that is not one at all: nothing to list, and nothing written.
    const std::string garbage = "\x01\x02 not [a] record =\r\n[\r\n=";
    std::ofstream(File(), std::ios::binary) << garbage;
    TfrmStatisOverall dialog(nullptr, app);
    EXPECT_EQ(dialog.Grid()->rowCount(), 0);
    EXPECT_EQ(FileText(), garbage);
}

TEST_F(OverallScoreDialogTest, PublishingShowsTheStoredCodeWhileTheTableHides) {
    Offer("Freecell", "Ann", 52, 260);
    TfrmStatisOverall dialog(nullptr, app);
    dialog.show();
    dialog.Grid()->setCurrentCell(0, 0);
    QString code;
    QString title;
    bool tableHidden = false;
    WhenShown<TfrmStatisOverallPublish>([&](TfrmStatisOverallPublish& publish) {
        title = publish.windowTitle();
        code = publish.Code();
        tableHidden = !dialog.isVisible();
        publish.accept();
    });
    dialog.btnPublishClick();
    EXPECT_EQ(title, "Publishing your Overall score on the Internet");
    EXPECT_EQ(code.toStdString(), PublishedScoreCode(ctx, "Ann"));
    EXPECT_EQ(code.size(), 68);
    EXPECT_TRUE(tableHidden);
    EXPECT_TRUE(dialog.isVisible());
}

TEST_F(OverallScoreDialogTest, StatisticsOpensItAndItsDetails) {
    Offer("Freecell", "Ann", 52, 260);
    TfrmStatistics statistics(nullptr, app);
    QPushButton* button = nullptr;
    for (auto* candidate : statistics.findChildren<QPushButton*>())
        if (candidate->text() == "O&verall score...") button = candidate;
    ASSERT_NE(button, nullptr);
    ASSERT_TRUE(button->isEnabled());
    QString detailsTitle;
    WhenShown<TfrmStatisOverall>([&](TfrmStatisOverall& overall) {
        overall.Grid()->setCurrentCell(0, 0);
        WhenShown<TfrmStatisOverallDetails>([&](TfrmStatisOverallDetails& details) {
            detailsTitle = details.windowTitle();
            details.accept();
        });
        overall.btnDetailsClick();
        overall.accept();
    });
    button->click();
    EXPECT_EQ(detailsTitle, "Overall score details [Ann]");
}

}  // namespace
}  // namespace vis
