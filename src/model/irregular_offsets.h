// Small sideways offsets that make tableau piles look hand-laid when the
// "Irregular piles" option is on. A fresh table is drawn at every deal.
#pragma once

#include <array>
#include <cstdint>
#include <functional>

namespace vis {

inline constexpr int kIrregularRows = 7;
inline constexpr int kIrregularColumns = 13;

using IrregularOffsets = std::array<std::array<std::int8_t, kIrregularColumns>, kIrregularRows>;

// `drawZeroToThree` returns a uniformly drawn number from 0 to 3; values
// outside that range are clamped into it. Every row starts at 0 and wanders
// by at most two pixels either way.
IrregularOffsets GenerateIrregularOffsets(const std::function<int()>& drawZeroToThree);

// The offset of a tableau slot: `pileIndex` is 0-based, `slot` the 0-based
// place in the pile. Slots past 12 repeat the row from its second entry.
int IrregularOffsetAt(const IrregularOffsets& offsets, int pileIndex, int slot);

}  // namespace vis
