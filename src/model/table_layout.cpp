#include "model/table_layout.h"

#include <algorithm>
#include <limits>

namespace vis {

namespace {

template <std::size_t N>
void Fill(std::array<PileOrigin, N>& origins, std::int16_t marker) {
    origins.fill(PileOrigin{marker, marker});
}

template <std::size_t N>
PileOrigin Entry(const std::array<PileOrigin, N>& origins, int index, std::int16_t marker) {
    if (index < 0 || static_cast<std::size_t>(index) >= N) return PileOrigin{marker, marker};
    return origins[static_cast<std::size_t>(index)];
}

}  // namespace

void TableLayout::ResetOrigins() {
    Fill(stockGroup, kStockGroupUnset);
    Fill(foundations, kFoundationUnset);
    Fill(tableau, kTableauUnset);
    Fill(reserves, kReserveUnset);
}

PileOrigin StoredOrigin(const TableLayout& layout, PileRef pile) {
    switch (pile.list) {
        case PileList::Mazzo:
            return Entry(layout.stockGroup, pile.index, kStockGroupUnset);
        case PileList::Dest:
            return Entry(layout.foundations, pile.index, kFoundationUnset);
        case PileList::Fila:
            return Entry(layout.tableau, pile.index, kTableauUnset);
        case PileList::Appogg:
            return Entry(layout.reserves, pile.index, kReserveUnset);
    }
    return PileOrigin{kStockGroupUnset, kStockGroupUnset};
}

Point OriginOf(const TableLayout& layout, PileRef pile) {
    const PileOrigin origin = StoredOrigin(layout, pile);
    return Point{origin.x, origin.y - layout.scrollOffset};
}

bool IsOnTable(const TableLayout& layout, PileRef pile) {
    return StoredOrigin(layout, pile).x >= kOffTableLimit;
}

std::int16_t ToOriginValue(int value) {
    return static_cast<std::int16_t>(std::clamp<int>(
        value, std::numeric_limits<std::int16_t>::min(), std::numeric_limits<std::int16_t>::max()));
}

}  // namespace vis
