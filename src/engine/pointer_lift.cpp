#include "engine/pointer_lift.h"

#include <string>

#include "engine/card_removal.h"
#include "model/sound_events.h"
#include "view/geometry/hit_test.h"

namespace vis {

namespace {

// A shadowed card jumps up and left by the shadow margin less 2 pixels.
constexpr int kShadowJump = 7;

}  // namespace

Rect CardRectAt(const GameContext& ctx, Point topLeft) {
    const TableLayout& layout = ctx.game.layout;
    return Rect{topLeft.x, topLeft.y, topLeft.x + layout.cardWidth, topLeft.y + layout.cardHeight};
}

int RunBlockHeight(const GameContext& ctx, PileRef pile, int cardTop) {
    return PileBottom(ctx, pile) - cardTop;
}

void LiftBlock(GameContext& ctx, CardNumber card, Rect cardRect, int blockHeight) {
    PointerState& pointer = ctx.game.pointer;
    const CardOrigin origin = FindOrigin(ctx.piles, card);
    if (origin.kind == OriginKind::kNone) return;
    ctx.game.draggedCard = card;
    pointer.grabOffset = {pointer.press.x - cardRect.left, pointer.press.y - cardRect.top};
    pointer.blockHeight = blockHeight;
    pointer.block = Rect{cardRect.left, cardRect.top, cardRect.left + ctx.game.layout.cardWidth,
                         cardRect.top + blockHeight};
    pointer.blockAt = {cardRect.left, cardRect.top};
    const int cards =
        ctx.game.singleCardMove ? 1 : CardCount(ctx.piles.Pile(origin.pile)) - origin.slot;
    ctx.ui.BeginDrag(origin.pile, origin.slot, cards);
    pointer.lifted = true;
    if (ctx.state.GetSettings().cardsShadowed) {
        pointer.blockAt.x -= kShadowJump;
        pointer.blockAt.y -= kShadowJump;
        pointer.grabOffset.x += kShadowJump;
        pointer.grabOffset.y += kShadowJump;
        ctx.ui.MoveDragBlock(pointer.blockAt);
        PlaySoundEvent(ctx.ui, ctx.state, "card_up", field::kSoundsCardUp);
    } else if (ctx.state.GetSettings().irregularPiles) {
        ctx.ui.MoveDragBlock(pointer.blockAt);
    }
}

void SendBack(GameContext& ctx, CardNumber card) {
    PointerState& pointer = ctx.game.pointer;
    const CardOrigin origin = FindOrigin(ctx.piles, card);
    if (ctx.state.GetSettings().cardsAnimate)
        ctx.ui.SlideDragBlock(pointer.blockAt, {pointer.block.left, pointer.block.top});
    ctx.ui.EndDrag();
    pointer.lifted = false;
    if (origin.kind == OriginKind::kNone) return;
    const std::string& text = ctx.piles.Pile(origin.pile);
    ctx.ui.RepaintPile(origin.pile, text, text);
    PlaySoundEvent(
        ctx.ui, ctx.state, "card_down",
        ctx.state.GetSettings().cardsShadowed && ctx.state.GetFlag(field::kSoundsCardDown));
    if (origin.kind == OriginKind::kWaste && ctx.piles.mazzo[kStockIndex].empty() &&
        CardCount(text) == 1)
        ctx.ui.RepaintStockSpot();
    if (origin.kind == OriginKind::kFoundation && ctx.game.foundationHighlightStyle != 0)
        ctx.ui.HighlightFoundation(origin.pile.index);
}

void ClearDrag(GameContext& ctx) {
    ctx.game.draggedCard = 0;
    ctx.game.liftedRunTop = 0;
    if (ctx.game.pointer.lifted) ctx.ui.EndDrag();
    ctx.game.pointer.lifted = false;
}

}  // namespace vis
