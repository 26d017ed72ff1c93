// TSortGrid: the text grid of the record dialogs. Clicking a header sorts
// by that column (ascending first, again for descending, right button
// always descending), stably and with the style read from the cells; rows
// are striped and a letter key jumps to the next row starting with it.
#pragma once

#include <QFontMetrics>
#include <QStringList>
#include <QTableWidget>
#include <functional>

namespace vis {

// A header text cut to `width` pixels: its last two characters become
// "..", then characters before the dots go until it fits or only three
// characters are left. Texts of fewer than three characters stay whole.
QString CutHeaderText(const QString& text, int width, const QFontMetrics& metrics);

enum class TSortStyle { ssAutomatic, ssAlphabetic, ssNumeric, ssDateTime, ssTime };
enum class TSortDirection { sdAscending, sdDescending };

struct TSortOptions {
    TSortStyle SortStyle = TSortStyle::ssAutomatic;
    bool SortCaseSensitive = false;
    TSortDirection SortDirection = TSortDirection::sdAscending;
    int SortColumn = -1;  // the column last sorted
};

class TSortGrid : public QTableWidget {
    Q_OBJECT
public:
    // Row colouring: 0 plain, 1 row stripes, 2 checkerboard.
    explicit TSortGrid(QWidget* parent = nullptr, int cellsColor = 2);

    void SetHeaders(const QStringList& headers);
    // Ctrl and Shift clicks mark several rows.
    void SetMultiSelect(bool on);
    // Replaces the data rows; the current row becomes the first.
    void SetRows(const QList<QStringList>& rows);
    QString Cell(int row, int column) const;

    // Sorts the data rows by a column in a direction.
    void SortByColumn(int column, TSortDirection direction);
    // What a left-button header click does: descending when this column was
    // sorted last ascending, else ascending.
    void SortColumnClicked(int column, bool rightButton = false);
    // The style the cells of a column call for.
    TSortStyle DetectStyle(int column) const;

    const TSortOptions& SortOptions() const { return sortOptions_; }
    int m_CellsColor;
    // The owner's say on a cell's look, after the row colouring; row and
    // column count data rows and columns from 0.
    std::function<void(int row, int column, QTableWidgetItem& cell)> FormatCell;

signals:
    void BeginSort(int column);
    void EndSort(int column);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int CompareCells(const QString& a, const QString& b, TSortStyle style) const;
    void PaintRows();
    void FitHeaderTexts();

    TSortOptions sortOptions_;
    QStringList headers_;
    int pressedColumn_ = -1;
};

}  // namespace vis
