#include "view/geometry/scroll_bar.h"

#include <gtest/gtest.h>

#include "view/geometry/layout_fixture.h"

namespace vis {
namespace {

TEST(ScrollBarTest, PlanFollowsTheTableAgainstTheWindow) {
    struct Case {
        const char* name;
        bool shown;
        int clientHeight;
        int backBitmapHeight;
        int tableExtent;
        bool wanted;
        ScrollBarPlan expected;
    };
    // Big cards: two card heights are 192 pixels.
    const Case cases[] = {
        {"table fits", false, 600, 800, 500, true, {}},
        {"table fits exactly", false, 600, 800, 600, true, {}},
        {"too tall: grow by the overhang and two cards",
         false,
         600,
         800,
         700,
         true,
         {ScrollBarAction::kGrow, 292}},
        {"too tall but not wanted", false, 600, 800, 700, false, {}},
        {"shown, table fits again", true, 600, 1100, 600, true, {ScrollBarAction::kHide, 0}},
        {"shown, not wanted any more", true, 600, 1100, 5000, false, {ScrollBarAction::kHide, 0}},
        {"shown, bitmap still tall enough", true, 600, 900, 700, true, {}},
        {"shown, table outgrew the bitmap",
         true,
         600,
         800,
         700,
         true,
         {ScrollBarAction::kGrow, 292}},
    };
    TableLayout layout;
    for (const Case& c : cases) {
        layout.tableExtent = c.tableExtent;
        const ScrollBarState bar{c.shown, c.clientHeight, c.backBitmapHeight};
        EXPECT_EQ(PlanScrollBar(layout, bar, c.wanted), c.expected) << c.name;
    }
}

using ScrollingTest = test::LayoutFixture;

TEST_F(ScrollingTest, WantedOnlyForDownwardOrGridTableausWithTheOption) {
    struct Case {
        const char* option;
        int tableauFan;
        bool wanted;
    };
    const Case cases[] = {{"Y", 1, true},  {"Y", 8, true},  {"Y", 2, false},
                          {"Y", 7, false}, {"N", 1, false}, {"", 1, false}};
    for (const Case& c : cases) {
        ctx.state.Set(field::kVertScrollBar, c.option);
        ctx.rules.Set(rule::kTableauFan, c.tableauFan);
        EXPECT_EQ(ScrollingWanted(ctx), c.wanted) << c.option << " " << c.tableauFan;
    }
}

TEST_F(ScrollingTest, HidingTheBarScrollsBackToTheTop) {
    ctx.state.Set(field::kVertScrollBar, "Y");
    ctx.rules.Set(rule::kTableauFan, 1);
    ctx.game.layout.scrollOffset = 120;
    ctx.game.layout.tableExtent = 900;
    EXPECT_EQ(UpdateScrollBar(ctx, {true, 600, 1400}).action, ScrollBarAction::kNone);
    EXPECT_EQ(ctx.game.layout.scrollOffset, 120);
    ctx.game.layout.tableExtent = 500;
    EXPECT_EQ(UpdateScrollBar(ctx, {true, 600, 1400}).action, ScrollBarAction::kHide);
    EXPECT_EQ(ctx.game.layout.scrollOffset, 0);
}

// A table that does not fan downwards still scrolls while the window is too
// low for it, and stops once it fits; the option still rules.
TEST_F(ScrollingTest, ATableTallerThanTheWindowScrollsWhateverItsFan) {
    struct Case {
        const char* option;
        bool shown;
        int tableExtent;
        ScrollBarAction expected;
    };
    const Case cases[] = {
        {"Y", false, 700, ScrollBarAction::kGrow},
        {"Y", false, 500, ScrollBarAction::kNone},
        {"Y", true, 500, ScrollBarAction::kHide},
        {"N", false, 700, ScrollBarAction::kNone},
    };
    ctx.rules.Set(rule::kTableauFan, 2);
    for (const Case& c : cases) {
        ctx.state.Set(field::kVertScrollBar, c.option);
        ctx.game.layout.tableExtent = c.tableExtent;
        EXPECT_EQ(UpdateScrollBar(ctx, {c.shown, 600, 1400}).action, c.expected)
            << c.option << " " << c.shown << " " << c.tableExtent;
    }
}

TEST(ScrollBarTest, PlainBitmapCoversTheScreenAndAMargin) {
    const ScreenSize size = PlainBackBitmapSize({1280, 1024});
    EXPECT_EQ(size.width, 1310);
    EXPECT_EQ(size.height, 1054);
}

}  // namespace
}  // namespace vis
