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
         }) {
        SCOPED_TRACE(c.keys.join(",").toStdString());
        grid.SetRows(Rows(c.keys));
        EXPECT_EQ(grid.DetectStyle(0), c.style);
        grid.SortByColumn(0, TSortDirection::sdAscending);
        EXPECT_EQ(Column(grid, 0), c.sorted);
    }
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

TEST(CutHeaderTextTest, CutsBeforeTwoDots) {
    const QFontMetrics metrics(QApplication::font());
    const QString text = "Chance of winning";
    EXPECT_EQ(CutHeaderText(text, 1000, metrics), text);
    const QString cut = CutHeaderText(text, metrics.horizontalAdvance("Chance.."), metrics);
    EXPECT_TRUE(cut.endsWith("..")) << cut.toStdString();
    EXPECT_TRUE(text.startsWith(cut.left(cut.size() - 2)));
    EXPECT_LE(metrics.horizontalAdvance(cut), metrics.horizontalAdvance("Chance.."));
    EXPECT_EQ(CutHeaderText(text, 1, metrics), "C..");
}

}  // namespace
}  // namespace vis
