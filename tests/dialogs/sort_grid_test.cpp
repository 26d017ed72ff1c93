#include "dialogs/sort_grid.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDate>
#include <QHeaderView>
#include <QLocale>
#include <QTest>

namespace vis {
namespace {

QStringList Column(const TSortGrid& grid, int column) {
    QStringList cells;
    for (int r = 0; r < grid.rowCount(); ++r) cells.push_back(grid.Cell(r, column));
    return cells;
}

QList<QStringList> Rows(const QStringList& keys) {
    QList<QStringList> rows;
    for (int i = 0; i < keys.size(); ++i) rows.push_back({keys[i], QString::number(i)});
    return rows;
}

void ClickHeader(TSortGrid& grid, int column, Qt::MouseButton button = Qt::LeftButton) {
    QHeaderView* header = grid.horizontalHeader();
    const QPoint at(header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
                    header->height() / 2);
    QTest::mouseClick(header->viewport(), button, {}, at);
}

class SortGridTest : public ::testing::Test {
protected:
    SortGridTest() {
        grid.SetHeaders({"Key", "Order"});
        grid.resize(400, 300);
        grid.show();
    }
    TSortGrid grid{nullptr, 1};
};

// The style comes from the cells: numbers, then dates, else text.
TEST_F(SortGridTest, AutomaticStyleFollowsTheCells) {
    const QString day1 = QLocale().toString(QDate(2024, 3, 9), QLocale::ShortFormat);
    const QString day2 = QLocale().toString(QDate(2024, 11, 2), QLocale::ShortFormat);
    struct Case {
        QStringList keys;
        TSortStyle style;
        QStringList sorted;
    };
    for (const Case& c : std::vector<Case>{
             {{"2", "10", "9"}, TSortStyle::ssNumeric, {"2", "9", "10"}},
             {{"2", "10", "9", "abc"}, TSortStyle::ssAlphabetic, {"10", "2", "9", "abc"}},
             {{"2.5", "", "-1"}, TSortStyle::ssNumeric, {"", "-1", "2.5"}},
             {{day2, day1}, TSortStyle::ssDateTime, {day1, day2}},
             {{"b", "A", "c"}, TSortStyle::ssAlphabetic, {"A", "b", "c"}},
             // Names that a number parser would take for infinity or NaN.
             {{"nan", "inf", "1"}, TSortStyle::ssAlphabetic, {"1", "inf", "nan"}},
         }) {
        SCOPED_TRACE(c.keys.join(",").toStdString());
        grid.SetRows(Rows(c.keys));
        EXPECT_EQ(grid.DetectStyle(0), c.style);
        grid.SortByColumn(0, TSortDirection::sdAscending);
        EXPECT_EQ(Column(grid, 0), c.sorted);
    }
}

// A number met before the first date is no date: the column is text.
TEST_F(SortGridTest, NumberAmongDatesMakesTheColumnText) {
    const QString day = QLocale().toString(QDate(2024, 3, 9), QLocale::ShortFormat);
    grid.SetRows(Rows({"5", day}));
    EXPECT_EQ(grid.DetectStyle(0), TSortStyle::ssAlphabetic);
    grid.SetRows(Rows({day, "5"}));
    EXPECT_EQ(grid.DetectStyle(0), TSortStyle::ssAlphabetic);
}

TEST_F(SortGridTest, HeaderClicksToggleTheDirectionAndKeepTiesInOrder) {
    grid.SetRows({{"1", "a"}, {"2", "b"}, {"1", "c"}, {"2", "d"}});
    ClickHeader(grid, 0);
    EXPECT_EQ(Column(grid, 1), (QStringList{"a", "c", "b", "d"}));
    EXPECT_EQ(grid.SortOptions().SortDirection, TSortDirection::sdAscending);
    ClickHeader(grid, 0);
    EXPECT_EQ(Column(grid, 1), (QStringList{"b", "d", "a", "c"}));
    EXPECT_EQ(grid.SortOptions().SortDirection, TSortDirection::sdDescending);
    ClickHeader(grid, 1);
    EXPECT_EQ(Column(grid, 1), (QStringList{"a", "b", "c", "d"}));
    EXPECT_EQ(grid.SortOptions().SortDirection, TSortDirection::sdAscending);
    // The right button always sorts descending.
    ClickHeader(grid, 1, Qt::RightButton);
    ClickHeader(grid, 1, Qt::RightButton);
    EXPECT_EQ(Column(grid, 1), (QStringList{"d", "c", "b", "a"}));
}

// A press on a header sorts only when released on the same header cell.
TEST_F(SortGridTest, ReleaseOffTheHeaderCellDoesNotSort) {
    grid.SetRows({{"2", "a"}, {"1", "b"}});
    QHeaderView* header = grid.horizontalHeader();
    const QPoint on(header->sectionViewportPosition(0) + header->sectionSize(0) / 2,
                    header->height() / 2);
    QTest::mousePress(header->viewport(), Qt::LeftButton, {}, on);
    QTest::mouseRelease(header->viewport(), Qt::LeftButton, {},
                        on + QPoint(0, 3 * header->height()));
    EXPECT_EQ(Column(grid, 1), (QStringList{"a", "b"}));
    QTest::mousePress(header->viewport(), Qt::LeftButton, {}, on);
    QTest::mouseRelease(header->viewport(), Qt::LeftButton, {},
                        QPoint(header->sectionViewportPosition(1) + 2, on.y()));
    EXPECT_EQ(Column(grid, 1), (QStringList{"a", "b"}));
    ClickHeader(grid, 0);
    EXPECT_EQ(Column(grid, 1), (QStringList{"b", "a"}));
}

TEST_F(SortGridTest, WholeRowsMoveAndTheCurrentRowNumberStays) {
    grid.SetRows({{"3", "three"}, {"1", "one"}, {"2", "two"}});
    grid.setCurrentCell(1, 0);
    grid.SortByColumn(0, TSortDirection::sdAscending);
    EXPECT_EQ(Column(grid, 1), (QStringList{"one", "two", "three"}));
    EXPECT_EQ(grid.currentRow(), 1);
}

TEST_F(SortGridTest, TypeAheadSelectsTheNextRowWithThatLetterAndWraps) {
    grid.SetRows({{"Bob", ""}, {"alice", ""}, {"Barbara", ""}, {"Carl", ""}});
    grid.setFocus();
    grid.setCurrentCell(0, 0);
    QTest::keyClick(&grid, Qt::Key_B, {}, 0);
    EXPECT_EQ(grid.currentRow(), 2);
    QTest::keyClick(&grid, Qt::Key_B, {}, 0);
    EXPECT_EQ(grid.currentRow(), 0);
    QTest::keyClick(&grid, Qt::Key_A, {}, 0);
    EXPECT_EQ(grid.currentRow(), 1);
    QTest::keyClick(&grid, Qt::Key_Z, {}, 0);
    EXPECT_EQ(grid.currentRow(), 1);
}

TEST_F(SortGridTest, StripesColourEvenGridRows) {
    grid.SetRows(Rows({"x", "y", "z"}));
    // Row 1 of the grid is the first data row (the header is row 0).
    EXPECT_EQ(grid.item(0, 0)->background().color(), QColor(Qt::white));
    EXPECT_EQ(grid.item(1, 0)->background().color(), QColor(200, 255, 255));
    grid.SortByColumn(0, TSortDirection::sdDescending);
    EXPECT_EQ(grid.item(1, 1)->background().color(), QColor(200, 255, 255));
}

// The default colouring: the first data row is grid row 1 (odd) and the
// first column grid column 0 (even), as the grid has no fixed column.
TEST(SortGridColouringTest, CheckerboardFollowsGridRowAndColumnNumbers) {
    TSortGrid grid;
    grid.SetHeaders({"A", "B"});
    grid.SetRows({{"1", "2"}, {"3", "4"}});
    const QColor white(Qt::white), yellow(255, 255, 200), cyan(200, 255, 255), green(200, 255, 200);
    EXPECT_EQ(grid.item(0, 0)->background().color(), yellow);
    EXPECT_EQ(grid.item(0, 1)->background().color(), white);
    EXPECT_EQ(grid.item(1, 0)->background().color(), green);
    EXPECT_EQ(grid.item(1, 1)->background().color(), cyan);
}

TEST(CutHeaderTextTest, CutsBeforeTwoDots) {
    const QFontMetrics metrics(QApplication::font());
    const QString text = "Chance of winning";
    EXPECT_EQ(CutHeaderText(text, 1000, metrics), text);
    const QString cut = CutHeaderText(text, metrics.horizontalAdvance("Chance.."), metrics);
    EXPECT_TRUE(cut.endsWith("..")) << cut.toStdString();
    EXPECT_TRUE(text.startsWith(cut.left(cut.size() - 2)));
    EXPECT_LE(metrics.horizontalAdvance(cut), metrics.horizontalAdvance("Chance.."));
    EXPECT_EQ(CutHeaderText(text, 1, metrics), "C..");
    // A three-character text is cut as well; shorter ones stay.
    EXPECT_EQ(CutHeaderText("W/L", 1, metrics), "W..");
    EXPECT_EQ(CutHeaderText("No", 1, metrics), "No");
}

}  // namespace
}  // namespace vis
