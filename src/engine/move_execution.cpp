#include "engine/move_execution.h"

#include <algorithm>

#include "engine/card_removal.h"
#include "engine/complete_sequences.h"
#include "engine/consistency_guard.h"
#include "engine/face_up.h"
#include "engine/family_follow_ups.h"
#include "engine/game_completion.h"
#include "engine/move_log.h"
#include "engine/scoring.h"
#include "engine/stock.h"
#include "engine/stock_deals.h"
#include "model/families.h"
#include "model/rule_index.h"
#include "model/sound_events.h"

namespace vis {

namespace {

constexpr int kStockGroupLines = 3;
constexpr int kFillDone = 2;
// Foundation building codes whose jokers stand in for real cards.
constexpr int kJokerFoundation = 72;
constexpr int kJokerFoundationOpenedByJoker = 75;

enum class TargetKind {
    kNothing,
    kFoundation,
    kTableau,
    kReserve,
    kDiscard,      // "Waste": the second waste of the stock group
    kBackOnWaste,  // "Stock02"
    kStockOperation,
    kPileDeal,
    kRemoveSelection,
    kRefillFromStock,
    kCloseUpAndRefill,
};

struct MoveTarget {
    TargetKind kind = TargetKind::kNothing;
    PileRef pile{PileList::Mazzo, kStockIndex};
    bool autoplay = false;
};

MoveTarget TargetOf(const Move& move) {
    switch (move.kind) {
        case MoveKind::kStock:
            return {TargetKind::kStockOperation};
        case MoveKind::kPileDeal:
            return {TargetKind::kPileDeal};
        case MoveKind::kRemoveSelection:
            return {TargetKind::kRemoveSelection};
        case MoveKind::kRefillFromStock:
            return {TargetKind::kRefillFromStock};
        case MoveKind::kCloseUpAndRefill:
            return {TargetKind::kCloseUpAndRefill};
        case MoveKind::kCards:
            break;
    }
    switch (move.to.list) {
        case PileList::Dest:
            return {TargetKind::kFoundation, move.to, move.autoplay};
        case PileList::Fila:
            return {TargetKind::kTableau, move.to};
        case PileList::Appogg:
            return {TargetKind::kReserve, move.to};
        case PileList::Mazzo:
            if (move.to.index == kSecondWasteIndex) return {TargetKind::kDiscard, move.to};
            if (move.to.index == kWasteIndex) return {TargetKind::kBackOnWaste, move.to};
            return {};
    }
    return {};
}

bool IsPileTarget(TargetKind kind) {
    return kind == TargetKind::kFoundation || kind == TargetKind::kTableau ||
           kind == TargetKind::kReserve || kind == TargetKind::kDiscard ||
           kind == TargetKind::kBackOnWaste;
}

// The stock is used up and the waste holds at most one card: the stock
// spot then shows its empty mark.
bool StockSpent(const GameContext& ctx) {
    return ctx.piles.mazzo[kStockIndex].empty() && CardCount(ctx.piles.mazzo[kWasteIndex]) <= 1;
}

struct MoveOutcome {
    bool moved = false;
    CardOrigin origin;
};

// The part every pile move shares: recorded, taken out, laid face up,
// drawn, judged for completion.
MoveOutcome MoveToPile(GameContext& ctx, CardNumber card, PileRef target, bool run) {
    const CardOrigin origin = FindOrigin(ctx.piles, card);
    // A card that is not on the table would be duplicated.
    if (origin.kind == OriginKind::kNone) return {};
    PushSnapshot(ctx, HistoryDirection::kUndo);
    const std::vector<CardNumber> cards = TakeOutCards(ctx, origin, run);
    const std::string before = ctx.piles.Pile(target);
    for (CardNumber moving : cards) AppendCard(ctx.piles, ctx.deck, target, moving, kFaceUp);
    ctx.ui.RepaintPile(target, before, ctx.piles.Pile(target));
    ctx.ui.RefreshCardCounter();
    ctx.flags[Flag::kGameWon] = IsGameComplete(ctx);
    return {true, origin};
}

void AfterFoundationMove(GameContext& ctx, PlayHooks& hooks, CardNumber card,
                         const MoveTarget& target) {
    const int foundation = target.pile.index;
    if (target.autoplay)
        PlaySoundEvent(ctx.ui, ctx.state, "Autoplay", field::kSoundsAutoplay);
    else
        PlaySoundEvent(ctx.ui, ctx.state, "Foundation", field::kSoundsFoundation);
    if (ctx.rules[rule::kSortedFoundations] == 1) ReorderFoundation(ctx, foundation);
    const int firstCode = ctx.rules[rule::kFoundationBuilding];
    if (firstCode == kJokerFoundation || firstCode == kJokerFoundationOpenedByJoker)
        hooks.HandOnJoker(ctx, foundation, card);
    if (ctx.game.foundationHighlightStyle != 0) ctx.ui.HighlightFoundation(foundation);
}

MoveOutcome MoveCards(GameContext& ctx, PlayHooks& hooks, const Move& move,
                      const MoveTarget& target) {
    const CardNumber card = move.card;
    // Only piles that hold runs take several cards at once.
    const bool run =
        move.run && (target.kind == TargetKind::kTableau || target.kind == TargetKind::kReserve);
    const int jumpedCell =
        target.kind == TargetKind::kTableau ? CellToBeJumped(ctx, card, target.pile.index) : -1;
    const MoveOutcome outcome = MoveToPile(ctx, card, target.pile, run);
    if (!outcome.moved) return outcome;
    switch (target.kind) {
        case TargetKind::kFoundation:
            AfterFoundationMove(ctx, hooks, card, target);
            break;
        case TargetKind::kTableau:
            PlaySoundEvent(ctx.ui, ctx.state, "Tableau", field::kSoundsTableau);
            AfterTableauMove(ctx, hooks, outcome.origin, target.pile.index, jumpedCell);
            break;
        case TargetKind::kReserve:
        case TargetKind::kBackOnWaste:
            PlaySoundEvent(ctx.ui, ctx.state, "Tableau", field::kSoundsTableau);
            break;
        case TargetKind::kDiscard:
            if (FamilyOf(ctx.rules[rule::kFamily]) == Family::kEddy)
                PlaySoundEvent(ctx.ui, ctx.state, "Eddy", field::kSoundsFoundation);
            break;
        default:
            break;
    }
    return outcome;
}

// The operations that move no single card of the player's.
bool RunOperation(GameContext& ctx, PlayHooks& hooks, const Move& move, const MoveTarget& target) {
    switch (target.kind) {
        case TargetKind::kStockOperation:
            return RunStockOperation(ctx, move.stock);
        case TargetKind::kPileDeal:
            return DealOntoPiles(ctx, move.deal);
        case TargetKind::kRemoveSelection:
            return hooks.RemoveSelection(ctx);
        case TargetKind::kRefillFromStock:
            return hooks.RefillFromStock(ctx);
        case TargetKind::kCloseUpAndRefill:
            return hooks.CloseUpAndRefill(ctx);
        default:
            return false;
    }
}

MoveOutcome Dispatch(GameContext& ctx, PlayHooks& hooks, const Move& move,
                     const MoveTarget& target) {
    if (IsPileTarget(target.kind)) return MoveCards(ctx, hooks, move, target);
    MoveOutcome outcome;
    outcome.moved = RunOperation(ctx, hooks, move, target);
    return outcome;
}

// A tableau card may move only home until the first one has gone home.
bool FillPhaseAllows(const GameContext& ctx, int card, TargetKind kind) {
    if (ctx.rules[rule::kFillPhase] != 1 || ctx.game.fillCounter != 0) return true;
    return kind == TargetKind::kFoundation &&
           FindOrigin(ctx.piles, card).kind == OriginKind::kTableau;
}

void RaiseTableExtent(GameContext& ctx, const MoveOptions& options) {
    if (options.blockHeight <= 0) return;
    TableLayout& layout = ctx.game.layout;
    const int bottom = options.blockTop + options.blockHeight + layout.scrollOffset;
    if (bottom <= layout.tableExtent) return;
    layout.tableExtent = bottom;
    ctx.ui.UpdateScrollBar();
}

}  // namespace

bool ExecuteMove(GameContext& ctx, PlayHooks& hooks, const Move& move, const MoveOptions& options) {
    const ConsistencyGuard guard(ctx);
    const MoveTarget parsed = TargetOf(move);
    if (parsed.kind == TargetKind::kNothing) return false;
    const CardNumber card = move.card;
    if (!FillPhaseAllows(ctx, card, parsed.kind)) return false;

    const bool stockWasSpent = StockSpent(ctx);
    const MoveOutcome outcome = Dispatch(ctx, hooks, move, parsed);
    const bool fromTableau = outcome.origin.kind == OriginKind::kTableau;

    if (!stockWasSpent && StockSpent(ctx)) ctx.ui.RepaintStockSpot();
    if (outcome.moved) {
        if (FamilyOf(ctx.rules[rule::kFamily]) == Family::kPokerGrid)
            hooks.ScorePokerGrid(ctx, card);
        else
            UpdateScore(ctx);
    }
    if (fromTableau && !hooks.IsAutoplayOn(ctx)) AutoFaceUp(ctx);
    if (outcome.moved) ClearRedo(ctx);
    if (ctx.game.fillCounter <= 1) {
        ++ctx.game.fillCounter;
        if (ctx.rules[rule::kFillAfterFirstMove] == 1 && ctx.game.fillCounter == 1) {
            ctx.game.fillCounter = kFillDone;
            ExecuteMove(ctx, hooks, Move::Deal({PileDealKind::kFillTableaus}));
        }
    }
    if (outcome.moved) RaiseTableExtent(ctx, options);
    if (outcome.moved && parsed.kind == TargetKind::kFoundation)
        SendCompanionHome(ctx, hooks, card, parsed.pile.index);
    if (TraitsOf(ctx.rules[rule::kFamily]).judgesCompletionLate)
        ctx.flags[Flag::kGameWon] = IsGameComplete(ctx);
    return outcome.moved;
}

int UndoStepCount(const GameContext& ctx) {
    return static_cast<int>(ctx.history.undo.stock.size()) / kStockGroupLines;
}

void MergeStepsSince(GameContext& ctx, int stepsBefore) {
    const int extra = UndoStepCount(ctx) - std::max(stepsBefore, 1);
    if (extra > 0) DropNewestSnapshots(ctx, extra);
}

void MergeStepsIntoOne(GameContext& ctx, int stepsBefore) {
    MergeStepsSince(ctx, stepsBefore + 1);
}

}  // namespace vis
