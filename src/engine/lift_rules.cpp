#include "engine/lift_rules.h"

#include "engine/card_location.h"
#include "engine/pointer_auto_move.h"
#include "engine/run_rules.h"
#include "engine/table_queries.h"
#include "model/families.h"
#include "model/rule_index.h"

namespace vis {

namespace {

constexpr int kFoundationCardLifts = 1;
constexpr int kFoundationCardLiftsAboveBase = 2;
constexpr int kFoundationJokerLifts = 3;
constexpr int kAnyReserveCardLifts = -11;
constexpr int kWasteLocked = 2;

std::optional<Lift> FromTableau(const GameContext& ctx, PileRef pile, CardNumber card) {
    const std::string& text = ctx.piles.Pile(pile);
    const bool isTop = TopCard(text) == card;
    const bool faceUp = ctx.deck.IsFaceUp(card);
    if (TraitsOf(ctx.rules[rule::kFamily]).buildsOnFaceDown) {
        if (isTop && faceUp) return Lift::kCard;
        return std::nullopt;
    }
    if (!faceUp || !GridPileFree(ctx, pile.index)) return std::nullopt;
    if (isTop) {
        if (RunWithinLimit(ctx, card, false)) return Lift::kCard;
        return std::nullopt;
    }
    // A run that breaks the building rules stays where it is.
    if (!RunFollowsRules(ctx, card, pile.index, false) || !RunWithinLimit(ctx, card, false))
        return std::nullopt;
    return Lift::kRun;
}

bool FoundationLifts(const GameContext& ctx, PileRef pile, CardNumber card) {
    const int lift = ctx.rules[rule::kFoundationLift];
    return lift == kFoundationCardLifts ||
           (lift == kFoundationCardLiftsAboveBase && CardCount(ctx.piles.Pile(pile)) > 1) ||
           (lift == kFoundationJokerLifts && IsJoker(card));
}

}  // namespace

std::optional<Lift> LiftFrom(const GameContext& ctx, PileRef pile, CardNumber card) {
    if (card <= 0) return std::nullopt;
    switch (pile.list) {
        case PileList::Fila:
            return FromTableau(ctx, pile, card);
        case PileList::Dest:
            if (FoundationLifts(ctx, pile, card)) return Lift::kCard;
            return std::nullopt;
        case PileList::Appogg: {
            const bool isTop = TopCard(ctx.piles.Pile(pile)) == card;
            if ((isTop && ctx.deck.IsFaceUp(card)) ||
                ctx.rules[rule::kReserveLift] == kAnyReserveCardLifts)
                return Lift::kCard;
            return std::nullopt;
        }
        case PileList::Mazzo:
            if (pile.index == kWasteIndex && ctx.rules[rule::kWasteLocked] != kWasteLocked)
                return Lift::kCard;
            return std::nullopt;
    }
    return std::nullopt;
}

}  // namespace vis
