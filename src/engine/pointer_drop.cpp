#include "engine/pointer_drop.h"

#include <algorithm>
#include <tuple>

#include "engine/card_location.h"
#include "engine/card_removal.h"
#include "engine/move_execution.h"
#include "engine/move_log.h"
#include "engine/move_rules.h"
#include "engine/pointer_lift.h"
#include "engine/rank_relations.h"
#include "engine/table_queries.h"
#include "model/families.h"
#include "model/rule_index.h"
#include "view/geometry/card_position.h"
#include "view/geometry/fan_types.h"

namespace vis {

namespace {

constexpr int kMostCandidates = 4;
constexpr int kProbeStep = 50;
constexpr int kWasteNeverTarget = 4;
constexpr int kWasteBuildsBySuit = 2;

bool Between(int value, int low, int high) {
    return value >= low && value <= high;
}

PileRef PileOf(const DropCandidate& candidate) {
    switch (candidate.kind) {
        case DropKind::kWaste:
            return {PileList::Mazzo, kWasteIndex};
        case DropKind::kTableau:
            return {PileList::Fila, candidate.index};
        case DropKind::kFoundation:
            return {PileList::Dest, candidate.index};
        case DropKind::kReserve:
            return {PileList::Appogg, candidate.index};
    }
    return {PileList::Mazzo, kWasteIndex};
}

// Layouts in which every tableau card is a target of its own.
bool EveryTableauCardIsATarget(const GameContext& ctx) {
    const int fanType = ctx.rules[rule::kTableauFan];
    return fanType == fan::kRowOfCells || fanType == fan::kCardRow ||
           TraitsOf(ctx.rules[rule::kFamily]).gapGame;
}

int UsedFoundationPiles(const GameContext& ctx) {
    return std::clamp<int>(ctx.rules[rule::kFoundationCount], 0, kDestPileCount);
}

// Until the first card has gone home in a fill-phase game, only a tableau
// card may move, and only home.
struct DropFilter {
    bool any = true;
    bool foundationsOnly = false;
};

DropFilter FillPhaseFilter(const GameContext& ctx, CardNumber card) {
    if (ctx.rules[rule::kFillPhase] != 1 || ctx.game.fillCounter != 0) return {};
    if (FindOrigin(ctx.piles, card).kind != OriginKind::kTableau) return {false, false};
    return {true, true};
}

// The waste takes a card of its top card's suit one rank away, King and Ace
// joined, in games whose waste builds.
bool WasteTakes(const GameContext& ctx, CardNumber card) {
    if (ctx.rules[rule::kWasteBuilds] != kWasteBuildsBySuit) return false;
    const CardNumber top = TopCard(ctx.piles.mazzo[kWasteIndex]);
    return top > 0 && SameSuit(top, card) && IsOneApartWrapping(RankOf(top), RankOf(card));
}

void AddIfOverlapping(const GameContext& ctx, const Rect& block, DropCandidate candidate,
                      std::vector<DropCandidate>& found) {
    if (const auto area = OverlapArea(block, DropRect(ctx, candidate))) {
        candidate.area = *area;
        found.push_back(candidate);
    }
}

void AddTableauCandidates(const GameContext& ctx, const Rect& block,
                          std::vector<DropCandidate>& found) {
    const bool perCard = EveryTableauCardIsATarget(ctx);
    for (int i = 0; i < UsedTableauPiles(ctx); ++i) {
        if (!IsOnTable(ctx.game.layout, {PileList::Fila, i})) continue;
        const int cards = CardCount(ctx.piles.fila[static_cast<std::size_t>(i)]);
        if (!perCard || cards == 0) {
            AddIfOverlapping(ctx, block, {DropKind::kTableau, i}, found);
            continue;
        }
        for (int slot = 0; slot < cards; ++slot)
            AddIfOverlapping(ctx, block, {DropKind::kTableau, i, slot}, found);
    }
}

// The card a candidate shows: its top card, or the card at its place.
CardNumber CandidateCard(const GameContext& ctx, const DropCandidate& candidate) {
    const std::string& text = ctx.piles.Pile(PileOf(candidate));
    return candidate.slot >= 0 ? CardAt(text, candidate.slot) : TopCard(text);
}

// In the game of one row of cards the first candidate of the dragged card's
// rank or suit is the only target.
bool DropInCardRow(GameContext& ctx, PlayHooks& hooks, CardNumber card,
                   const std::vector<DropCandidate>& candidates) {
    for (const DropCandidate& candidate : candidates) {
        const CardNumber target = CandidateCard(ctx, candidate);
        if (target <= 0 || target == card) continue;
        if (SameRank(target, card) || SameSuit(target, card))
            return hooks.DropInCardRow(ctx, card, target);
    }
    return false;
}

}  // namespace

std::optional<int> OverlapArea(const Rect& block, const Rect& pile) {
    const int l = block.left, t = block.top, r = block.right, b = block.bottom;
    if (pile.Contains(l, t)) return (pile.right - l) * (pile.bottom - t);
    if (pile.Contains(r, b)) return (r - pile.left) * (b - pile.top);
    if (pile.Contains(r, t)) return (pile.bottom - t) * (r - pile.left);
    if (pile.Contains(l, b)) return (pile.right - l) * (b - pile.top);
    const bool leftInside = Between(l, pile.left, pile.right);
    if (!leftInside && !Between(r, pile.left, pile.right)) return std::nullopt;
    for (int y = t; y <= b; y += kProbeStep) {
        if (!Between(y, pile.top, pile.bottom)) continue;
        return leftInside ? (pile.right - l) * (b - t) : (r - pile.left) * (b - t);
    }
    return std::nullopt;
}

Rect DropRect(const GameContext& ctx, const DropCandidate& candidate) {
    const PileRef pile = PileOf(candidate);
    if (candidate.slot < 0) return CardRectAt(ctx, CardPosition(ctx, pile, 0, false));
    const std::string& text = ctx.piles.Pile(pile);
    const int cardsLeftOff = CardCount(text) - 1 - candidate.slot;
    return CardRectAt(ctx, CardPositionIn(ctx, pile, text, cardsLeftOff, false));
}

std::string DropTargetKey(const DropCandidate& candidate) {
    return PileKey(PileOf(candidate));
}

std::vector<DropCandidate> RankDropCandidates(const GameContext& ctx, CardNumber card,
                                              const Rect& block) {
    const DropFilter filter = FillPhaseFilter(ctx, card);
    std::vector<DropCandidate> found;
    if (!filter.any) return found;
    const TableLayout& layout = ctx.game.layout;
    for (int i = 0; i < UsedFoundationPiles(ctx); ++i)
        if (IsOnTable(layout, {PileList::Dest, i}))
            AddIfOverlapping(ctx, block, {DropKind::kFoundation, i}, found);
    if (!filter.foundationsOnly) {
        AddTableauCandidates(ctx, block, found);
        for (int i = 0; i < UsedReserves(ctx); ++i)
            if (IsOnTable(layout, {PileList::Appogg, i}))
                AddIfOverlapping(ctx, block, {DropKind::kReserve, i}, found);
        if (ctx.rules[rule::kWasteNotTarget] != kWasteNeverTarget &&
            IsOnTable(layout, {PileList::Mazzo, kWasteIndex}))
            AddIfOverlapping(ctx, block, {DropKind::kWaste, 0}, found);
    }
    const auto rank = [](const DropCandidate& c) {
        return std::make_tuple(c.area, static_cast<int>(c.kind), c.index, c.slot);
    };
    std::sort(found.begin(), found.end(),
              [&](const DropCandidate& a, const DropCandidate& b) { return rank(a) > rank(b); });
    if (found.size() > kMostCandidates) found.resize(kMostCandidates);
    return found;
}

bool DropAccepts(const GameContext& ctx, CardNumber card, const DropCandidate& candidate,
                 bool run) {
    const DropFilter filter = FillPhaseFilter(ctx, card);
    if (!filter.any || (filter.foundationsOnly && candidate.kind != DropKind::kFoundation))
        return false;
    if (candidate.kind == DropKind::kWaste)
        return ctx.rules[rule::kWasteNotTarget] != kWasteNeverTarget && WasteTakes(ctx, card);
    return candidate.slot >= 0 || CardMoveAllowed(ctx, Move::Cards(card, PileOf(candidate), run));
}

bool TryDropOn(GameContext& ctx, PlayHooks& hooks, CardNumber card, const DropCandidate& candidate,
               const Rect& block, bool autoplay) {
    if (!OverlapArea(block, DropRect(ctx, candidate))) return false;
    const PileRef pile = PileOf(candidate);
    const bool onCardPlace = candidate.slot >= 0;
    if (!DropAccepts(ctx, card, candidate, !ctx.game.singleCardMove)) return false;

    PointerState& pointer = ctx.game.pointer;
    if (!pointer.lifted) LiftBlock(ctx, card, pointer.block, pointer.blockHeight);
    const Point place = CardPosition(ctx, pile, 0, true);
    if (ctx.state.GetSettings().cardsAnimate) ctx.ui.SlideDragBlock(pointer.blockAt, place);

    bool moved = false;
    if (onCardPlace) {
        moved = hooks.DropOnCardPlace(ctx, card, candidate.index, candidate.slot);
    } else {
        Move move = Move::Cards(card, pile, !ctx.game.singleCardMove);
        move.autoplay = autoplay && candidate.kind == DropKind::kFoundation;
        MoveOptions options;
        options.blockTop = place.y;
        options.blockHeight = pointer.blockHeight;
        moved = ExecuteMove(ctx, hooks, move, options);
    }
    if (!moved) return false;
    ctx.ui.EndDrag();
    pointer.lifted = false;
    if (FamilyOf(ctx.rules[rule::kFamily]) == Family::kCountedDrops &&
        candidate.kind == DropKind::kTableau)
        MarkStepEvent(ctx, kEventTableauDrop);
    hooks.ShowDropCounter(ctx);
    return true;
}

bool DropOnBestTarget(GameContext& ctx, PlayHooks& hooks, CardNumber card, const Rect& block) {
    const std::vector<DropCandidate> candidates = RankDropCandidates(ctx, card, block);
    if (FamilyOf(ctx.rules[rule::kFamily]) == Family::kCardRow)
        return DropInCardRow(ctx, hooks, card, candidates);
    for (const DropCandidate& candidate : candidates)
        if (TryDropOn(ctx, hooks, card, candidate, block, false)) return true;
    return false;
}

}  // namespace vis
