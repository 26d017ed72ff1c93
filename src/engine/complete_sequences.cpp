#include "engine/complete_sequences.h"

#include <string>

#include "engine/foundation_tests.h"
#include "engine/move_execution.h"
#include "engine/table_queries.h"
#include "model/rule_index.h"
#include "model/sound_events.h"
#include "model/table_layout.h"

namespace vis {

namespace {

constexpr int kSequenceLength = 13;
// Empty-pile rules of the foundations that take whole sequences.
constexpr int kAnySuitSequence = 82;
constexpr int kSuitSequence = 83;
constexpr int kAscendingSuitSequence = 95;

constexpr int kSameSuitBuilding = 0;
constexpr int kAlternateColourBuilding = 3;

bool IsSequenceRule(int emptyRule) {
    return emptyRule == kAnySuitSequence || emptyRule == kSuitSequence ||
           emptyRule == kAscendingSuitSequence;
}

// The first empty sequence foundation, or -1.
int FreeSequenceFoundation(const GameContext& ctx) {
    for (int f = 0; f < UsedFoundations(ctx); ++f)
        if (IsSequenceRule(ctx.rules[rule::kFoundationBase + f]) &&
            ctx.piles.dest[static_cast<std::size_t>(f)].empty())
            return f;
    return -1;
}

bool HasSequenceFoundation(const GameContext& ctx) {
    for (int f = 0; f < UsedFoundations(ctx); ++f)
        if (IsSequenceRule(ctx.rules[rule::kFoundationBase + f])) return true;
    return false;
}

// Whether `upper` may lie on `lower` within a sequence of the given rule.
bool SuitsFit(const GameContext& ctx, int emptyRule, int tableau, CardNumber lower,
              CardNumber upper) {
    if (emptyRule != kAnySuitSequence) return SuitIndex(lower) == SuitIndex(upper);
    switch (ctx.rules[rule::kTableauBuilding + tableau]) {
        case kSameSuitBuilding:
            return SuitIndex(lower) == SuitIndex(upper);
        case kAlternateColourBuilding:
            return IsRed(lower) != IsRed(upper);
        default:
            return true;
    }
}

// How many cards from the top of the pile follow the sequence pattern.
int SequenceLengthOnTop(const GameContext& ctx, int emptyRule, int tableau) {
    const std::string& pile = ctx.piles.fila[static_cast<std::size_t>(tableau)];
    const int top = CardCount(pile) - 1;
    int length = 0;
    for (; length < kSequenceLength && top - length >= 0; ++length) {
        const CardNumber card = CardAt(pile, top - length);
        const int wanted =
            emptyRule == kAscendingSuitSequence ? kSequenceLength - length : length + 1;
        if (card <= 0 || !ctx.deck.IsFaceUp(card) || RankOf(card) != wanted) break;
        if (length > 0 && !SuitsFit(ctx, emptyRule, tableau, card, CardAt(pile, top - length + 1)))
            break;
    }
    return length;
}

}  // namespace

bool RemoveCompleteSequence(GameContext& ctx, PlayHooks& hooks, int tableau) {
    if (tableau < 0 || tableau >= kFilaPileCount) return false;
    const PileRef pile{PileList::Fila, tableau};
    if (CardCount(ctx.piles.Pile(pile)) < kSequenceLength || !HasSequenceFoundation(ctx))
        return false;
    const int foundation = FreeSequenceFoundation(ctx);
    if (foundation < 0) return false;
    const int emptyRule = ctx.rules[rule::kFoundationBase + foundation];
    if (SequenceLengthOnTop(ctx, emptyRule, tableau) < kSequenceLength) return false;
    if (emptyRule == kAnySuitSequence &&
        !PassesBalancedBase(ctx, TopCard(ctx.piles.Pile(pile)), emptyRule))
        return false;

    const PileRef home{PileList::Dest, foundation};
    const bool onTable = IsOnTable(ctx.game.layout, home);
    const PileRef landing = onTable ? home : PileRef{PileList::Mazzo, kSecondWasteIndex};

    PlaySoundLoop(ctx.ui, ctx.state, "Redeal", ctx.state.GetFlag(field::kSoundsRedeal));
    const int stepsBefore = UndoStepCount(ctx);
    for (int n = 0; n < kSequenceLength; ++n) {
        const std::string& text = ctx.piles.Pile(pile);
        const CardNumber card = TopCard(text);
        const int slot = CardCount(text) - 1;
        ctx.ui.LiftCard(card, pile, slot);
        ctx.ui.SlideCard(card, pile, slot, landing, CardCount(ctx.piles.Pile(landing)));
        if (!ExecuteMove(ctx, hooks, Move::Cards(card, landing))) break;
    }
    MergeStepsSince(ctx, stepsBefore);
    StopSound(ctx.ui);
    return true;
}

}  // namespace vis
