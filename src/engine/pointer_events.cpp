#include "engine/pointer_events.h"

#include <string>

#include "engine/autoplay.h"
#include "engine/card_location.h"
#include "engine/end_of_game.h"
#include "engine/face_up.h"
#include "engine/lift_rules.h"
#include "engine/move_execution.h"
#include "engine/pointer_auto_move.h"
#include "engine/pointer_drop.h"
#include "engine/pointer_lift.h"
#include "engine/pointer_pile_size_tip.h"
#include "engine/rank_relations.h"
#include "engine/run_rules.h"
#include "engine/stock.h"
#include "model/families.h"
#include "model/rule_index.h"
#include "view/geometry/card_position.h"
#include "view/geometry/hit_test.h"

namespace vis {

namespace {

constexpr int kDragPointerShift = 10;
constexpr int kAutoScrollMargin = 5;

const FamilyTraits& Traits(const GameContext& ctx) {
    return TraitsOf(ctx.rules[rule::kFamily]);
}

int PointerShape(const GameContext& ctx) {
    return ctx.state.GetInt(field::kCursorStyle, 0);
}

struct Press {
    PointerButton button;
    PointerKeys keys;
    PileHit hit;
    PileRef pile;
    int slot;  // of the card under the pointer, -1 when none
};

bool IsLeft(const Press& press) {
    return press.button == PointerButton::kLeft;
}
bool IsCtrlRight(const Press& press) {
    return press.button == PointerButton::kRight && press.keys.ctrl;
}

void LiftOne(GameContext& ctx, CardNumber card, const Rect& rect) {
    ctx.game.singleCardMove = true;
    LiftBlock(ctx, card, rect, ctx.game.layout.cardHeight);
}

// Whether the card under the pointer is a face-up card that a later card of
// its pile covers.
bool IsCoveredFaceUp(const GameContext& ctx, const std::string& pileText, const PileHit& hit) {
    const int slot = hit.card > 0 ? FindCard(pileText, hit.card) : -1;
    return slot >= 0 && slot < CardCount(pileText) - 1 && ctx.deck.IsFaceUp(hit.card);
}

void ShowWhole(GameContext& ctx, const PileHit& hit) {
    PointerState& pointer = ctx.game.pointer;
    pointer.peek = {hit.rect.left, hit.rect.top};
    pointer.peeking = true;
    ctx.ui.ShowCardWhole(hit.card, pointer.peek);
}

// A covered face-up card shown whole while the right button is down.
void Peek(GameContext& ctx, const Press& press) {
    if (!IsCoveredFaceUp(ctx, ctx.piles.Pile(press.pile), press.hit)) {
        ctx.ui.Beep();
        return;
    }
    ShowWhole(ctx, press.hit);
}

// The plain right press peeks where Ctrl and the right button would: on
// the tableau, and on reserves that fan their cards.
void PeekIfCovered(GameContext& ctx, PileRef pile, const PileHit& hit) {
    const bool fannedReserve =
        pile.list == PileList::Appogg &&
        (ctx.rules[rule::kReserveFan] == 1 || ctx.rules[rule::kReserveFan] == 2);
    if (pile.list != PileList::Fila && !fannedReserve) return;
    if (IsCoveredFaceUp(ctx, ctx.piles.Pile(pile), hit)) ShowWhole(ctx, hit);
}

// The discard games send a lifted card straight to the discard pile.
void DiscardLifted(GameContext& ctx, PlayHooks& hooks, CardNumber card) {
    const PileRef discard{PileList::Mazzo, kSecondWasteIndex};
    PointerState& pointer = ctx.game.pointer;
    const Point place = CardPosition(ctx, discard, 0, true);
    if (ctx.state.GetSettings().cardsAnimate) ctx.ui.SlideDragBlock(pointer.blockAt, place);
    MoveOptions options;
    options.blockTop = place.y;
    options.blockHeight = pointer.blockHeight;
    ExecuteMove(ctx, hooks, Move::Cards(card, {PileList::Mazzo, kSecondWasteIndex}), options);
    ClearDrag(ctx);
    if (ctx.flags[Flag::kGameWon]) EndGame(ctx);
}

void PressDiscardGameTableau(GameContext& ctx, PlayHooks& hooks, const Press& press) {
    const CardNumber card = press.hit.card;
    const bool isTop = TopCard(ctx.piles.Pile(press.pile)) == card;
    if (!isTop || !DiscardTakes(ctx, card)) {
        ctx.ui.Beep();
        return;
    }
    LiftOne(ctx, card, press.hit.rect);
    DiscardLifted(ctx, hooks, card);
}

void PressTableau(GameContext& ctx, PlayHooks& hooks, const Press& press) {
    const FamilyTraits& family = Traits(ctx);
    const CardNumber card = press.hit.card;
    const int index = press.pile.index;
    if (family.selectsOnTableau) {
        hooks.SelectOnTableau(ctx, press.hit.key, card);
        return;
    }
    if (family.gapGame && press.button == PointerButton::kRight) {
        if (!hooks.SendToFirstGap(ctx, card)) ctx.ui.Beep();
        return;
    }
    if (IsCtrlRight(press)) {
        Peek(ctx, press);
        return;
    }
    if (!IsLeft(press)) return;
    if (family.discardsByRank) {
        PressDiscardGameTableau(ctx, hooks, press);
        return;
    }
    if (family.turnsCardsInPairs) {
        hooks.PressInMemoryGame(ctx, card, index, press.slot);
        return;
    }
    const bool isTop = press.slot == CardCount(ctx.piles.Pile(press.pile)) - 1;
    if (isTop && !ctx.deck.IsFaceUp(card) && !family.buildsOnFaceDown && GridPileFree(ctx, index)) {
        TurnFaceUp(ctx, card, press.slot, index);
        return;
    }
    const std::optional<Lift> lift = LiftFrom(ctx, press.pile, card);
    if (lift == Lift::kCard) {
        LiftOne(ctx, card, press.hit.rect);
    } else if (lift == Lift::kRun) {
        ctx.game.singleCardMove = false;
        LiftBlock(ctx, card, press.hit.rect, RunBlockHeight(ctx, press.pile, press.hit.rect.top));
    }
}

void PressFoundation(GameContext& ctx, const Press& press) {
    if (IsCtrlRight(press)) {
        ctx.ui.Beep();
        return;
    }
    if (IsLeft(press) && LiftFrom(ctx, press.pile, press.hit.card))
        LiftOne(ctx, press.hit.card, press.hit.rect);
}

void PressReserve(GameContext& ctx, const Press& press) {
    const int fanType = ctx.rules[rule::kReserveFan];
    if (IsCtrlRight(press)) {
        if (fanType == 1 || fanType == 2)
            Peek(ctx, press);
        else
            ctx.ui.Beep();
        return;
    }
    if (IsLeft(press) && LiftFrom(ctx, press.pile, press.hit.card))
        LiftOne(ctx, press.hit.card, press.hit.rect);
}

void PressStockSpot(GameContext& ctx, PlayHooks& hooks, const Press& press) {
    ctx.game.pointer.stockSpot = press.hit.rect;
    PressStock(ctx, hooks, press.hit.card);
}

void PressStockGroup(GameContext& ctx, PlayHooks& hooks, const Press& press) {
    if (IsCtrlRight(press)) {
        ctx.ui.Beep();
        return;
    }
    if (!IsLeft(press)) return;
    if (press.pile.index == kStockIndex) {
        PressStockSpot(ctx, hooks, press);
        return;
    }
    if (press.pile.index != kWasteIndex) return;
    if (press.hit.card <= 0) {
        // An empty waste over an empty stock redeals a gathering game.
        if (ctx.rules[rule::kGatheringRedeal] > 0 && ctx.piles.mazzo[kStockIndex].empty())
            PressStockSpot(ctx, hooks, press);
        return;
    }
    if (LiftFrom(ctx, press.pile, press.hit.card)) LiftOne(ctx, press.hit.card, press.hit.rect);
}

void PressPile(GameContext& ctx, PlayHooks& hooks, const Press& press) {
    switch (press.pile.list) {
        case PileList::Fila:
            PressTableau(ctx, hooks, press);
            break;
        case PileList::Dest:
            PressFoundation(ctx, press);
            break;
        case PileList::Appogg:
            PressReserve(ctx, press);
            break;
        case PileList::Mazzo:
            PressStockGroup(ctx, hooks, press);
            break;
    }
}

void ShowPopupMenu(GameContext& ctx, Point at) {
    if (ctx.state.GetFlag(field::kShowMainPopupMenu)) ctx.ui.ShowMainPopupMenu(at);
}

void AutoScroll(GameContext& ctx, int y) {
    const TableScrollView view = ctx.ui.ScrollView();
    bool scrolled = false;
    if (view.position != 0 && y < view.tableTop + kAutoScrollMargin) {
        ctx.game.layout.scrollOffset = ctx.ui.ScrollByLargeStep(false);
        scrolled = true;
    } else if (view.shown && y > view.clientBottom - kAutoScrollMargin &&
               view.position < view.maximum) {
        ctx.game.layout.scrollOffset = ctx.ui.ScrollByLargeStep(true);
        scrolled = true;
    }
    if (scrolled) ctx.ui.RepaintTable();
}

Rect BlockWhereDrawn(const GameContext& ctx) {
    const PointerState& pointer = ctx.game.pointer;
    return Rect{pointer.blockAt.x, pointer.blockAt.y, pointer.blockAt.x + ctx.game.layout.cardWidth,
                pointer.blockAt.y + pointer.blockHeight};
}

void ReleaseBlock(GameContext& ctx, PlayHooks& hooks) {
    const CardNumber card = ctx.game.draggedCard;
    if (!ctx.game.pointer.moved) {
        SendBack(ctx, card);
    } else if (DropOnBestTarget(ctx, hooks, card, BlockWhereDrawn(ctx))) {
        if (ctx.flags[Flag::kGameWon]) EndGame(ctx);
    } else {
        SendBack(ctx, card);
    }
    ClearDrag(ctx);
}

}  // namespace

bool DiscardTakes(const GameContext& ctx, CardNumber card) {
    const CardNumber discardTop = TopCard(ctx.piles.mazzo[kSecondWasteIndex]);
    const int rank = RankOf(card);
    const int onDiscard = discardTop > 0 ? RankOf(discardTop) : -1;
    return Traits(ctx).discardWrapsKingAce ? IsOneApartWrapping(onDiscard, rank)
                                           : IsOneApart(onDiscard, rank);
}

bool PressPlaysByItself(const GameContext& ctx) {
    const FamilyTraits& family = Traits(ctx);
    return ctx.rules[rule::kSelectionGame] != 0 || ctx.rules[rule::kClickToMove] == 1 ||
           family.selectsOnTableau || family.turnsCardsInPairs;
}

bool PressTurnsTopUp(const GameContext& ctx, int tableau) {
    const FamilyTraits& family = Traits(ctx);
    if (PressPlaysByItself(ctx) || family.discardsByRank || family.buildsOnFaceDown) return false;
    const CardNumber top = TopCard(ctx.piles.fila[static_cast<std::size_t>(tableau)]);
    return top > 0 && !ctx.deck.IsFaceUp(top) && GridPileFree(ctx, tableau);
}

void PointerDown(GameContext& ctx, PlayHooks& hooks, PointerButton button, PointerKeys keys, int x,
                 int y) {
    PointerState& pointer = ctx.game.pointer;
    pointer.hoverStart = -1;
    HidePileSizeTip(ctx);
    if (ctx.flags[Flag::kDemoMode]) {
        ctx.ui.Beep();
        return;
    }
    const bool ctrlRight = button == PointerButton::kRight && keys.ctrl;
    if (!ctx.flags[Flag::kGameInProgress]) {
        if (ctrlRight) ShowPopupMenu(ctx, {x, y});
        return;
    }
    if (ctx.game.draggedCard != 0) return;
    pointer.moved = false;
    if (pointer.swallowNextPress) {
        pointer.swallowNextPress = false;
        return;
    }
    pointer.press = {x, y};
    const PileHit hit = PileAtPoint(ctx, x, y);
    if (button == PointerButton::kRight && !keys.ctrl && !Traits(ctx).ownRightPress) {
        const std::optional<PileRef> pile = PileByKey(hit.key);
        const std::string before = pile ? ctx.piles.Pile(*pile) : std::string();
        if (ctx.state.GetFlag(field::kRightClickToFoundations) ||
            ctx.state.GetFlag(field::kRightClickToTableaus))
            AutoMoveCard(ctx, hooks, false, true, hit.card, hit.key, hit.rect);
        // A covered card that did not move is shown whole while the button
        // is held, as with Ctrl.
        if (pile && ctx.piles.Pile(*pile) == before && ctx.flags[Flag::kGameInProgress] &&
            ctx.rules[rule::kSelectionGame] == 0)
            PeekIfCovered(ctx, *pile, hit);
        return;
    }
    if (ctrlRight && hit.key.empty()) {
        ShowPopupMenu(ctx, {x, y});
        return;
    }
    if (ctx.rules[rule::kClickToMove] == 1 && button == PointerButton::kLeft) {
        AutoMoveCard(ctx, hooks, false, false, hit.card, hit.key, hit.rect);
        return;
    }
    ctx.game.singleCardMove = true;
    const std::optional<PileRef> pile = PileByKey(hit.key);
    const int slot = pile && hit.card > 0 ? FindCard(ctx.piles.Pile(*pile), hit.card) : -1;
    const Press press{button, keys, hit, pile.value_or(PileRef{PileList::Mazzo, kWasteIndex}),
                      slot};
    if (ctx.rules[rule::kSelectionGame] != 0) {
        // The stock deals as the selection game says; every other press is
        // the game's own.
        if (pile && *pile == PileRef{PileList::Mazzo, kStockIndex} && IsLeft(press))
            PressStockSpot(ctx, hooks, press);
        else
            hooks.PressInSelectionGame(ctx, hit.key, hit.card, button == PointerButton::kRight);
        return;
    }
    if (pile) PressPile(ctx, hooks, press);
}

void PointerMove(GameContext& ctx, PlayHooks&, PointerKeys, int x, int y) {
    PointerState& pointer = ctx.game.pointer;
    pointer.hoverStart = -1;
    if (ctx.game.draggedCard != 0 && pointer.lifted) {
        pointer.moved = true;
        ctx.ui.SetTablePointer(PointerShape(ctx) + kDragPointerShift);
        AutoScroll(ctx, y);
        pointer.blockAt = {x - pointer.grabOffset.x, y - pointer.grabOffset.y};
        ctx.ui.MoveDragBlock(pointer.blockAt);
        return;
    }
    if (ctx.game.stockPressed) {
        if (!pointer.stockSpot.Contains(x, y)) CancelStockPress(ctx);
        return;
    }
    if (!ctx.flags[Flag::kGameInProgress]) return;
    pointer.hoverStart = static_cast<std::int64_t>(ctx.ui.TickCount());
    if (pointer.hover != Point{x, y}) HidePileSizeTip(ctx);
    pointer.hover = {x, y};
}

void PointerUp(GameContext& ctx, PlayHooks& hooks, PointerButton, int, int) {
    ctx.ui.SetTablePointer(PointerShape(ctx));
    if (ctx.game.stockPressed) ReleaseStock(ctx, hooks);
    if (ctx.game.draggedCard != 0) ReleaseBlock(ctx, hooks);
    PointerState& pointer = ctx.game.pointer;
    if (pointer.peeking) {
        ctx.ui.CoverPeekedCard();
        pointer.peeking = false;
        pointer.peek = {};
    }
    // A finished game keeps its table as it ended.
    if (!ctx.flags[Flag::kGameInProgress]) return;
    hooks.FillGaps(ctx);
    while (hooks.IsAutoplayOn(ctx) && AutoplayPass(ctx, hooks)) hooks.FillGaps(ctx);
}

void PointerDoubleClick(GameContext& ctx, PlayHooks& hooks) {
    if (ctx.flags[Flag::kDemoMode] || !ctx.flags[Flag::kGameInProgress]) return;
    const PointerState& pointer = ctx.game.pointer;
    const PileHit hit = PileAtPoint(ctx, pointer.press.x, pointer.press.y);
    if (hit.key == PileKey({PileList::Mazzo, kStockIndex})) {
        ctx.game.pointer.swallowNextPress = false;
        return;
    }
    if (!ctx.state.GetFlag(field::kDoubleClickToFoundations) &&
        !ctx.state.GetFlag(field::kDoubleClickToTableaus))
        return;
    ctx.flags[Flag::kDoubleClickHandled] = true;
    AutoMoveCard(ctx, hooks, true, false, hit.card, hit.key, hit.rect);
    ctx.flags[Flag::kDoubleClickHandled] = false;
}

}  // namespace vis
