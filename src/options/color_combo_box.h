// C_TColorComboBox: a list of named colours, each shown as a swatch before
// its name.
#pragma once

#include <QComboBox>
#include <cstdint>

namespace vis {

enum class ColorSort { ccsUnsorted, ccsColor, ccsText };

class C_TColorComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit C_TColorComboBox(QWidget* parent = nullptr);

    int ColorWidth() const { return colorWidth_; }
    // Widths below 5 leave no room for a swatch and are refused.
    void SetColorWidth(int width);
    ColorSort SortBy() const { return sortBy_; }
    // Re-sorts the items, keeping the selected colour selected.
    void SetSortBy(ColorSort sort);

    // `value` is red + 256 x green + 65536 x blue.
    void AddColor(const QString& name, std::int64_t value);
    // The selected item's value, or -1 when none is selected.
    std::int64_t SelectedColor() const;
    std::int64_t ColorAt(int index) const;

private:
    int InsertPosition(const QString& name, std::int64_t value) const;

    int colorWidth_ = 20;
    ColorSort sortBy_ = ColorSort::ccsUnsorted;
};

// The colour a stored value stands for (no system colours here).
QColor ColorOfValue(std::int64_t value);

}  // namespace vis
