#include "engine/pointer_script.h"

#include "engine/card_removal.h"
#include "engine/pointer_drop.h"
#include "engine/pointer_events.h"
#include "view/geometry/card_position.h"

namespace vis {

namespace {

// Inside the card's edge, on the strip a covered card shows.
constexpr int kInset = 1;

void Click(GameContext& ctx, PlayHooks& hooks, Point at) {
    PointerDown(ctx, hooks, PointerButton::kLeft, {}, at.x, at.y);
    PointerUp(ctx, hooks, PointerButton::kLeft, at.x, at.y);
}

Point StockPoint(const GameContext& ctx) {
    const Point origin = OriginOf(ctx.game.layout, {PileList::Mazzo, kStockIndex});
    return {origin.x + kInset, origin.y + kInset};
}

}  // namespace

std::optional<DropCandidate> DropCandidateFor(std::string_view key) {
    const std::optional<PileRef> pile = PileByKey(key);
    if (!pile) return std::nullopt;
    switch (pile->list) {
        case PileList::Dest:
            return DropCandidate{DropKind::kFoundation, pile->index};
        case PileList::Fila:
            return DropCandidate{DropKind::kTableau, pile->index};
        case PileList::Appogg:
            return DropCandidate{DropKind::kReserve, pile->index};
        case PileList::Mazzo:
            if (pile->index == kWasteIndex) return DropCandidate{DropKind::kWaste, 0};
            return std::nullopt;
    }
    return std::nullopt;
}

bool PressOnCard(GameContext& ctx, PlayHooks& hooks, CardNumber card) {
    const std::optional<Point> at = PointOnCard(ctx, card);
    if (!at) return false;
    PointerDown(ctx, hooks, PointerButton::kLeft, {}, at->x, at->y);
    return true;
}

void DropLiftedBlockOn(GameContext& ctx, PlayHooks& hooks, const DropCandidate& target) {
    const Rect place = DropRect(ctx, target);
    const Point grab = ctx.game.pointer.grabOffset;
    const Point to{place.left + grab.x, place.top + grab.y};
    PointerMove(ctx, hooks, {}, to.x, to.y);
    PointerUp(ctx, hooks, PointerButton::kLeft, to.x, to.y);
}

bool PressOnStock(GameContext& ctx, PlayHooks& hooks) {
    if (!IsOnTable(ctx.game.layout, {PileList::Mazzo, kStockIndex})) return false;
    const Point at = StockPoint(ctx);
    PointerDown(ctx, hooks, PointerButton::kLeft, {}, at.x, at.y);
    return true;
}

void ReleaseOnStock(GameContext& ctx, PlayHooks& hooks) {
    const Point at = StockPoint(ctx);
    PointerUp(ctx, hooks, PointerButton::kLeft, at.x, at.y);
}

std::optional<Point> PointOnCard(const GameContext& ctx, CardNumber card) {
    const CardOrigin origin = FindOrigin(ctx.piles, card);
    if (origin.kind == OriginKind::kNone || !IsOnTable(ctx.game.layout, origin.pile))
        return std::nullopt;
    const std::string& text = ctx.piles.Pile(origin.pile);
    const Point place =
        CardPositionIn(ctx, origin.pile, text, CardCount(text) - 1 - origin.slot, false);
    return Point{place.x + kInset, place.y + kInset};
}

bool DragCardToPile(GameContext& ctx, PlayHooks& hooks, CardNumber card, std::string_view key) {
    const std::optional<DropCandidate> target = DropCandidateFor(key);
    if (!PointOnCard(ctx, card) || !target || !IsOnTable(ctx.game.layout, *PileByKey(key)))
        return false;
    PressOnCard(ctx, hooks, card);
    DropLiftedBlockOn(ctx, hooks, *target);
    return true;
}

bool DoubleClickCard(GameContext& ctx, PlayHooks& hooks, CardNumber card) {
    const std::optional<Point> at = PointOnCard(ctx, card);
    if (!at) return false;
    Click(ctx, hooks, *at);
    PointerDoubleClick(ctx, hooks);
    Click(ctx, hooks, *at);
    return true;
}

bool ClickStock(GameContext& ctx, PlayHooks& hooks) {
    if (!PressOnStock(ctx, hooks)) return false;
    ReleaseOnStock(ctx, hooks);
    return true;
}

}  // namespace vis
