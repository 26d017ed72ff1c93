#include "engine/pointer_auto_move.h"

#include <algorithm>

#include "engine/card_location.h"
#include "engine/card_removal.h"
#include "engine/end_of_game.h"
#include "engine/pointer_drop.h"
#include "engine/pointer_lift.h"
#include "engine/run_rules.h"
#include "engine/table_queries.h"
#include "model/families.h"
#include "model/rule_index.h"

namespace vis {

namespace {

constexpr int kAnyReserveCardLeaves = -11;
constexpr int kFoundationCardLeaves = 1;
constexpr int kFoundationCardLeavesAboveBase = 2;
// Foundations whose first card's rank the player chooses.
bool FoundationsWaitForFirstRank(const GameContext& ctx) {
    const int used = std::clamp<int>(ctx.rules[rule::kFoundationCount], 0, kDestPileCount);
    if (used == 0) return false;
    for (int i = 0; i < used; ++i) {
        const int base = ctx.rules[rule::kFoundationBase + i];
        if (base != empty_pile::kMatchesStartedBases &&
            base != empty_pile::kMatchesStartedBasesOrReserve)
            return false;
        if (!ctx.piles.dest[static_cast<std::size_t>(i)].empty()) return false;
    }
    return true;
}

// How a card may leave its pile by an automatic move: not at all, alone,
// or with the run above it.
enum class Leaving { kStays, kAlone, kWithRun };

Leaving HowCardLeaves(GameContext& ctx, CardNumber card, std::string_view key) {
    const std::optional<PileRef> pile = PileByKey(key);
    if (!pile) return Leaving::kStays;
    const std::string& text = ctx.piles.Pile(*pile);
    const bool top = TopCard(text) == card;
    switch (pile->list) {
        case PileList::Dest: {
            const int lift = ctx.rules[rule::kFoundationLift];
            const bool leaves = lift == kFoundationCardLeaves ||
                                (lift == kFoundationCardLeavesAboveBase && CardCount(text) > 1);
            return leaves && top ? Leaving::kAlone : Leaving::kStays;
        }
        case PileList::Mazzo:
            return pile->index == kWasteIndex && top ? Leaving::kAlone : Leaving::kStays;
        case PileList::Fila:
            if (ctx.rules[rule::kMoveUnitLimit] == 0 || !GridPileFree(ctx, pile->index))
                return Leaving::kStays;
            if (top) return Leaving::kAlone;
            return RunWithinLimit(ctx, card, false) ? Leaving::kWithRun : Leaving::kStays;
        case PileList::Appogg:
            return top || ctx.rules[rule::kReserveLift] == kAnyReserveCardLeaves ? Leaving::kAlone
                                                                                 : Leaving::kStays;
    }
    return Leaving::kStays;
}

bool TryPile(GameContext& ctx, PlayHooks& hooks, CardNumber card, DropKind kind, int index,
             bool autoplay) {
    const DropCandidate candidate{kind, index};
    return TryDropOn(ctx, hooks, card, candidate, DropRect(ctx, candidate), autoplay);
}

bool TryTargets(GameContext& ctx, PlayHooks& hooks, CardNumber card, PileRef own, bool singleCard,
                bool autoplay, bool toTableau, bool toFoundations) {
    const TableLayout& layout = ctx.game.layout;
    if (toFoundations && singleCard && !(autoplay && FoundationsWaitForFirstRank(ctx))) {
        const int used = std::clamp<int>(ctx.rules[rule::kFoundationCount], 0, kDestPileCount);
        for (int i = 0; i < used; ++i)
            if (IsOnTable(layout, {PileList::Dest, i}) &&
                TryPile(ctx, hooks, card, DropKind::kFoundation, i, autoplay))
                return true;
    }
    if (toTableau) {
        // Piles that hold cards first: a card is rather built on than
        // spent on an empty pile.
        for (const bool wantEmpty : {false, true}) {
            for (int i = 0; i < UsedTableauPiles(ctx); ++i) {
                const PileRef pile{PileList::Fila, i};
                if (pile == own || !IsOnTable(layout, pile)) continue;
                if (ctx.piles.Pile(pile).empty() != wantEmpty) continue;
                if (TryPile(ctx, hooks, card, DropKind::kTableau, i, autoplay)) return true;
            }
        }
    }
    if (toFoundations && singleCard && !autoplay) {
        for (int i = 0; i < UsedReserves(ctx); ++i) {
            const PileRef pile{PileList::Appogg, i};
            if (pile == own || !IsOnTable(layout, pile)) continue;
            if (TryPile(ctx, hooks, card, DropKind::kReserve, i, autoplay)) return true;
        }
    }
    if (toTableau && IsOnTable(layout, {PileList::Mazzo, kWasteIndex}))
        return TryPile(ctx, hooks, card, DropKind::kWaste, 0, autoplay);
    return false;
}

}  // namespace

bool GridPileFree(const GameContext& ctx, int tableau) {
    const int columns = ctx.rules[rule::kGridColumns];
    const int gridPiles = std::min(ctx.rules[rule::kGridRows] * columns, kFilaPileCount);
    if (columns <= 0 || tableau >= gridPiles) return true;
    for (int below = tableau + columns; below < gridPiles; below += columns)
        if (!ctx.piles.fila[static_cast<std::size_t>(below)].empty()) return false;
    return true;
}

bool FindAndMoveToTarget(GameContext& ctx, PlayHooks& hooks, CardNumber card, const Rect& cardRect,
                         bool singleCard, bool autoplay, bool toTableau, bool toFoundations) {
    if (!ctx.deck.IsFaceUp(card)) return false;
    const CardOrigin origin = FindOrigin(ctx.piles, card);
    if (origin.kind == OriginKind::kNone) return false;
    const int blockHeight =
        singleCard ? ctx.game.layout.cardHeight : RunBlockHeight(ctx, origin.pile, cardRect.top);
    PointerState& pointer = ctx.game.pointer;
    ctx.game.draggedCard = card;
    ctx.game.singleCardMove = singleCard;
    pointer.blockHeight = blockHeight;
    pointer.block = Rect{cardRect.left, cardRect.top, cardRect.left + ctx.game.layout.cardWidth,
                         cardRect.top + blockHeight};
    pointer.blockAt = {cardRect.left, cardRect.top};
    const bool moved =
        TryTargets(ctx, hooks, card, origin.pile, singleCard, autoplay, toTableau, toFoundations);
    ClearDrag(ctx);
    return moved;
}

void AutoMoveCard(GameContext& ctx, PlayHooks& hooks, bool doubleClick, bool rightClick,
                  CardNumber card, std::string_view key, const Rect& cardRect) {
    if (card <= 0 || !ctx.deck.IsFaceUp(card)) return;
    const Leaving leaving = HowCardLeaves(ctx, card, key);
    if (leaving == Leaving::kStays) return;
    if (doubleClick) ctx.game.pointer.swallowNextPress = true;

    const bool clickToMove = ctx.rules[rule::kClickToMove] == 1;
    bool toFoundations = clickToMove;
    bool toTableau = clickToMove;
    if (doubleClick) {
        toFoundations = toFoundations || ctx.state.GetFlag(field::kDoubleClickToFoundations);
        toTableau = toTableau || ctx.state.GetFlag(field::kDoubleClickToTableaus);
    }
    if (rightClick) {
        toFoundations = toFoundations || ctx.state.GetFlag(field::kRightClickToFoundations);
        toTableau = toTableau || ctx.state.GetFlag(field::kRightClickToTableaus);
    }
    if (toFoundations || toTableau)
        FindAndMoveToTarget(ctx, hooks, card, cardRect, leaving == Leaving::kAlone, false,
                            toTableau, toFoundations);
    if (ctx.flags[Flag::kGameWon]) EndGame(ctx);
}

}  // namespace vis
