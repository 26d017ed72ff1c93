// What every painting step works on: the game, the card pictures, the two
// table pictures and the facts about the display. The painter owns them;
// the steps receive them together.
#pragma once

#include <optional>
#include <string>

#include <QPoint>
#include <QRect>
#include <algorithm>
#include <array>

#include "model/game_context.h"
#include "model/table_layout.h"
#include "view/paint/card_images.h"
#include "view/paint/table_picture.h"

namespace vis {

class ResourceLibrary;

// Where a stock-group pile was drawn: the block of a thick stock stands up
// and left of the pile's place in the layout, and its origin is moved there
// so that hit-testing and motion find the visible top card.
struct StockBlock {
    PileOrigin base{kStockGroupUnset, kStockGroupUnset};
    PileOrigin placed{kStockGroupUnset, kStockGroupUnset};
    int depth = 0;
};

struct DisplayFacts {
    // More than 256 colours: the default green is darker and fades are drawn.
    bool richColours = true;
    // The vertical scroll bar is shown; the fade then reaches further down.
    bool scrollBarShown = false;
    // A picture file painted in place of the configured one, so a preview of
    // the options never has to write the configuration file.
    std::optional<std::string> customBackground = std::nullopt;
};

struct PaintScene {
    GameContext& ctx;
    const ResourceLibrary& library;
    CardImages& images;
    TablePicture& picture;
    std::array<StockBlock, kMazzoPileCount>& stockBlocks;
    DisplayFacts display;

    TableLayout& Layout() { return ctx.game.layout; }
    const TableLayout& Layout() const { return ctx.game.layout; }
    QImage& Back() { return picture.BackBitmap(); }
    QImage& Background() { return picture.BackgroundBitmap(); }

    // A point as painting gets it (y less the scroll offset) on the
    // unscrolled off-screen table.
    QPoint OnBitmap(Point scrolled) const {
        return QPoint(scrolled.x, scrolled.y + Layout().scrollOffset);
    }
    QRect CardRectOnBitmap(Point scrolled) const {
        return QRect(OnBitmap(scrolled), QSize(Layout().cardWidth, Layout().cardHeight));
    }
    // Every card-sized thing painted lowers the table's known extent.
    void RaiseExtent(const QRect& onBitmap) {
        Layout().tableExtent = std::max(Layout().tableExtent, onBitmap.bottom() + 1);
        Layout().tableRightExtent = std::max(Layout().tableRightExtent, onBitmap.right() + 1);
    }
};

// A position painting skips: never placed by the layout.
inline bool IsUnsetPosition(Point at) {
    return at.x < kOffTableLimit || at.y < kOffTableLimit;
}

}  // namespace vis
