#include "model/irregular_offsets.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace vis {
namespace {

// Draws the scripted numbers in turn, over and over.
std::function<int()> Script(std::vector<int> draws) {
    return [draws, next = std::size_t{0}]() mutable { return draws[next++ % draws.size()]; };
}

TEST(IrregularOffsetsTest, RowsFollowTheirDraws) {
    struct Case {
        const char* name;
        std::vector<int> draws;  // one for the row start, then one per entry
        std::array<std::int8_t, kIrregularColumns> row;
    };
    const Case cases[] = {
        // A step back after a step back is dropped; the sum never falls
        // below -2, so every third step back turns into a step forward.
        {"steps back", {3}, {0, 0, -1, 0, -1, 0, 1, 0, -1, 0, 1, 0, -1}},
        // Forward steps only come after a step back, and a sum of 3 is
        // brought back by 2.
        {"forward after back", {3, 2}, {0, 2, -1, 0, -1, 2, -1, 0, -1, 2, -1, 0, -1}},
        {"small steps alone are dropped", {1}, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        {"draws out of range are clamped", {7, 2}, {0, 2, -1, 0, -1, 2, -1, 0, -1, 2, -1, 0, -1}},
    };
    for (const Case& c : cases) {
        // 13 draws per row, so every row starts the script afresh.
        std::vector<int> perRow;
        for (int i = 0; i < kIrregularColumns; ++i)
            perRow.push_back(c.draws[std::size_t(i) % c.draws.size()]);
        const IrregularOffsets offsets = GenerateIrregularOffsets(Script(perRow));
        for (const auto& row : offsets) EXPECT_EQ(row, c.row) << c.name;
    }
}

TEST(IrregularOffsetsTest, RandomTablesStayWithinTwoPixels) {
    std::mt19937 engine(7);
    std::uniform_int_distribution<int> zeroToThree(0, 3);
    for (int round = 0; round < 200; ++round) {
        const IrregularOffsets offsets =
            GenerateIrregularOffsets([&] { return zeroToThree(engine); });
        for (const auto& row : offsets) {
            EXPECT_EQ(row[0], 0);
            int drift = 0;
            for (const std::int8_t value : row) {
                EXPECT_GE(value, -2);
                EXPECT_LE(value, 2);
                drift += value;
                EXPECT_GE(drift, -2);
                EXPECT_LE(drift, 2);
            }
        }
    }
}

TEST(IrregularOffsetsTest, PilesAndSlotsBeyondTheTableReuseIt) {
    IrregularOffsets offsets{};
    for (int r = 0; r < kIrregularRows; ++r)
        for (int c = 0; c < kIrregularColumns; ++c)
            offsets[std::size_t(r)][std::size_t(c)] = std::int8_t(r * 13 + c);
    struct Case {
        int pile;
        int slot;
        int expected;
    };
    const Case cases[] = {
        {0, 0, 0},   {6, 12, 90}, {7, 0, 13},  // pile 7 uses row 7 mod 6 = 1
        {27, 3, 42},                           // 27 mod 6 = 3
        {0, 13, 1},  {0, 24, 0},  {0, 25, 1},  // slots past 12 wrap by 12
        {0, -1, 0},  {-1, 2, 0},               // no slot: no offset
    };
    for (const Case& c : cases)
        EXPECT_EQ(IrregularOffsetAt(offsets, c.pile, c.slot), c.expected)
            << c.pile << "/" << c.slot;
}

}  // namespace
}  // namespace vis
