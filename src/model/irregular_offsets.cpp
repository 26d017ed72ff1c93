#include "model/irregular_offsets.h"

#include <algorithm>

namespace vis {

IrregularOffsets GenerateIrregularOffsets(const std::function<int()>& drawZeroToThree) {
    const auto draw = [&] { return std::clamp(drawZeroToThree(), 0, 3); };
    IrregularOffsets offsets{};
    for (auto& row : offsets) {
        row[0] = 0;
        int previous = draw();
        int sum = 0;
        for (int i = 1; i < kIrregularColumns; ++i) {
            int r = draw();
            // A step is followed by a pause, and a step back never comes twice
            // in a row, so a pile drifts slowly instead of zigzagging.
            if ((previous > 2 && r > 2) || (r > 0 && previous <= 2 && r <= 2)) r = 0;
            const int step = r < 3 ? r : 2 - r;
            sum += step;
            int value = step;
            if (sum >= 3) {
                value = step - 2;
                sum -= 2;
            } else if (sum < -2) {
                value = step + 2;
                sum += 2;
            }
            row[static_cast<std::size_t>(i)] = static_cast<std::int8_t>(value);
            previous = r;
        }
    }
    return offsets;
}

int IrregularOffsetAt(const IrregularOffsets& offsets, int pileIndex, int slot) {
    if (pileIndex < 0 || slot < 0) return 0;
    const int row = pileIndex < kIrregularRows ? pileIndex : pileIndex % 6;
    const int column = slot > 12 ? slot % 12 : slot;
    return offsets[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
}

}  // namespace vis
