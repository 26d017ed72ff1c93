#include "view/geometry/card_size.h"

#include <gtest/gtest.h>

#include "view/geometry/layout_fixture.h"

namespace vis {
namespace {

using CardSizeTest = test::LayoutFixture;

TEST_F(CardSizeTest, SizeLetterSetsTheCardAndReloadsItsPictures) {
    struct Case {
        const char* letter;
        int width;
        int height;
    };
    // Each letter follows the previous one; an unknown letter keeps it.
    const Case cases[] = {{"M", 59, 80}, {"L", 25, 32}, {"X", 25, 32}, {"", 25, 32}, {"B", 71, 96}};
    for (const Case& c : cases) {
        ui.ClearLog();
        ctx.state.Set(field::kCardSize, c.letter);
        ApplyCardSize(ctx);
        EXPECT_EQ(ctx.game.layout.cardWidth, c.width) << c.letter;
        EXPECT_EQ(ctx.game.layout.cardHeight, c.height) << c.letter;
        EXPECT_EQ(ui.Log(), std::vector<std::string>{"reload card images"}) << c.letter;
    }
}

TEST_F(CardSizeTest, ShadowMarginOnlyForShadowedCards) {
    for (const auto& [flag, margin] : {std::pair{"Y", 9}, std::pair{"N", 0}, std::pair{"", 0}}) {
        ctx.state.Set(field::kCardsShadowed, flag);
        UpdateShadowMargin(ctx);
        EXPECT_EQ(ctx.game.layout.shadowMargin, margin) << flag;
    }
}

TEST_F(CardSizeTest, FanStepsBySizeAndFanTypes) {
    struct Case {
        const char* letter;
        int tableauFan;
        int reserveFan;
        FanSteps expected;  // down up/down, right up/down, side, stack, overlap, grid x/y
    };
    const Case cases[] = {
        {"B", 1, 0, {18, 4, 0, 0, 6, 3, 0, 12, 8}},
        {"M", 1, 0, {14, 4, 0, 0, 6, 3, 0, 8, 6}},
        {"L", 1, 0, {3, 3, 0, 0, 6, 3, 0, 4, 3}},  // small cards: both down steps 3
        {"B", 7, 0, {18, 4, 0, 0, 6, 3, 0, 12, 8}},
        {"B", 4, 1, {18, 4, 0, 0, 6, 3, 0, 12, 8}},  // a fanned reserve is enough
        {"B", 2, 0, {0, 0, 12, 4, 6, 3, 0, 12, 8}},
        {"M", 0, 2, {0, 0, 10, 4, 6, 3, 0, 8, 6}},
        {"L", 2, 0, {0, 0, 3, 3, 6, 3, 0, 4, 3}},
        {"B", 6, 0, {0, 0, 0, 0, 6, 3, 7, 12, 8}},
        {"M", 6, 0, {0, 0, 0, 0, 6, 3, 5, 8, 6}},
        {"L", 6, 0, {0, 0, 0, 0, 6, 3, 3, 4, 3}},
        {"B", 1, 2, {18, 4, 12, 4, 6, 3, 0, 12, 8}},
        {"B", 4, 5, {0, 0, 0, 0, 6, 3, 0, 12, 8}},
        {"?", 1, 0, {18, 4, 0, 0, 6, 3, 0, 12, 8}},  // an unknown letter fans as "B"
    };
    for (const Case& c : cases) {
        ctx.state.Set(field::kCardSize, c.letter);
        ctx.rules.Set(rule::kTableauFan, c.tableauFan);
        ctx.rules.Set(rule::kReserveFan, c.reserveFan);
        ctx.game.layout.fan = FanSteps{99, 99, 99, 99, 99, 99, 99, 99, 99};  // stale values go
        SetFanSteps(ctx);
        const FanSteps& f = ctx.game.layout.fan;
        const FanSteps& e = c.expected;
        const auto label = std::string(c.letter) + " tableau " + std::to_string(c.tableauFan) +
                           " reserve " + std::to_string(c.reserveFan);
        EXPECT_EQ(f.faceUpDown, e.faceUpDown) << label;
        EXPECT_EQ(f.faceDownDown, e.faceDownDown) << label;
        EXPECT_EQ(f.faceUpRight, e.faceUpRight) << label;
        EXPECT_EQ(f.faceDownRight, e.faceDownRight) << label;
        EXPECT_EQ(f.sideGap, e.sideGap) << label;
        EXPECT_EQ(f.reserveStack, e.reserveStack) << label;
        EXPECT_EQ(f.overlap, e.overlap) << label;
        EXPECT_EQ(f.gridGapX, e.gridGapX) << label;
        EXPECT_EQ(f.gridGapY, e.gridGapY) << label;
    }
}

}  // namespace
}  // namespace vis
