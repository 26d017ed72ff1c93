#include "engine/family_follow_ups.h"

#include <string>

#include "engine/complete_sequences.h"
#include "engine/end_of_game.h"
#include "engine/game_completion.h"
#include "engine/grid_moves.h"
#include "engine/move_execution.h"
#include "engine/move_log.h"
#include "engine/scoring.h"
#include "engine/table_queries.h"
#include "model/families.h"
#include "model/rule_index.h"

namespace vis {

namespace {

constexpr int kRowOfTenBuilding = 69;
constexpr int kJumpBuilding = 71;

constexpr int kRowLength = 10;
constexpr int kRemainderFirst = 10;  // tableau piles 10-24 hold the rest of the deal
constexpr int kRemainderLast = 24;
constexpr int kMostRemainderPilesToClear = 8;

constexpr int kClockPiles = 13;
constexpr int kClockCentre = 12;  // the pile of the Kings
// Every turn shows one more card; a bound keeps a damaged position from
// turning for ever.
constexpr int kMostClockTurns = 4 * kLastCard;

constexpr int kCompletePileCards = 13;

const std::string& Tableau(const GameContext& ctx, int i) {
    return ctx.piles.fila[static_cast<std::size_t>(i)];
}

int Building(const GameContext& ctx, int tableau) {
    return ctx.rules[rule::kTableauBuilding + tableau];
}

void SetDoneFlag(GameContext& ctx) {
    ctx.flags[Flag::kGameWon] = IsGameComplete(ctx);
}

// Lifts the card, slides it onto the discard pile and discards it there.
void Discard(GameContext& ctx, PlayHooks& hooks, CardNumber card) {
    const CardOrigin origin = FindOrigin(ctx.piles, card);
    if (origin.kind == OriginKind::kNone) return;
    const PileRef discard{PileList::Mazzo, kSecondWasteIndex};
    ctx.ui.LiftCard(card, origin.pile, origin.slot);
    ctx.ui.SlideCard(card, origin.pile, origin.slot, discard, CardCount(ctx.piles.Pile(discard)));
    ExecuteMove(ctx, hooks, Move::Cards(card, discard));
}

// Every card of a pile, top card first.
void DiscardPile(GameContext& ctx, PlayHooks& hooks, const std::string& pile) {
    const std::vector<CardNumber> cards = CardsOf(pile);
    for (auto it = cards.rbegin(); it != cards.rend(); ++it)
        if (*it > 0) Discard(ctx, hooks, *it);
}

void DiscardFourOfAKind(GameContext& ctx, PlayHooks& hooks, int target) {
    const std::string& pile = Tableau(ctx, target);
    const int count = CardCount(pile);
    if (count <= 3) return;
    std::vector<CardNumber> four;
    for (int slot = count - 1; slot >= count - 4; --slot) four.push_back(CardAt(pile, slot));
    for (CardNumber card : four)
        if (card <= 0 || RankOf(card) != RankOf(four.front())) return;
    for (CardNumber card : four) Discard(ctx, hooks, card);
}

// The row of ten: once every one of the first ten piles holds a single
// card, a run of ten consecutive ranks there is discarded, and with it the
// rest of the table when little of it is left.
void ClearRowOfTen(GameContext& ctx, PlayHooks& hooks) {
    for (int i = 0; i < kRowLength; ++i)
        if (CardCount(Tableau(ctx, i)) != 1) return;
    const int stepsBefore = UndoStepCount(ctx);
    hooks.FillGaps(ctx);
    std::vector<CardNumber> row;
    for (int i = 0; i < kRowLength; ++i) row.push_back(TopCard(Tableau(ctx, i)));
    if (ReadsConsecutiveRanks(row)) {
        for (CardNumber card : row) Discard(ctx, hooks, card);
        int held = 0;
        for (int i = kRemainderFirst; i <= kRemainderLast; ++i)
            held += Tableau(ctx, i).empty() ? 0 : 1;
        if (held <= kMostRemainderPilesToClear) {
            for (int i = kRemainderFirst; i <= kRemainderLast; ++i)
                DiscardPile(ctx, hooks, Tableau(ctx, i));
            for (const std::string& reserve : ctx.piles.appogg) DiscardPile(ctx, hooks, reserve);
        }
    }
    MergeStepsSince(ctx, stepsBefore);
}

// The card jumped over leaves the table.
void RemoveJumpedCard(GameContext& ctx, int jumped) {
    const std::string& pile = Tableau(ctx, jumped);
    const CardNumber card = TopCard(pile);
    if (card <= 0) return;
    const std::string before = pile;
    TakeOutCards(ctx, {OriginKind::kTableau, {PileList::Fila, jumped}, CardCount(pile) - 1}, false);
    ctx.ui.RepaintPile({PileList::Fila, jumped}, before, Tableau(ctx, jumped));
}

int FirstFaceDownTop(const GameContext& ctx, int from, int to) {
    for (int i = from; i <= to; ++i) {
        const CardNumber top = TopCard(Tableau(ctx, i));
        if (top > 0 && !ctx.deck.IsFaceUp(top)) return i;
    }
    return -1;
}

void FinishClockMove(GameContext& ctx, int target) {
    if (target >= kClockPiles) return;
    TurnClockPile(ctx, target);
    ContinueClock(ctx, target);
    UpdateScore(ctx);
    SetDoneFlag(ctx);
    if (ctx.flags[Flag::kGameWon]) EndGame(ctx);
}

void LabelPiles(GameContext& ctx) {
    for (int i = 0; i < UsedTableauPiles(ctx); ++i) {
        const int count = CardCount(Tableau(ctx, i));
        if (count == kCompletePileCards)
            ctx.ui.ShowPileLabel(i, "Completed", true);
        else
            ctx.ui.ShowPileLabel(i, std::to_string(count) + (count == 1 ? " card" : " cards"),
                                 false);
    }
}

bool FirstTenHoldCards(const GameContext& ctx) {
    for (int i = 0; i < kRowLength; ++i)
        if (Tableau(ctx, i).empty()) return false;
    return true;
}

// The companion of a Jack is the Ace of its suit, of a King the Queen.
int CompanionRank(int rank) {
    if (rank == 11) return 1;
    if (rank == 13) return 12;
    return 0;
}

bool IsCompanion(CardNumber card, int rank, int suit) {
    return card > 0 && RankOf(card) == rank && SuitIndex(card) == suit;
}

}  // namespace

bool ReadsConsecutiveRanks(const std::vector<CardNumber>& cards) {
    int anchor = -1;
    for (std::size_t i = 0; i < cards.size() && anchor < 0; ++i)
        if (RankOf(cards[i]) != kJokerRank) anchor = static_cast<int>(i);
    if (anchor < 0) return true;
    const int anchorRank = RankOf(cards[static_cast<std::size_t>(anchor)]);
    for (std::size_t i = 0; i < cards.size(); ++i) {
        const int rank = RankOf(cards[i]);
        if (rank == kJokerRank) continue;
        const int wanted = ((anchorRank - 1 + static_cast<int>(i) - anchor) % 13 + 13) % 13 + 1;
        if (rank != wanted) return false;
    }
    return true;
}

void TurnClockPile(GameContext& ctx, int tableau) {
    std::string& pile = ctx.piles.fila[static_cast<std::size_t>(tableau)];
    if (CardCount(pile) == 0) return;
    const std::string before = pile;
    pile = pile.substr(pile.size() - 3) + pile.substr(0, pile.size() - 3);
    ctx.deck.SetCardFace(TopCard(pile), kFaceUp);
    ctx.ui.RepaintPile({PileList::Fila, tableau}, before, pile);
}

int CellToBeJumped(const GameContext& ctx, CardNumber card, int target) {
    if (target < 0 || target >= kFilaPileCount || Building(ctx, target) != kJumpBuilding) return -1;
    return JumpedCell(ctx, card, target);
}

void ContinueClock(GameContext& ctx, int pile) {
    if (pile < 0 || pile >= kClockPiles) return;
    for (int turns = 0; turns < kMostClockTurns; ++turns) {
        const std::string& text = Tableau(ctx, pile);
        const int count = CardCount(text);
        if (count == 0 || RankOf(TopCard(text)) != pile + 1) return;
        const CardNumber beneath = CardAt(text, count - 2);
        if (count >= 2 && beneath > 0 && !ctx.deck.IsFaceUp(beneath)) {
            TurnClockPile(ctx, pile);
            continue;
        }
        if (pile == kClockCentre) return;
        int next = FirstFaceDownTop(ctx, pile + 1, kClockCentre);
        if (next < 0) next = FirstFaceDownTop(ctx, 0, pile - 1);
        if (next < 0) return;
        pile = next;
        TurnClockPile(ctx, pile);
    }
}

void AfterTableauMove(GameContext& ctx, PlayHooks& hooks, const CardOrigin& origin, int target,
                      int jumpedCell) {
    if (origin.kind == OriginKind::kTableau) RemoveCompleteSequence(ctx, hooks, origin.pile.index);
    RemoveCompleteSequence(ctx, hooks, target);

    const Family family = FamilyOf(ctx.rules[rule::kFamily]);
    if (family == Family::kFourOfAKind) DiscardFourOfAKind(ctx, hooks, target);
    if (Building(ctx, target) == kRowOfTenBuilding && Building(ctx, 0) == kRowOfTenBuilding)
        ClearRowOfTen(ctx, hooks);
    if (jumpedCell >= 0) RemoveJumpedCard(ctx, jumpedCell);
    if (family == Family::kMemoryForgetMeNot && FirstTenHoldCards(ctx)) hooks.FinishMemoryGame(ctx);
    if (family == Family::kClock) FinishClockMove(ctx, target);
    if (family == Family::kLabelledPiles) {
        LabelPiles(ctx);
        UpdateScore(ctx);
        SetDoneFlag(ctx);
    }
    if (TraitsOf(family).scoresEveryMove) {
        UpdateScore(ctx);
        SetDoneFlag(ctx);
    }
}

void SendCompanionHome(GameContext& ctx, PlayHooks& hooks, CardNumber card, int foundation) {
    if (FamilyOf(ctx.rules[rule::kFamily]) != Family::kCompanions) return;
    const int rank = CompanionRank(RankOf(card));
    const int home = foundation - 3;
    if (rank == 0 || home < 0) return;
    const int suit = SuitIndex(card);

    CardNumber companion = TopCard(ctx.piles.mazzo[kWasteIndex]);
    for (int i = 0; i < kFilaPileCount && !IsCompanion(companion, rank, suit); ++i)
        companion = TopCard(Tableau(ctx, i));
    if (!IsCompanion(companion, rank, suit)) return;

    const CardOrigin origin = FindOrigin(ctx.piles, companion);
    const PileRef homePile{PileList::Dest, home};
    ctx.ui.LiftCard(companion, origin.pile, origin.slot);
    ctx.ui.SlideCard(companion, origin.pile, origin.slot, homePile,
                     CardCount(ctx.piles.Pile(homePile)));
    const int stepsBefore = UndoStepCount(ctx);
    ExecuteMove(ctx, hooks, Move::Cards(companion, homePile));
    const int added = UndoStepCount(ctx) - stepsBefore;
    if (added > 0 && stepsBefore > 0) DropSecondNewestLines(ctx, added);
}

}  // namespace vis
