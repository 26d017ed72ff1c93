// The whole table: every pile from the pile texts, in the order in which
// they lie on each other.
#pragma once

#include <QRect>
#include <functional>
#include <string_view>
#include <vector>

#include "view/geometry/table_window.h"
#include "view/paint/foundation_highlight.h"
#include "view/paint/paint_scene.h"

namespace vis {

// Shows a fresh deal card by card: RepaintAll hands it every card of the
// reserves and the tableau in painting order instead of painting them.
class DealShow {
public:
    virtual ~DealShow() = default;
    // Before the first card, the stock group and foundations painted.
    virtual void Begin(PaintScene& scene) = 0;
    // Card `slot` of `pileText`, which lies on `pile` as dealt.
    virtual void DealCard(PaintScene& scene, PileRef pile, std::string_view pileText, int slot) = 0;
    virtual void End(PaintScene& scene) = 0;
};

// Paints every pile onto the table as it stands, only while a game is in
// progress. With `deal` the empty marks of the tableau and the reserves go
// down first, and `show`, when given, deals their cards. The scroll offset
// and the table extent start again from 0.
void RepaintAll(PaintScene& scene, bool deal, const FoundationHighlight& highlight,
                DealShow* show = nullptr);

// Calls `visit` for the cards of the reserves and the tableau in the order
// they are painted and dealt: every reserve bottom card first, then the
// tableau pile by pile (rule 23) or layer by layer. An empty pile is
// visited once, at slot 0 of its empty text. Without `everyCard` the cards
// that a squared pile hides are left out.
void VisitTableCards(const PaintScene& scene, bool everyCard,
                     const std::function<void(PileRef, std::string_view, int)>& visit);

// Lays the table out for the window, paints the background and every pile,
// and shows the selected cards (table rectangles) inverted.
void RepaintTable(PaintScene& scene, const TableWindow& window, ScreenSize screen,
                  const FoundationHighlight& highlight, const std::vector<QRect>& selected);

}  // namespace vis
