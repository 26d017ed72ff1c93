#include "view/paint/table_repaint.h"

#include "model/rule_index.h"
#include "view/geometry/compute_layout.h"
#include "view/geometry/fan_types.h"
#include "view/paint/background_painter.h"
#include "view/paint/card_painter.h"
#include "view/paint/pile_painter.h"

namespace vis {

namespace {

int PlacedCount(const GameContext& ctx, int countRule, int maxCount) {
    return std::clamp<int>(ctx.rules[countRule], 0, maxCount);
}

void PaintEmptyMarks(PaintScene& scene) {
    const TableLayout& layout = scene.Layout();
    for (int i = 0; i < PlacedCount(scene.ctx, rule::kTableauCount, kFilaPileCount); ++i) {
        const PileRef pile{PileList::Fila, i};
        if (IsOnTable(layout, pile))
            PaintMark(scene, MarkKind::kTableau, OriginOf(layout, pile), i);
    }
    for (int i = 0; i < PlacedCount(scene.ctx, rule::kReserveCount, kAppoggPileCount); ++i) {
        const PileRef pile{PileList::Appogg, i};
        if (IsOnTable(layout, pile))
            PaintMark(scene, MarkKind::kReserve, OriginOf(layout, pile), i);
    }
}

// Layer by layer: the bottom card of every pile, then the second card of
// every pile, and so on, as the cards are dealt.
void PaintTableauByLayers(PaintScene& scene, int pileCount) {
    int layers = 1;
    for (int i = 0; i < pileCount; ++i)
        layers = std::max(layers, CardCount(scene.ctx.piles.fila[static_cast<std::size_t>(i)]));
    for (int layer = 0; layer < layers; ++layer) {
        for (int i = 0; i < pileCount; ++i) {
            const PileRef pile{PileList::Fila, i};
            if (!IsOnTable(scene.Layout(), pile)) continue;
            const std::string& text = scene.ctx.piles.Pile(pile);
            const int count = CardCount(text);
            if (layer >= count && !(layer == 0 && count == 0)) continue;
            // Squared piles show their top card only.
            const int fanType = scene.ctx.rules[rule::kTableauFan];
            if (count > 0 && IsSquaredFan(fanType) && layer != count - 1) continue;
            if (count > 1 && fanType == fan::kOneStep && layer < count - 2) continue;
            PaintPileCard(scene, pile, text, layer);
        }
    }
}

}  // namespace

void RepaintAll(PaintScene& scene, bool deal, const FoundationHighlight& highlight) {
    GameContext& ctx = scene.ctx;
    if (!ctx.flags[Flag::kGameInProgress]) return;
    TableLayout& layout = ctx.game.layout;
    layout.scrollOffset = 0;
    layout.tableExtent = 0;

    if (deal && ctx.rules[rule::kTableauFan] != fan::kSideBySide) PaintEmptyMarks(scene);

    for (int i = 0; i < kMazzoPileCount; ++i) PaintStockBlock(scene, i);
    for (int i = 0; i < kDestPileCount; ++i) PaintPile(scene, PileRef{PileList::Dest, i});

    const int reserves = PlacedCount(ctx, rule::kReserveCount, kAppoggPileCount);
    for (int i = 0; i < reserves; ++i) PaintPile(scene, PileRef{PileList::Appogg, i});

    const int tableau = PlacedCount(ctx, rule::kTableauCount, kFilaPileCount);
    if (ctx.rules[rule::kPlayHomeOrder] != 0) {
        for (int i = 0; i < tableau; ++i) PaintPile(scene, PileRef{PileList::Fila, i});
    } else {
        PaintTableauByLayers(scene, tableau);
    }

    HighlightFoundations(scene, -1, highlight);
}

void RepaintTable(PaintScene& scene, const TableWindow& window, ScreenSize screen,
                  const FoundationHighlight& highlight, const std::vector<QRect>& selected) {
    ComputeLayout(scene.ctx, window, screen);
    PaintBackground(scene);
    RepaintAll(scene, false, highlight);
    scene.picture.ClearInverted();
    for (const QRect& card : selected) scene.picture.SetInverted(card, true);
    scene.picture.ChangedAll();
}

}  // namespace vis
