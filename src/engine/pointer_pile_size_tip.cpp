#include "engine/pointer_pile_size_tip.h"

#include <algorithm>

#include "view/geometry/hit_test.h"

namespace vis {

namespace {

constexpr int kTipEdgeAllowance = 57;
constexpr int kTipPointerGap = 2;

int CardsIn(std::string_view pile) {
    const std::vector<CardNumber> cards = CardsOf(pile);
    return static_cast<int>(
        std::count_if(cards.begin(), cards.end(), [](CardNumber card) { return card > 0; }));
}

}  // namespace

std::string PileSizeTipText(int cards) {
    return std::to_string(cards) + (cards == 1 ? " card" : " cards");
}

Point PileSizeTipPosition(Point pointer, int panelWidth, int panelHeight, int windowWidth,
                          int windowHeight) {
    Point place{pointer.x, pointer.y - panelHeight + kTipEdgeAllowance};
    if (place.x + panelWidth > windowWidth - kTipEdgeAllowance)
        place.x = pointer.x - panelWidth - kTipPointerGap;
    if (place.y + panelHeight > windowHeight - kTipEdgeAllowance)
        place.y = pointer.y - panelHeight - kTipPointerGap;
    return place;
}

void PileSizeTipTick(GameContext& ctx) {
    PointerState& pointer = ctx.game.pointer;
    if (!ctx.state.GetFlag(field::kShowPilesSize) || pointer.hoverStart < 0 || pointer.tipShown)
        return;
    const auto now = static_cast<std::int64_t>(ctx.ui.TickCount());
    if (now - pointer.hoverStart < kPileSizeTipRestMs) return;
    const PileHit hit = PileAtPoint(ctx, pointer.hover.x, pointer.hover.y);
    const std::optional<PileRef> pile = PileByKey(hit.key);
    if (!pile) return;
    const int cards = CardsIn(ctx.piles.Pile(*pile));
    if (cards <= 0) return;
    ctx.ui.ShowPileSizeTip(PileSizeTipText(cards), pointer.hover);
    pointer.tipShown = true;
}

void HidePileSizeTip(GameContext& ctx) {
    ctx.ui.HidePileSizeTip();
    ctx.game.pointer.tipShown = false;
}

}  // namespace vis
