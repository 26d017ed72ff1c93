#include "engine/move_rules.h"

#include "engine/building_codes.h"
#include "engine/building_rules.h"
#include "engine/move_log.h"
#include "engine/rank_relations.h"
#include "engine/run_rules.h"
#include "engine/table_queries.h"
#include "model/families.h"
#include "model/rule_index.h"

namespace vis {

namespace {

constexpr int kDropsPerGateOpening = 20;

constexpr int kMostCardsUnderCode20 = 52;

// In the drop-gate family, tableau cards go home only while the waste is
// empty or the drops onto the tableau have just reached a multiple of 20.
bool DropGateOpen(const GameContext& ctx, CardNumber card) {
    if (FamilyOf(ctx.rules[rule::kFamily]) != Family::kCountedDrops) return true;
    if (!IsTableauLocation(CardLocation(ctx, card))) return true;
    if (ctx.piles.mazzo[kWasteIndex].empty()) return true;
    return CountLogEvents(ctx.history.undo.log, kEventTableauDrop) % kDropsPerGateOpening == 0;
}

// Code 22: a card may go home only while a tableau pile shows a higher card
// of its suit, or the Ace of its suit.
bool SuitLedFromTableau(const GameContext& ctx, CardNumber card) {
    if (RankOf(card) == kAce) return false;
    for (int k = 0; k < UsedTableauPiles(ctx); ++k) {
        const CardNumber top = TopCardOrAbsent(ctx.piles.fila[static_cast<std::size_t>(k)]);
        if (top < 1 || !SameSuit(top, card)) continue;
        if (RankOf(top) > RankOf(card) || RankOf(top) == kAce) return true;
    }
    return false;
}

bool ReserveIndexValid(int index) {
    return index >= 0 && index < kAppoggPileCount;
}

}  // namespace

bool CanBuildOn(const GameContext& ctx, const BuildQuery& query) {
    if (query.top == query.card) return false;
    const BuildSituation situation(ctx, query);
    if (const std::optional<bool> verdict = StockWasteRestriction(situation)) return *verdict;
    return BuildingCodeAccepts(situation);
}

bool CanPlayToFoundation(const GameContext& ctx, CardNumber card, int index) {
    if (index < 0 || index >= kDestPileCount) return false;
    if (!DropGateOpen(ctx, card)) return false;
    const std::string& pile = ctx.piles.dest[static_cast<std::size_t>(index)];
    const int code = ctx.rules[rule::kFoundationBuilding + index];
    if (code == building::kQueenOpens) return RankOf(card) == kQueen && pile.empty();
    if (code == building::kSuitLedFromTableau) return SuitLedFromTableau(ctx, card);
    const int cards = CardCount(pile);
    const bool lengthFree =
        code == building::kUnlimitedLength || code == building::kTurningAtThirteen;
    if (!lengthFree && cards >= ctx.rules[rule::kFoundationMaxCards]) return false;
    if (code == building::kUnlimitedLength && cards >= kMostCardsUnderCode20) return false;
    const int base = ctx.rules[rule::kFoundationBase + index];
    return CanBuildOn(ctx, {
                               .top = TopCardOrAbsent(pile),
                               .card = card,
                               .emptyRule = base,
                               .baseRank = base,
                               .direction = ctx.rules[rule::kFoundationDirection + index],
                               .buildingCode = code,
                               .toFoundation = true,
                               .wraps = true,
                               .index = index,
                               .fromWrapper = true,
                           });
}

bool CanPlayToTableau(const GameContext& ctx, CardNumber card, int index, bool run) {
    if (index < 0 || index >= kFilaPileCount) return false;
    const std::string& pile = ctx.piles.fila[static_cast<std::size_t>(index)];
    const CardNumber top = TopCardOrAbsent(pile);
    if (top >= 1 && !ctx.deck.IsFaceUp(top) && !TraitsOf(ctx.rules[rule::kFamily]).buildsOnFaceDown)
        return false;
    const int mostCards = ctx.rules[rule::kTableauMaxCards];
    if (mostCards != -1 && CardCount(pile) >= mostCards) return false;
    const int code = ctx.rules[rule::kTableauBuilding + index];
    const bool accepted =
        CanBuildOn(ctx, {
                            .top = top,
                            .card = card,
                            .emptyRule = ctx.rules[rule::kTableauEmpty + index],
                            .baseRank = ctx.rules[rule::kFoundationBase],
                            .direction = ctx.rules[rule::kTableauDirection + index],
                            .buildingCode = code,
                            .toFoundation = false,
                            .wraps = ctx.rules[rule::kTableauWrap + index] > 0,
                            .index = index,
                            .fromWrapper = true,
                            .run = run,
                        });
    if (!accepted) return false;
    if (code == building::kSingleCardsOnly && !pile.empty() && run) return false;
    if (run) {
        if (ctx.rules[rule::kRunCheck] != 0 && !RunFollowsRules(ctx, card, index, run))
            return false;
        if (ctx.rules[rule::kMoveUnitLimit] == -5 && pile.empty() &&
            !RunWithinLimit(ctx, card, true))
            return false;
    }
    // A block never goes back onto its own top card.
    return pile.empty() || top != RunTop(ctx, card);
}

bool CanPlayToReserve(const GameContext& ctx, CardNumber card, int index, bool run) {
    if (!ReserveIndexValid(index)) return false;
    const std::string& pile = ctx.piles.appogg[static_cast<std::size_t>(index)];
    const bool single = !run;
    const bool singleIntoEmpty = single && pile.empty();
    // Rules 8 and 13 cap the first reserve, whichever reserve receives.
    const int cardsInFirst = CardCount(ctx.piles.appogg[0]);
    switch (ctx.rules[rule::kReserveRule + index]) {
        case reserve::kClosed:
            return false;
        case reserve::kKingWhileFirstShort:
            return single && RankOf(card) == kKing && cardsInFirst < 3;
        case reserve::kAnyCard:
            return true;
        case reserve::kWhileFirstShort:
            return single && cardsInFirst < 5;
        case reserve::kWasteCardOnly:
            return card == TopCardOrAbsent(ctx.piles.mazzo[kWasteIndex]);
        case reserve::kJack:
            return singleIntoEmpty && RankOf(card) == kJack;
        case reserve::kQueen:
            return singleIntoEmpty && RankOf(card) == kQueen;
        case reserve::kKing:
            return singleIntoEmpty && RankOf(card) == kKing;
        case reserve::kCourtCard:
            return singleIntoEmpty && IsCourtCard(card);
        case reserve::kAsPartnerPile:
            return singleIntoEmpty && CanBuildOn(ctx, {
                                                          .top = -1,
                                                          .card = card,
                                                          .emptyRule = empty_pile::kAnyCard,
                                                          .baseRank = -1,
                                                          .direction = 0,
                                                          .buildingCode = building::kPartnerPile,
                                                          .toFoundation = false,
                                                          .wraps = false,
                                                          .index = index,
                                                          .fromWrapper = true,
                                                      });
        default:
            return singleIntoEmpty;  // a free cell
    }
}

bool CardMoveAllowed(const GameContext& ctx, const Move& move) {
    if (move.kind != MoveKind::kCards) return false;
    switch (move.to.list) {
        case PileList::Dest:
            return !move.run && CanPlayToFoundation(ctx, move.card, move.to.index);
        case PileList::Fila:
            return CanPlayToTableau(ctx, move.card, move.to.index, move.run);
        case PileList::Appogg:
            return CanPlayToReserve(ctx, move.card, move.to.index, move.run);
        case PileList::Mazzo:
            return false;
    }
    return false;
}

bool CanPlayToPile(const GameContext& ctx, CardNumber card, std::string_view pileName) {
    const std::optional<PileRef> pile = PileByKey(pileName);
    if (!pile) return false;
    return CardMoveAllowed(ctx, Move::Cards(card, *pile, !ctx.game.singleCardMove));
}

}  // namespace vis
