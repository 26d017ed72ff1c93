#include "engine/stock.h"

#include "engine/card_location.h"
#include "engine/end_of_game.h"
#include "engine/game_completion.h"
#include "engine/gathering_redeal.h"
#include "engine/move_execution.h"
#include "engine/move_log.h"
#include "engine/table_queries.h"
#include "model/families.h"
#include "model/rule_index.h"
#include "model/sound_events.h"
#include "model/text.h"

namespace vis {

namespace {

constexpr PileRef kStock{PileList::Mazzo, kStockIndex};
constexpr PileRef kWaste{PileList::Mazzo, kWasteIndex};
constexpr PileRef kSecondWaste{PileList::Mazzo, kSecondWasteIndex};

constexpr int kUnlimitedPasses = -1;
constexpr int kGatherOnEveryPress = gathering::kFillEachPileEveryPress;
constexpr int kCardsForLastRow = 8;
constexpr int kDealsPerTurn = 3;
constexpr int kRoundsOfFour = 4;

constexpr int kDealPauseMs = 10;
constexpr int kRedealPauseMs = 100;

std::string& Pile(GameContext& ctx, PileRef pile) {
    return ctx.piles.Pile(pile);
}

bool GatheringDue(const GameContext& ctx) {
    const int type = ctx.rules[rule::kGatheringRedeal];
    return type > 0 && PassesRemain(ctx) &&
           (ctx.piles.mazzo[kStockIndex].empty() || type == kGatherOnEveryPress);
}

void RedealGathered(GameContext& ctx) {
    const bool stockWasEmpty = ctx.piles.mazzo[kStockIndex].empty();
    PushSnapshot(ctx, HistoryDirection::kUndo);
    ++ctx.game.passNumber;
    GatheringRedeal(ctx);
    // Undoing a step that refills an empty stock already takes the pass
    // back; marking it too would take it back twice.
    if (!stockWasEmpty || ctx.piles.mazzo[kStockIndex].empty()) MarkStepEvent(ctx, kEventRedeal);
}

// The waste goes back to the stock, its bottom card on top.
void TurnWasteOver(GameContext& ctx) {
    ++ctx.game.passNumber;
    PushSnapshot(ctx, HistoryDirection::kUndo);
    Pile(ctx, kStock).clear();
    const bool animate = ctx.state.GetSettings().redealAnimation;
    if (animate)
        PlaySoundLoop(ctx.ui, ctx.state, "Redeal", ctx.state.GetFlag(field::kSoundsRedeal));
    else
        PlaySoundWait(ctx.ui, ctx.state, "Red_no_a",
                      ctx.state.GetFlag(field::kSoundsRedealWithoutAnimation));
    const char face = ctx.rules[rule::kStockFaceDown] != 0 ? kFaceDown : kFaceUp;
    std::string& waste = Pile(ctx, kWaste);
    const std::string before = waste;
    while (!waste.empty()) {
        const CardNumber card = TopCard(waste);
        const int slot = CardCount(waste) - 1;
        waste.resize(waste.size() - 3);
        AppendCard(ctx.piles, ctx.deck, kStock, card, face);
        if (animate) ctx.ui.SlideCard(card, kWaste, slot, kStock, CardCount(Pile(ctx, kStock)) - 1);
    }
    ctx.ui.RepaintPile(kWaste, before, waste);
    ctx.ui.ShowStockRedealMark();
    WaitTicks(ctx.ui, kRedealPauseMs);
    StopSound(ctx.ui);
}

// The card that comes round again first leaves the selection.
void DropRedealtCardFromSelection(GameContext& ctx) {
    std::string& selection = ctx.piles.dest[0];
    if (selection.empty()) return;
    const int slot = FindCard(selection, BottomCard(Pile(ctx, kStock)));
    if (slot < 0) return;
    selection.erase(static_cast<std::size_t>(slot) * 3, 3);
    ctx.ui.RepaintTable();
}

bool DealFromStock(GameContext& ctx, PileRef target) {
    const int perDeal = ctx.rules[rule::kCardsPerPress];
    std::string& stock = Pile(ctx, kStock);
    if (stock.empty() || perDeal < 1) return false;
    PushSnapshot(ctx, HistoryDirection::kUndo);
    const std::string before = Pile(ctx, target);
    const bool animate = ctx.state.GetSettings().cardsAnimate;
    for (int n = 0; n < perDeal && !stock.empty(); ++n) {
        const CardNumber card = TopCard(stock);
        const int slot = CardCount(stock) - 1;
        stock.resize(stock.size() - 3);
        AppendCard(ctx.piles, ctx.deck, target, card, kFaceUp);
        ctx.ui.RepaintStockSpot();
        if (animate) {
            ctx.ui.LiftCard(card, kStock, slot);
            WaitTicks(ctx.ui, kDealPauseMs);
            ctx.ui.SlideCard(card, kStock, slot, target, CardCount(Pile(ctx, target)) - 1);
        }
    }
    ctx.ui.RepaintPile(target, before, Pile(ctx, target));
    PlaySoundEvent(ctx.ui, ctx.state, "Stock", field::kSoundsStock);
    ctx.flags[Flag::kGameWon] = IsGameComplete(ctx);
    if (FamilyOf(ctx.rules[rule::kFamily]) == Family::kCountedDeals) {
        ++ctx.game.dealCounter;
        MarkStepEvent(ctx, kEventReserveDeal);
    }
    return true;
}

int LastTableauDealCode(const GameContext& ctx) {
    const int piles = UsedTableauPiles(ctx);
    return piles > 0 ? ctx.rules[rule::kTableauStockDeal + piles - 1] : 0;
}

int LastReserveDealCode(const GameContext& ctx) {
    const int reserves = UsedReserves(ctx);
    return reserves > 0 ? ctx.rules[rule::kReserveStockDeal + reserves - 1] : 0;
}

bool AnyTableauPileEmpty(const GameContext& ctx) {
    for (int i = 0; i < UsedTableauPiles(ctx); ++i)
        if (ctx.piles.fila[static_cast<std::size_t>(i)].empty()) return true;
    return false;
}

// Three cards to the first two reserves in turn, one undo step that counts
// as a reserve deal.
void DealReservesInTurn(GameContext& ctx, PlayHooks& hooks) {
    ++ctx.game.dealCounter;
    const Move reserve =
        Move::Deal({PileDealKind::kOneReserve, ctx.game.dealCounter % 2 != 0 ? 0 : 1});
    const int stepsBefore = UndoStepCount(ctx);
    for (int n = 0; n < kDealsPerTurn && !ctx.piles.mazzo[kStockIndex].empty(); ++n)
        ExecuteMove(ctx, hooks, reserve);
    const int added = UndoStepCount(ctx) - stepsBefore;
    if (added > 1) DropSecondNewestLines(ctx, added - 1);
    if (added > 0) MarkStepEvent(ctx, kEventReserveDeal);
}

void DealFourRounds(GameContext& ctx, PlayHooks& hooks) {
    const int stepsBefore = UndoStepCount(ctx);
    for (int round = 0; round < kRoundsOfFour; ++round)
        for (int i = 0; i < UsedTableauPiles(ctx) && !ctx.piles.mazzo[kStockIndex].empty(); ++i)
            ExecuteMove(ctx, hooks, Move::Deal({PileDealKind::kOneTableau, i}));
    MergeStepsIntoOne(ctx, stepsBefore);
}

// A press in a game without a waste: the first action that applies.
void PressStockWithoutWaste(GameContext& ctx, PlayHooks& hooks) {
    const GameRules& rules = ctx.rules;
    const int type = rules[rule::kGatheringRedeal];
    const bool stockEmpty = ctx.piles.mazzo[kStockIndex].empty();
    const int tableauAction = rules[rule::kTableauStockDeal];
    const int reserveAction = rules[rule::kReserveStockDeal];

    if ((type > 0 && stockEmpty) || type == kGatherOnEveryPress) {
        ExecuteMove(ctx, hooks, Move::Stock(StockOperation::kRedeal));
    } else if (tableauAction == stock_deal::kToTableau ||
               LastTableauDealCode(ctx) == stock_deal::kToTableau) {
        const int stepsBefore = UndoStepCount(ctx);
        ExecuteMove(ctx, hooks, Move::Deal({PileDealKind::kTableaus}));
        if (reserveAction == stock_deal::kReserveFaceDown)
            ExecuteMove(ctx, hooks, Move::Deal({PileDealKind::kReserves}));
        MergeStepsIntoOne(ctx, stepsBefore);
    } else if (tableauAction == stock_deal::kToFullTableau ||
               LastTableauDealCode(ctx) == stock_deal::kToFullTableau) {
        if (AnyTableauPileEmpty(ctx))
            ctx.ui.ShowMessage(std::string(kGapsBeforeDealingMessage));
        else
            ExecuteMove(ctx, hooks, Move::Deal({PileDealKind::kTableaus}));
    } else if (reserveAction == stock_deal::kToReserves ||
               LastReserveDealCode(ctx) == stock_deal::kToReserves) {
        ExecuteMove(ctx, hooks, Move::Deal({PileDealKind::kReserves}));
    } else if (reserveAction == stock_deal::kReservesOrLastRow) {
        if (CardCount(ctx.piles.mazzo[kStockIndex]) == kCardsForLastRow) {
            ExecuteMove(ctx, hooks, Move::Deal({PileDealKind::kTableausLast}));
        } else {
            ExecuteMove(ctx, hooks, Move::Deal({PileDealKind::kReserves}));
            ExecuteMove(ctx, hooks, Move::Deal({PileDealKind::kReserves}));
        }
    } else if (reserveAction == stock_deal::kReservesInTurn) {
        if (!stockEmpty) DealReservesInTurn(ctx, hooks);
    } else if (tableauAction == stock_deal::kFourRounds) {
        DealFourRounds(ctx, hooks);
    } else if (rules[rule::kExtraStockArrangement] != 0) {
        // A game with a second waste deals to it.
        ExecuteMove(ctx, hooks, Move::Stock(StockOperation::kToSecondWaste));
    }
}

bool PressWithWasteActs(const GameContext& ctx) {
    const bool stockEmpty = ctx.piles.mazzo[kStockIndex].empty();
    const int wasteCards = CardCount(ctx.piles.mazzo[kWasteIndex]);
    if (ctx.rules[rule::kStockWaitsForWaste] == 1 && wasteCards > 0) return false;
    if (GatheringDue(ctx)) return true;
    if (!stockEmpty) return ctx.rules[rule::kCardsPerPress] >= 1;
    return wasteCards > 1 && PassesRemain(ctx);
}

bool PressWithoutWasteActs(const GameContext& ctx) {
    const GameRules& rules = ctx.rules;
    const int type = rules[rule::kGatheringRedeal];
    const bool stockEmpty = ctx.piles.mazzo[kStockIndex].empty();
    if ((type > 0 && stockEmpty) || type == kGatherOnEveryPress) return GatheringDue(ctx);
    if (stockEmpty) return false;
    const int tableauAction = rules[rule::kTableauStockDeal];
    const int reserveAction = rules[rule::kReserveStockDeal];
    if (tableauAction == stock_deal::kToTableau ||
        LastTableauDealCode(ctx) == stock_deal::kToTableau)
        return true;
    if (tableauAction == stock_deal::kToFullTableau ||
        LastTableauDealCode(ctx) == stock_deal::kToFullTableau)
        return !AnyTableauPileEmpty(ctx);
    return reserveAction == stock_deal::kToReserves ||
           LastReserveDealCode(ctx) == stock_deal::kToReserves ||
           reserveAction == stock_deal::kReservesOrLastRow ||
           reserveAction == stock_deal::kReservesInTurn ||
           tableauAction == stock_deal::kFourRounds || rules[rule::kExtraStockArrangement] != 0;
}

}  // namespace

bool StockPressActs(const GameContext& ctx) {
    // Until the first card has gone home in a fill-phase game, nothing but
    // that move is carried out.
    if (ctx.rules[rule::kFillPhase] == 1 && ctx.game.fillCounter == 0) return false;
    if (ctx.rules[rule::kSelectionGame] != 0) return !ctx.piles.mazzo[kStockIndex].empty();
    return ctx.rules[rule::kHasWaste] == 1 ? PressWithWasteActs(ctx) : PressWithoutWasteActs(ctx);
}

bool PassesRemain(const GameContext& ctx) {
    const int passes = ctx.rules[rule::kPasses];
    return passes == kUnlimitedPasses || passes > ctx.game.passNumber;
}

void PressStock(GameContext& ctx, PlayHooks& hooks, CardNumber topCard) {
    if (ctx.rules[rule::kSelectionGame] != 0) {
        hooks.PressStockInSelectionGame(ctx);
        return;
    }
    const Family family = FamilyOf(ctx.rules[rule::kFamily]);
    if (family == Family::kPyramid && !ctx.piles.mazzo[kStockIndex].empty() &&
        !ctx.piles.dest[0].empty()) {
        hooks.SelectCard(ctx, topCard);
        return;
    }
    if (ctx.rules[rule::kHasWaste] == 1) {
        const bool waitsForWaste =
            ctx.rules[rule::kStockWaitsForWaste] == 1 && !ctx.piles.mazzo[kWasteIndex].empty();
        if (!waitsForWaste) ExecuteMove(ctx, hooks, Move::Stock(StockOperation::kToWaste));
    } else {
        PressStockWithoutWaste(ctx, hooks);
    }
    if ((family == Family::kDiscardNeighbours || family == Family::kDiscardWrapping) &&
        ctx.flags[Flag::kGameWon])
        EndGame(ctx);
}

void MarkStockPressed(GameContext& ctx) {
    ctx.game.stockPressed = true;
    ctx.ui.ShowStockPressed();
}

void ReleaseStock(GameContext& ctx, PlayHooks& hooks) {
    if (!ctx.game.stockPressed) return;
    ctx.ui.RepaintStockSpot();
    ExecuteMove(ctx, hooks, Move::Stock(StockOperation::kToWaste));
    ctx.game.stockPressed = false;
}

void CancelStockPress(GameContext& ctx) {
    if (!ctx.game.stockPressed) return;
    ctx.ui.RepaintStockSpot();
    ctx.game.stockPressed = false;
}

bool RunStockOperation(GameContext& ctx, StockOperation operation) {
    if (GatheringDue(ctx)) {
        if (!ctx.game.stockPressed) {
            MarkStockPressed(ctx);
            return false;
        }
        ctx.game.stockPressed = false;
        RedealGathered(ctx);
        return true;
    }
    const bool toWaste = operation == StockOperation::kToWaste;
    if (toWaste && ctx.piles.mazzo[kStockIndex].empty() &&
        CardCount(ctx.piles.mazzo[kWasteIndex]) > 1 && PassesRemain(ctx)) {
        if (!ctx.game.stockPressed) {
            MarkStockPressed(ctx);
            return false;
        }
        ctx.game.stockPressed = false;
        TurnWasteOver(ctx);
        if (FamilyOf(ctx.rules[rule::kFamily]) == Family::kPyramid)
            DropRedealtCardFromSelection(ctx);
        return true;
    }
    if (toWaste) return DealFromStock(ctx, kWaste);
    if (operation == StockOperation::kToSecondWaste) return DealFromStock(ctx, kSecondWaste);
    return false;
}

}  // namespace vis
