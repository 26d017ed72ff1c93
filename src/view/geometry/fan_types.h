// How the cards of a pile are spread: the fan type codes of rules 3
// (tableau), 4 (foundations) and 5 (reserves).
#pragma once

namespace vis::fan {

inline constexpr int kNone = 0;
inline constexpr int kDown = 1;            // downwards, by the face of each card
inline constexpr int kRight = 2;           // to the right, by the face of each card
inline constexpr int kSquared = 3;         // stacked, only the top card shows
inline constexpr int kSideBySide = 4;      // cards laid next to each other
inline constexpr int kStackedReserve = 5;  // a few pixels down per card
inline constexpr int kOverlap = 6;         // a few pixels right per card
inline constexpr int kOneStep = 7;         // the top card one step below the rest
inline constexpr int kRowOfCells = 8;      // tableau pile 1 holds a grid of cells
inline constexpr int kCardRow = 9;         // each tableau pile is a row of cards

}  // namespace vis::fan
