#include "view/geometry/scroll_bar.h"

#include "model/rule_index.h"
#include "view/geometry/fan_types.h"

namespace vis {

namespace {
// Added to the client height when scrolling is not wanted, so that a shown
// bar is always taken away.
constexpr int kNeverTooTall = 10000;
}  // namespace

bool ScrollingWanted(const GameContext& ctx) {
    const int tableauFan = ctx.rules[rule::kTableauFan];
    return ctx.state.GetSettings().vertScrollBar &&
           (tableauFan == fan::kDown || tableauFan == fan::kRowOfCells);
}

ScrollBarPlan PlanScrollBar(const TableLayout& layout, const ScrollBarState& bar, bool wanted) {
    const int extent = layout.tableExtent;
    const int twoCards = 2 * layout.cardHeight;
    if (bar.shown && bar.clientHeight + (wanted ? 0 : kNeverTooTall) >= extent)
        return ScrollBarPlan{ScrollBarAction::kHide, 0};
    const bool needed =
        bar.shown ? bar.backBitmapHeight - twoCards < extent : bar.clientHeight < extent;
    if (needed && wanted)
        return ScrollBarPlan{ScrollBarAction::kGrow, twoCards + extent - bar.clientHeight};
    return ScrollBarPlan{};
}

bool TallerThanWindow(const GameContext& ctx, const ScrollBarState& bar) {
    return ctx.state.GetSettings().vertScrollBar && ctx.game.layout.tableExtent > bar.clientHeight;
}

ScrollBarPlan UpdateScrollBar(GameContext& ctx, const ScrollBarState& bar) {
    const bool wanted = ScrollingWanted(ctx) || TallerThanWindow(ctx, bar);
    const ScrollBarPlan plan = PlanScrollBar(ctx.game.layout, bar, wanted);
    if (plan.action == ScrollBarAction::kHide) ctx.game.layout.scrollOffset = 0;
    return plan;
}

ScreenSize PlainBackBitmapSize(ScreenSize screen) {
    return ScreenSize{screen.width + 30, screen.height + 30};
}

}  // namespace vis
