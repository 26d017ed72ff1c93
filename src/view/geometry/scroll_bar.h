// When the table is taller than the window: what the vertical scroll bar
// has to do. The UI carries the plan out on its bitmaps and scroll bar.
#pragma once

#include "model/game_context.h"
#include "model/table_layout.h"

namespace vis {

struct ScrollBarState {
    bool shown = false;
    int clientHeight = 0;
    int backBitmapHeight = 0;  // height of the off-screen table picture
};

enum class ScrollBarAction {
    kNone,
    // Reset the bar (position 0, maximum 100), hide it and run the resize
    // handling again, which gives the bitmaps their plain size.
    kHide,
    // Make both bitmaps `extra` taller, raise the bar's maximum by
    // `extra` - 30, show the bar along the right edge and repaint.
    kGrow,
};

struct ScrollBarPlan {
    ScrollBarAction action = ScrollBarAction::kNone;
    int extra = 0;
    bool operator==(const ScrollBarPlan&) const = default;
};

// Scrolling is offered only with the scroll bar option on (state field 243)
// and a tableau that fans downwards or spreads as a grid (fan type 1 or 8).
bool ScrollingWanted(const GameContext& ctx);

ScrollBarPlan PlanScrollBar(const TableLayout& layout, const ScrollBarState& bar, bool wanted);

// A table that does not grow downwards in play is still scrolled while the
// window is too low to show it whole (with the option on), so that no pile
// is out of reach.
bool TallerThanWindow(const GameContext& ctx, const ScrollBarState& bar);

// Plans for the current game, scrolling when it is wanted or the table is
// taller than the window; a bar that goes away takes the scroll offset
// back to 0.
ScrollBarPlan UpdateScrollBar(GameContext& ctx, const ScrollBarState& bar);

// Without a scroll bar the off-screen pictures cover the screen and a
// margin of 30 pixels.
ScreenSize PlainBackBitmapSize(ScreenSize screen);

}  // namespace vis
