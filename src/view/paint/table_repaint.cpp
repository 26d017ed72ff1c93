#include "view/paint/table_repaint.h"

#include "model/rule_index.h"
#include "view/geometry/card_position.h"
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

bool AnyTableCards(const GameContext& ctx) {
    for (int i = 0; i < PlacedCount(ctx, rule::kReserveCount, kAppoggPileCount); ++i)
        if (!ctx.piles.appogg[static_cast<std::size_t>(i)].empty()) return true;
    for (int i = 0; i < PlacedCount(ctx, rule::kTableauCount, kFilaPileCount); ++i)
        if (!ctx.piles.fila[static_cast<std::size_t>(i)].empty()) return true;
    return false;
}

}  // namespace

void VisitTableCards(const PaintScene& scene, bool everyCard,
                     const std::function<void(PileRef, std::string_view, int)>& visit) {
    const GameContext& ctx = scene.ctx;
    const auto visitPile = [&](PileRef pile, int onlyLayer) {
        if (!IsOnTable(scene.Layout(), pile)) return;
        const std::string& text = ctx.piles.Pile(pile);
        const int count = CardCount(text);
        if (count == 0) {
            if (onlyLayer <= 0) visit(pile, text, 0);
            return;
        }
        const int first = everyCard ? 0 : FirstShownSlot(FanTypeOf(ctx.rules, pile.list), count);
        for (int slot = first; slot < count; ++slot)
            if (onlyLayer < 0 || slot == onlyLayer) visit(pile, text, slot);
    };
    constexpr int kAllLayers = -1;
    const int reserves = PlacedCount(ctx, rule::kReserveCount, kAppoggPileCount);
    for (int i = 0; i < reserves; ++i) visitPile(PileRef{PileList::Appogg, i}, kAllLayers);

    const int tableau = PlacedCount(ctx, rule::kTableauCount, kFilaPileCount);
    if (ctx.rules[rule::kPlayHomeOrder] != 0) {
        for (int i = 0; i < tableau; ++i) visitPile(PileRef{PileList::Fila, i}, kAllLayers);
        return;
    }
    // Layer by layer: the bottom card of every pile, then the second card
    // of every pile, and so on.
    int layers = 1;
    for (int i = 0; i < tableau; ++i)
        layers = std::max(layers, CardCount(ctx.piles.fila[static_cast<std::size_t>(i)]));
    for (int layer = 0; layer < layers; ++layer)
        for (int i = 0; i < tableau; ++i) visitPile(PileRef{PileList::Fila, i}, layer);
}

void RepaintAll(PaintScene& scene, bool deal, const FoundationHighlight& highlight,
                DealShow* show) {
    GameContext& ctx = scene.ctx;
    if (!ctx.flags[Flag::kGameInProgress]) return;
    TableLayout& layout = ctx.game.layout;
    layout.scrollOffset = 0;
    layout.tableExtent = 0;
    layout.tableRightExtent = 0;

    const bool marksFirst = deal && ctx.rules[rule::kTableauFan] != fan::kSideBySide;
    if (marksFirst) PaintEmptyMarks(scene);

    for (int i = 0; i < kMazzoPileCount; ++i) PaintStockBlock(scene, i);
    for (int i = 0; i < kDestPileCount; ++i) PaintPile(scene, PileRef{PileList::Dest, i});

    if (deal && show != nullptr && AnyTableCards(ctx)) {
        show->Begin(scene);
        VisitTableCards(scene, true, [&](PileRef pile, std::string_view text, int slot) {
            // Empty piles get their marks as their first layer is reached,
            // unless they have them already: a mark is partly see-through,
            // and painted twice it shows darker than the others.
            if (CardCount(text) == 0) {
                if (!marksFirst) PaintPileCard(scene, pile, text, slot);
            } else {
                show->DealCard(scene, pile, text, slot);
            }
        });
        show->End(scene);
    } else {
        VisitTableCards(scene, false, [&](PileRef pile, std::string_view text, int slot) {
            if (CardCount(text) > 0 || !marksFirst) PaintPileCard(scene, pile, text, slot);
        });
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
