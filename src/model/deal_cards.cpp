#include "model/deal_cards.h"

#include <optional>

#include "model/deal_cards_arrangements.h"
#include "model/deal_cards_codes.h"
#include "model/deal_cards_families.h"
#include "model/deal_cards_list.h"
#include "model/deal_cards_play_home.h"
#include "model/families.h"
#include "model/game_context.h"
#include "model/pile_counts.h"
#include "model/rule_index.h"
#include "model/shuffle.h"

namespace vis {

namespace {

using namespace deal_code;

constexpr int kRanks = 13;
constexpr int kKing = 13;
constexpr int kJokerBase = -2;
constexpr int kChosenRankLow = 1001;  // a tableau count of 1000 + rank
constexpr int kChosenRankHigh = 1499;
constexpr int kChosenJokerLow = 1501;  // 1501-1504: the jokers
constexpr int kChosenJokerHigh = 1504;
constexpr int kLargestDealCount = 1000;

constexpr PileRef kStock{PileList::Mazzo, kStockIndex};
constexpr PileRef kWaste{PileList::Mazzo, kWasteIndex};
constexpr PileRef kSecondWaste{PileList::Mazzo, kSecondWasteIndex};

PileRef Foundation(int i) {
    return {PileList::Dest, i};
}
PileRef Tableau(int i) {
    return {PileList::Fila, i};
}
PileRef Reserve(int i) {
    return {PileList::Appogg, i};
}

// Puts a chosen card face up on a pile and takes it out of the list. Card
// 0 is an empty slot. A card the list no longer holds (dealt already, or
// not part of this deck) is not placed, so that no card stands twice.
bool PlaceChosenCard(GameContext& ctx, DealList& list, PileRef pile, CardNumber card) {
    if (card < 0) return false;
    if (card > 0 && !list.Take(card)) return false;
    AppendCard(ctx.piles, ctx.deck, pile, card, kFaceUp);
    return true;
}

// The first card of the list whose suit no started foundation below
// `foundation` has at its bottom; the last card when every card's has.
CardNumber FirstOfNewSuit(const GameContext& ctx, const DealList& list, int foundation) {
    const CardNumber card = list.FindFirst([&](CardNumber candidate) {
        for (int k = 0; k < foundation; ++k) {
            const std::string& pile = ctx.piles.dest[static_cast<std::size_t>(k)];
            if (!pile.empty() && SuitIndex(BottomCard(pile)) == SuitIndex(candidate)) return false;
        }
        return true;
    });
    return card != 0 ? card : list.Last();
}

// The card a foundation's start code asks for; none for codes that place
// no card or when the list has nothing that fits.
std::optional<CardNumber> StartCard(const GameContext& ctx, const DealList& list, int foundation) {
    const int code = ctx.rules[rule::kFoundationStart + foundation];
    const auto orNone = [](CardNumber card) {
        return card != 0 ? std::optional(card) : std::nullopt;
    };
    switch (code) {
        case kNoStartCard:
        case kAcesFromTableau:
        case kBaseOfFirstFoundation:
            return std::nullopt;
        case kFirstCardSuitsOn: {
            if (list.IsEmpty()) return std::nullopt;
            const int deck = ctx.rules[rule::kDeckSize];
            const CardNumber card = list.First() + (foundation + 1) * kRanks;
            return card > deck ? (card - 1) % deck + 1 : card;
        }
        case kAcesHomeAll:
        case kAcesHomeOwnPile:
            return foundation * kRanks + 1;
        case kKingsAndAcesHome:
            return foundation <= 3 ? (foundation + 1) * kRanks : (foundation - 4) * kRanks + 1;
        case kFirstCard:
            return orNone(list.First());
        case kFirstOfNewSuit:
            return orNone(FirstOfNewSuit(ctx, list, foundation));
        default:
            break;
    }
    if (code >= kFirstOfRankLow && code <= kFirstOfRankHigh)
        return orNone(
            list.FindFirst([&](CardNumber c) { return RankOf(c) == code - kFirstOfRankLow + 1; }));
    if (code >= kCardNumberBase) return code - kCardNumberBase;
    return foundation * kRanks + code;
}

void PlaceFoundationStartCards(GameContext& ctx, DealList& list) {
    for (int j = 0; j < UsedFoundations(ctx); ++j) {
        if (ctx.rules[rule::kFoundationStart + j] == kBaseOfFirstFoundation) {
            ctx.rules.Set(rule::kFoundationBase + j, ctx.rules[rule::kFoundationBase]);
            continue;
        }
        const std::optional<CardNumber> card = StartCard(ctx, list, j);
        if (card && PlaceChosenCard(ctx, list, Foundation(j), *card))
            ctx.rules.Set(rule::kFoundationBase + j, RankOf(*card));
    }
}

void PlaceSecondWasteStartCard(GameContext& ctx, DealList& list) {
    int card = ctx.rules[rule::kSecondWasteCard];
    if (card == 0) return;
    if (card > kCardNumberBase) card -= kCardNumberBase;
    PlaceChosenCard(ctx, list, kSecondWaste, card);
}

// Tableau piles that start with one chosen card: the first of a rank, face
// down, or a joker, face up.
void DealChosenTableauCards(GameContext& ctx, DealList& list) {
    for (int j = 0; j < kFilaPileCount; ++j) {
        const int count = ctx.rules[rule::kTableauCards + j];
        if (count >= kChosenRankLow && count <= kChosenRankHigh) {
            const int rank = count - kLargestDealCount;
            const CardNumber card = list.FindFirst([&](CardNumber c) { return RankOf(c) == rank; });
            if (card != 0 && list.Take(card))
                AppendCard(ctx.piles, ctx.deck, Tableau(j), card, kFaceDown);
        } else if (count >= kChosenJokerLow && count <= kChosenJokerHigh) {
            PlaceChosenCard(ctx, list, Tableau(j), kFirstJoker + count - kChosenJokerLow);
        } else {
            continue;
        }
        TurnCards(ctx.deck, ctx.piles.fila[static_cast<std::size_t>(j)],
                  ctx.rules[rule::kTableauFaceUp + j], kFaceUp);
    }
}

void DealStockAndWaste(GameContext& ctx, DealList& list) {
    const int stockCards = DealFaceDown(ctx, list, kStock, ctx.rules[rule::kStockCards]);
    if (ctx.rules[rule::kStockFaceDown] == 0 && stockCards > 0)
        TurnCards(ctx.deck, ctx.piles.mazzo[kStockIndex], stockCards, kFaceUp);
    DealFaceUp(ctx, list, kWaste, ctx.rules[rule::kWasteCards]);
}

void DealTableau(GameContext& ctx, DealList& list) {
    for (int j = 0; j < kFilaPileCount; ++j) {
        const int count = ctx.rules[rule::kTableauCards + j];
        if (count < 1 || count > kLargestDealCount) continue;
        DealFaceDown(ctx, list, Tableau(j), count);
        TurnCards(ctx.deck, ctx.piles.fila[static_cast<std::size_t>(j)],
                  ctx.rules[rule::kTableauFaceUp + j], kFaceUp);
    }
}

void DealReserves(GameContext& ctx, DealList& list) {
    for (int k = 0; k < kAppoggPileCount; ++k) {
        const int count = ctx.rules[rule::kReserveCards + k];
        if (count <= 0) continue;
        DealFaceDown(ctx, list, Reserve(k), count);
        TurnCards(ctx.deck, ctx.piles.appogg[static_cast<std::size_t>(k)],
                  ctx.rules[rule::kReserveFaceUp + k], kFaceUp);
    }
}

void SetAllBases(GameRules& rules, int base) {
    for (int i = 0; i < kDestPileCount; ++i) rules.Set(rule::kFoundationBase + i, base);
}

void TakeBasesFromDeal(GameContext& ctx, DealList& list) {
    const int foundations = UsedFoundations(ctx);
    switch (ctx.rules[rule::kBasesFromDeal]) {
        case kBaseFromOneCard: {
            const CardNumber card = list.First();
            if (card == 0) return;
            DealFaceUp(ctx, list, Foundation(0), 1);
            SetAllBases(ctx.rules, card >= kFirstJoker ? kJokerBase : RankOf(card));
            return;
        }
        case kBaseOneCardEach:
            for (int k = 0; k < foundations; ++k) {
                DealFaceUp(ctx, list, Foundation(k), 1);
                if (!ctx.piles.dest[0].empty())
                    ctx.rules.Set(rule::kFoundationBase + k, RankOf(BottomCard(ctx.piles.dest[0])));
            }
            return;
        case kBaseAboveReserves:
            // An empty reserve has no bottom card to go by: its foundation
            // keeps the base it was loaded with.
            for (int k = 0; k < foundations && k < kAppoggPileCount; ++k) {
                const std::string& reserve = ctx.piles.appogg[static_cast<std::size_t>(k)];
                if (!reserve.empty())
                    ctx.rules.Set(rule::kFoundationBase + k,
                                  RankAbove(RankOf(BottomCard(reserve))));
            }
            return;
        default:
            return;
    }
}

void ResolveFillBelowFirstBase(GameRules& rules) {
    for (int k = 0; k < kFilaPileCount; ++k)
        if (rules[rule::kTableauEmpty + k] == empty_pile::kBelowFirstBase)
            rules.Set(rule::kTableauEmpty + k, RankBelow(rules[rule::kFoundationBase]));
}

void RunPostDealMoves(GameContext& ctx, DealEngine& engine) {
    switch (ctx.rules[rule::kFoundationStart]) {
        case kAcesHomeAll:
        case kAcesHomeOwnPile:
        case kKingsAndAcesHome:
            PlayHomeWalk(ctx, engine);
            return;
        case kAcesFromTableau:
            ReplaceTableauAces(ctx, engine);
            return;
        default:
            return;
    }
}

// Kings above the bottom of a tableau pile go to its bottom, in the order
// they are met from the second card up.
void MoveKingsToBottom(GameContext& ctx) {
    for (int j = 0; j < UsedTableauPiles(ctx); ++j) {
        std::string& pile = ctx.piles.fila[static_cast<std::size_t>(j)];
        for (int position = 1; position < CardCount(pile); ++position) {
            const CardNumber card = CardAt(pile, position);
            if (card <= 0 || RankOf(card) != kKing) continue;
            RemoveCardAt(pile, position);
            pile.insert(0, CardText(card));
        }
    }
}

}  // namespace

bool DealCards(GameContext& ctx, DealEngine& engine) {
    std::vector<CardNumber> shuffled;
    if (!fnGameNumberCardsArray(ctx, shuffled)) return false;
    DealList list(std::move(shuffled));

    ReduceDeck(ctx.rules, list);
    PlaceFoundationStartCards(ctx, list);
    PlaceSecondWasteStartCard(ctx, list);
    DealChosenTableauCards(ctx, list);
    DealStockAndWaste(ctx, list);
    DealTableau(ctx, list);
    DealFaceUp(ctx, list, kSecondWaste, ctx.rules[rule::kSecondWasteCards]);
    DealReserves(ctx, list);
    TakeBasesFromDeal(ctx, list);
    ResolveFillBelowFirstBase(ctx.rules);
    if (ctx.rules[rule::kExtraFoundationCard] == 1) DealFaceUp(ctx, list, Foundation(0), 1);
    if (FamilyOf(ctx.rules[rule::kFamily]) == Family::kAcesHome) SendAcesHome(ctx);
    RunPostDealMoves(ctx, engine);
    if (ctx.rules[rule::kKingsToBottom] == 1) MoveKingsToBottom(ctx);
    if (FamilyOf(ctx.rules[rule::kFamily]) == Family::kQueenAndKing)
        SetOutQueenAndKingOfHearts(ctx, list);
    ApplyFinalArrangement(ctx, engine, list);
    engine.ComputeStartingScore(ctx);
    return true;
}

}  // namespace vis
