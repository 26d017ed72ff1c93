// Where every pile of the table lies, and the card and fan sizes that the
// painting, the hit test and the card motion share. Nothing here is saved:
// it is recomputed from the rules, the card size and the window.
#pragma once

#include <array>
#include <cstdint>

#include "model/irregular_offsets.h"
#include "model/piles.h"

namespace vis {

// Origins that read these values were not placed by the layout; anything
// with an x below kOffTableLimit is not on the table.
inline constexpr std::int16_t kStockGroupUnset = -10000;
inline constexpr std::int16_t kFoundationUnset = -10001;
inline constexpr std::int16_t kTableauUnset = -10002;
inline constexpr std::int16_t kReserveUnset = -10003;
inline constexpr int kOffTableLimit = -9999;

// A pixel rectangle whose four edges belong to it.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool operator==(const Rect&) const = default;
    bool Contains(int x, int y) const { return x >= left && x <= right && y >= top && y <= bottom; }
};

struct Point {
    int x = 0;
    int y = 0;
    bool operator==(const Point&) const = default;
};

// Top-left corner of a pile on the unscrolled table.
struct PileOrigin {
    std::int16_t x;
    std::int16_t y;
    bool operator==(const PileOrigin&) const = default;
};

// Distances by which cards are fanned inside a pile.
struct FanSteps {
    int faceUpDown = 0;     // y step after a face-up card, downward fans
    int faceDownDown = 0;   // y step after a face-down card, downward fans
    int faceUpRight = 0;    // x step after a face-up card, rightward fans
    int faceDownRight = 0;  // x step after a face-down card, rightward fans
    int sideGap = 6;        // between cards laid side by side
    int reserveStack = 3;   // y step per card of a stacked reserve
    int overlap = 0;        // x step of an overlapping tableau
    int gridGapX = 12;      // added to the card size in grid spreads
    int gridGapY = 8;
};

struct ScreenSize {
    int width = 1024;
    int height = 768;
};

struct TableLayout {
    int cardWidth = 71;
    int cardHeight = 96;
    int shadowMargin = 0;
    FanSteps fan;

    // Room for one more entry than the piles of each kind, as the tables
    // have always been laid out.
    std::array<PileOrigin, 4> stockGroup;  // 0 stock, 1 waste, 2 extra pile
    std::array<PileOrigin, 17> foundations;
    std::array<PileOrigin, 30> tableau;
    std::array<PileOrigin, 9> reserves;

    // Vertical scroll position of the table; readers of a y subtract it.
    int scrollOffset = 0;
    // Largest painted card bottom (plus scroll position) since the last
    // full repaint; drives the scroll bar.
    int tableExtent = 0;
    // Largest painted card right edge since the last full repaint: a table
    // wider than the window scrolls sideways.
    int tableRightExtent = 0;
    // The display the last layout was computed for; grid rows of unlimited
    // width are as wide as the screen.
    ScreenSize screen;
    // Set while the game-selection dialog asks for a preview.
    bool preview = false;

    IrregularOffsets irregular{};

    TableLayout() { ResetOrigins(); }
    // Every origin back to its kind's unset marker.
    void ResetOrigins();
};

// The stored origin of a pile (y not scrolled); the unset marker of its
// kind for an index outside the table.
PileOrigin StoredOrigin(const TableLayout& layout, PileRef pile);
// The origin as painting and hit-testing use it: y less the scroll offset.
Point OriginOf(const TableLayout& layout, PileRef pile);
bool IsOnTable(const TableLayout& layout, PileRef pile);

// Stores a computed coordinate in a 16-bit origin, saturating instead of
// wrapping so that an absurd window size cannot fold a pile back on screen.
std::int16_t ToOriginValue(int value);

}  // namespace vis
