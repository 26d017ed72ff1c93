#include "options/color_combo_box.h"

#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QStyledItemDelegate>
#include <vector>

namespace vis {

namespace {

constexpr int kMinimumColorWidth = 5;
constexpr int kNameGap = 3;
constexpr int kSwatchInset = 2;
constexpr int kValueRole = Qt::UserRole + 1;

class SwatchDelegate : public QStyledItemDelegate {
public:
    explicit SwatchDelegate(const C_TColorComboBox& owner)
        : QStyledItemDelegate(const_cast<C_TColorComboBox*>(&owner)), owner_(owner) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem plain = option;
        plain.text.clear();
        plain.icon = QIcon();
        plain.features &= ~QStyleOptionViewItem::HasDecoration;
        QStyledItemDelegate::paint(painter, plain, index);
        const QRect r = option.rect;
        const QRect swatch(QPoint(r.left() + kSwatchInset, r.top() + kSwatchInset),
                           QPoint(r.left() + owner_.ColorWidth() - 1, r.bottom()));
        painter->fillRect(swatch, ColorOfValue(index.data(kValueRole).toLongLong()));
        painter->setPen(option.state & QStyle::State_Selected
                            ? option.palette.highlightedText().color()
                            : option.palette.text().color());
        const QRect textRect(r.left() + owner_.ColorWidth() + kNameGap, r.top(),
                             r.width() - owner_.ColorWidth() - kNameGap, r.height());
        painter->drawText(textRect, Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine,
                          index.data(Qt::DisplayRole).toString());
    }

private:
    const C_TColorComboBox& owner_;
};

}  // namespace

QColor ColorOfValue(std::int64_t value) {
    return QColor(static_cast<int>(value & 0xff), static_cast<int>((value >> 8) & 0xff),
                  static_cast<int>((value >> 16) & 0xff));
}

C_TColorComboBox::C_TColorComboBox(QWidget* parent) : QComboBox(parent) {
    setItemDelegate(new SwatchDelegate(*this));
    setEditable(false);
}

void C_TColorComboBox::SetColorWidth(int width) {
    if (width < kMinimumColorWidth) return;
    colorWidth_ = width;
    update();
}

std::int64_t C_TColorComboBox::ColorAt(int index) const {
    if (index < 0 || index >= count()) return -1;
    return itemData(index, kValueRole).toLongLong();
}

std::int64_t C_TColorComboBox::SelectedColor() const {
    return ColorAt(currentIndex());
}

int C_TColorComboBox::InsertPosition(const QString& name, std::int64_t value) const {
    for (int i = 0; i < count(); ++i) {
        if (sortBy_ == ColorSort::ccsColor && ColorAt(i) > value) return i;
        if (sortBy_ == ColorSort::ccsText && itemText(i).toLower() > name.toLower()) return i;
    }
    return count();
}

void C_TColorComboBox::AddColor(const QString& name, std::int64_t value) {
    const int at = InsertPosition(name, value);
    // The icon shows the swatch in the closed box too.
    QPixmap swatch(colorWidth_, 12);
    swatch.fill(ColorOfValue(value));
    insertItem(at, QIcon(swatch), name);
    setItemData(at, static_cast<qlonglong>(value), kValueRole);
}

void C_TColorComboBox::SetSortBy(ColorSort sort) {
    if (sort == sortBy_) return;
    sortBy_ = sort;
    const int selected = currentIndex();
    const QString selectedName = selected >= 0 ? itemText(selected) : QString();
    const std::int64_t selectedValue = SelectedColor();
    std::vector<std::pair<QString, std::int64_t>> items;
    for (int i = 0; i < count(); ++i) items.emplace_back(itemText(i), ColorAt(i));
    clear();
    for (const auto& [name, value] : items) AddColor(name, value);
    setCurrentIndex(-1);
    if (selected < 0) return;
    for (int i = 0; i < count(); ++i)
        if (itemText(i) == selectedName && ColorAt(i) == selectedValue) setCurrentIndex(i);
}

}  // namespace vis
