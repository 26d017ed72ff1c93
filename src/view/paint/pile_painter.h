// The cards of one pile on the off-screen table: one card by its place in
// the pile, the whole pile, and the block of the stock group whose
// thickness grows with its card count.
#pragma once

#include <string_view>

#include "view/paint/paint_scene.h"

namespace vis {

// The deepest a stock-group block is drawn.
inline constexpr int kMaxStockDepth = 15;

// Thickness in pixels of a stock-group block of `cardCount` cards.
int StockDepth(int cardCount, bool preview);

// Card `slot` (0-based from the bottom) of `pileText` laid out as `pile`,
// face or back as it lies; for slot 0 of an empty pile its empty mark.
void PaintPileCard(PaintScene& scene, PileRef pile, std::string_view pileText, int slot);
// Every visible card of a pile from `firstSlot` up (the mark when empty).
// Squared piles show their top card only; stock-group piles are drawn as
// their block.
void PaintPile(PaintScene& scene, PileRef pile, int firstSlot = 0);
// The same for the cards of `pileText` instead of the pile's own, e.g. the
// pile without cards that are lifted off it.
void PaintPileText(PaintScene& scene, PileRef pile, std::string_view pileText, int firstSlot = 0);
// The block of stock-group pile `index` (stock, waste, extra pile): moves
// its origin up and left by its thickness and draws it there.
void PaintStockBlock(PaintScene& scene, int index);
void PaintStockBlock(PaintScene& scene, int index, std::string_view pileText);
// Where stock-group pile `index` lies in the layout, before its thickness
// moved it.
PileOrigin StockBase(const PaintScene& scene, int index);

// Whether only the top card of a pile of this fan type shows.
bool IsSquaredFan(int fanType);
// The lowest card of a pile of `cardCount` cards that shows: the top card
// of a squared pile, the top two of a one-step pile, else the bottom one.
int FirstShownSlot(int fanType, int cardCount);

}  // namespace vis
