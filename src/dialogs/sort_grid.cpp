#include "dialogs/sort_grid.h"

#include <QDateTime>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLocale>
#include <QMouseEvent>
#include <algorithm>
#include <cmath>
#include <numeric>

namespace vis {

namespace {

const QColor kLightCyan(200, 255, 255);
const QColor kLightYellow(255, 255, 200);
const QColor kLightGreen(200, 255, 200);
constexpr double kEmptyNumber = -999999999999.0;

std::optional<double> ToNumber(const QString& text) {
    // "inf" and "nan" are names in a player or game column, not numbers;
    // a NaN would also break the ordering of the sort.
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (ok && std::isfinite(value)) return value;
    const double local = QLocale().toDouble(text.trimmed(), &ok);
    return ok && std::isfinite(local) ? std::optional<double>(local) : std::nullopt;
}

std::optional<QDateTime> ToDateTime(const QString& text) {
    const QString t = text.trimmed();
    const QLocale locale;
    for (const auto format : {QLocale::ShortFormat, QLocale::LongFormat}) {
        QDateTime dt = locale.toDateTime(t, format);
        if (dt.isValid()) return dt;
        const QDate date = locale.toDate(t, format);
        if (date.isValid()) return QDateTime(date, QTime(0, 0));
    }
    const QDateTime iso = QDateTime::fromString(t, Qt::ISODate);
    if (iso.isValid()) return iso;
    const QDate plain = QDate::fromString(t, "yyyyMMdd");
    if (plain.isValid()) return QDateTime(plain, QTime(0, 0));
    return std::nullopt;
}

std::optional<QTime> ToTime(const QString& text) {
    const QString t = text.trimmed();
    for (const char* format : {"hh:mm:ss", "h:mm:ss", "hh:mm", "h:mm"}) {
        const QTime time = QTime::fromString(t, format);
        if (time.isValid()) return time;
    }
    const QTime local = QLocale().toTime(t, QLocale::ShortFormat);
    return local.isValid() ? std::optional<QTime>(local) : std::nullopt;
}

template <typename T>
int Order(const T& a, const T& b) {
    return a < b ? -1 : (b < a ? 1 : 0);
}

// Room the header leaves around its text.
constexpr int kHeaderTextMargin = 8;

}  // namespace

QString CutHeaderText(const QString& text, int width, const QFontMetrics& metrics) {
    if (metrics.horizontalAdvance(text) <= width || text.size() < 3) return text;
    QString cut = text.left(text.size() - 2) + "..";
    while (cut.size() > 3 && metrics.horizontalAdvance(cut) > width) cut.remove(cut.size() - 3, 1);
    return cut;
}

TSortGrid::TSortGrid(QWidget* parent, int cellsColor)
    : QTableWidget(parent), m_CellsColor(cellsColor) {
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSortingEnabled(false);
    verticalHeader()->hide();
    horizontalHeader()->setSectionsClickable(true);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setTextElideMode(Qt::ElideNone);
    horizontalHeader()->setSortIndicatorShown(false);
    horizontalHeader()->viewport()->installEventFilter(this);
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, [this] { FitHeaderTexts(); });
    setStyleSheet("QTableWidget::item:selected { background: teal; color: white; }");
}

void TSortGrid::SetHeaders(const QStringList& headers) {
    headers_ = headers;
    setColumnCount(static_cast<int>(headers.size()));
    setHorizontalHeaderLabels(headers);
    for (int c = 0; c < columnCount(); ++c) horizontalHeaderItem(c)->setToolTip(headers[c]);
    FitHeaderTexts();
}

void TSortGrid::SetMultiSelect(bool on) {
    setSelectionMode(on ? QAbstractItemView::ExtendedSelection
                        : QAbstractItemView::SingleSelection);
}

void TSortGrid::FitHeaderTexts() {
    const QFontMetrics metrics(horizontalHeader()->font());
    for (int c = 0; c < columnCount() && c < headers_.size(); ++c) {
        QTableWidgetItem* header = horizontalHeaderItem(c);
        if (!header) continue;
        const QString fitted = CutHeaderText(
            headers_[c], horizontalHeader()->sectionSize(c) - kHeaderTextMargin, metrics);
        if (header->text() != fitted) header->setText(fitted);
    }
}

void TSortGrid::SetRows(const QList<QStringList>& rows) {
    clearContents();
    setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < rowCount(); ++r) {
        const QStringList& cells = rows[r];
        for (int c = 0; c < columnCount(); ++c) {
            auto* item = new QTableWidgetItem(c < cells.size() ? cells[c] : QString());
            item->setTextAlignment(Qt::AlignLeft | Qt::AlignTop);
            setItem(r, c, item);
        }
    }
    sortOptions_.SortColumn = -1;
    horizontalHeader()->setSortIndicatorShown(false);
    PaintRows();
    if (rowCount() > 0) setCurrentCell(0, 0);
}

QString TSortGrid::Cell(int row, int column) const {
    const QTableWidgetItem* cell = item(row, column);
    return cell ? cell->text() : QString();
}

TSortStyle TSortGrid::DetectStyle(int column) const {
    bool numeric = true;
    bool dates = true;
    for (int r = 0; r < rowCount() && (numeric || dates); ++r) {
        const QString text = Cell(r, column);
        if (text.trimmed().isEmpty()) continue;
        if (numeric && !ToNumber(text)) numeric = false;
        // Every cell must be a date, including the numbers met before the
        // first cell that was not one.
        if (dates && !ToDateTime(text)) dates = false;
    }
    if (numeric) return TSortStyle::ssNumeric;
    return dates ? TSortStyle::ssDateTime : TSortStyle::ssAlphabetic;
}

int TSortGrid::CompareCells(const QString& a, const QString& b, TSortStyle style) const {
    switch (style) {
        case TSortStyle::ssNumeric: {
            const auto x =
                a.trimmed().isEmpty() ? kEmptyNumber : ToNumber(a).value_or(kEmptyNumber);
            const auto y =
                b.trimmed().isEmpty() ? kEmptyNumber : ToNumber(b).value_or(kEmptyNumber);
            return Order(x, y);
        }
        case TSortStyle::ssDateTime: {
            const bool emptyA = a.trimmed().isEmpty();
            const bool emptyB = b.trimmed().isEmpty();
            if (emptyA || emptyB) return Order(emptyA ? 0 : 1, emptyB ? 0 : 1);
            const auto x = ToDateTime(a);
            const auto y = ToDateTime(b);
            return x && y ? Order(*x, *y) : 0;
        }
        case TSortStyle::ssTime: {
            const auto x = ToTime(a);
            const auto y = ToTime(b);
            return x && y ? Order(*x, *y) : 0;
        }
        default: {
            const QByteArray x = (sortOptions_.SortCaseSensitive ? a : a.toLower()).toLocal8Bit();
            const QByteArray y = (sortOptions_.SortCaseSensitive ? b : b.toLower()).toLocal8Bit();
            return Order(x, y);
        }
    }
}

void TSortGrid::SortByColumn(int column, TSortDirection direction) {
    if (column < 0 || column >= columnCount()) return;
    emit BeginSort(column);
    const TSortStyle style = sortOptions_.SortStyle == TSortStyle::ssAutomatic
                                 ? DetectStyle(column)
                                 : sortOptions_.SortStyle;

    std::vector<int> order(static_cast<std::size_t>(rowCount()));
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        int result = CompareCells(Cell(a, column), Cell(b, column), style);
        if (direction == TSortDirection::sdDescending) result = -result;
        return result < 0;
    });

    const int current = currentRow();
    const int keptColumn = std::max(0, currentColumn());
    QList<QList<QTableWidgetItem*>> taken;
    for (int r = 0; r < rowCount(); ++r) {
        QList<QTableWidgetItem*> cells;
        for (int c = 0; c < columnCount(); ++c) cells.push_back(takeItem(r, c));
        taken.push_back(cells);
    }
    for (int r = 0; r < rowCount(); ++r)
        for (int c = 0; c < columnCount(); ++c)
            setItem(r, c, taken[order[static_cast<std::size_t>(r)]][c]);

    sortOptions_.SortColumn = column;
    sortOptions_.SortDirection = direction;
    horizontalHeader()->setSortIndicatorShown(true);
    horizontalHeader()->setSortIndicator(column, direction == TSortDirection::sdAscending
                                                     ? Qt::AscendingOrder
                                                     : Qt::DescendingOrder);
    PaintRows();
    // The same row number stays current, as the grid has always behaved.
    if (current >= 0) setCurrentCell(current, keptColumn);
    emit EndSort(column);
    viewport()->update();
}

void TSortGrid::SortColumnClicked(int column, bool rightButton) {
    if (rowCount() <= 1) {
        viewport()->update();
        return;
    }
    TSortDirection direction = TSortDirection::sdAscending;
    if (rightButton || (column == sortOptions_.SortColumn &&
                        sortOptions_.SortDirection == TSortDirection::sdAscending))
        direction = TSortDirection::sdDescending;
    SortByColumn(column, direction);
}

bool TSortGrid::eventFilter(QObject* watched, QEvent* event) {
    if (watched == horizontalHeader()->viewport()) {
        if (event->type() == QEvent::MouseButtonPress) {
            auto* mouse = static_cast<QMouseEvent*>(event);
            pressedColumn_ = horizontalHeader()->logicalIndexAt(mouse->position().toPoint());
            return false;
        }
        if (event->type() == QEvent::MouseButtonRelease) {
            auto* mouse = static_cast<QMouseEvent*>(event);
            const QPoint at = mouse->position().toPoint();
            // A release dragged off the header row cancels the click.
            const bool inHeader = horizontalHeader()->viewport()->rect().contains(at);
            const int column = inHeader ? horizontalHeader()->logicalIndexAt(at) : -1;
            if (column >= 0 && column == pressedColumn_)
                SortColumnClicked(column, mouse->button() == Qt::RightButton);
            pressedColumn_ = -1;
            return false;
        }
    }
    return QTableWidget::eventFilter(watched, event);
}

void TSortGrid::keyPressEvent(QKeyEvent* event) {
    const QString text = event->text();
    if (text.size() == 1 && text[0].isPrint() && !text[0].isSpace() && rowCount() > 0 &&
        !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        const QString letter = text.toUpper();
        const int current = std::max(0, currentRow());
        auto startsWith = [&](int row) { return Cell(row, 0).toUpper().startsWith(letter); };
        int found = -1;
        for (int r = current + 1; r < rowCount() && found < 0; ++r)
            if (startsWith(r)) found = r;
        for (int r = 0; r <= current && found < 0; ++r)
            if (startsWith(r)) found = r;
        if (found >= 0) setCurrentCell(found, std::max(0, currentColumn()));
        return;
    }
    QTableWidget::keyPressEvent(event);
}

void TSortGrid::PaintRows() {
    // Row numbers count the header as row 0, so the first data row is odd;
    // there is no fixed column, so the first column is column 0, even.
    for (int r = 0; r < rowCount(); ++r) {
        const int gridRow = r + 1;
        for (int c = 0; c < columnCount(); ++c) {
            QTableWidgetItem* cell = item(r, c);
            if (!cell) continue;
            const int gridColumn = c;
            QColor colour = Qt::white;
            if (m_CellsColor == 1 && gridRow % 2 == 0) colour = kLightCyan;
            if (m_CellsColor == 2) {
                if (gridRow % 2 == 1)
                    colour = gridColumn % 2 == 1 ? QColor(Qt::white) : kLightYellow;
                else
                    colour = gridColumn % 2 == 1 ? kLightCyan : kLightGreen;
            }
            cell->setBackground(colour);
            if (FormatCell) FormatCell(r, c, *cell);
        }
    }
}

}  // namespace vis
