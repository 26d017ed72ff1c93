#include "model/deal_cards_arrangements.h"

#include <algorithm>
#include <array>
#include <optional>

#include "model/deal_cards_codes.h"
#include "model/deal_cards_play_home.h"
#include "model/game_context.h"
#include "model/pile_counts.h"
#include "model/rule_index.h"
#include "model/shuffle.h"

namespace vis {

namespace {

using namespace deal_code;

constexpr int kRanks = 13;
constexpr int kAce = 1;
constexpr int kQueen = 12;
constexpr int kKing = 13;
constexpr int kTopRankOneSuit = 9;
constexpr std::size_t kPaddedRowLength = 27;
constexpr std::string_view kGap = "000";

// Arrangement 12 keeps these cards; fewer rows for three or four piles.
constexpr std::array<CardNumber, 12> kChosenCards = {1, 5, 15, 19, 29, 43, 53, 57, 67, 71, 81, 95};
constexpr std::array<CardNumber, 12> kChosenUnlessThreePiles = {9,  23, 33, 37, 47, 51,
                                                                61, 75, 85, 89, 99, 103};
constexpr std::array<CardNumber, 16> kChosenUnlessThreeOrFourPiles = {
    2, 10, 16, 24, 30, 38, 44, 52, 54, 62, 68, 76, 82, 90, 96, 104};

template <std::size_t N>
bool Holds(const std::array<CardNumber, N>& cards, CardNumber card) {
    return std::find(cards.begin(), cards.end(), card) != cards.end();
}

bool HasRank(CardNumber card, int rank) {
    return card > 0 && RankOf(card) == rank;
}

std::string& TableauPile(GameContext& ctx, int i) {
    return ctx.piles.fila[static_cast<std::size_t>(i)];
}

// The first card of each rank up to `topRank`, optionally of one suit only.
void KeepFirstOfEachRank(DealList& list, int topRank, std::optional<int> suit) {
    std::array<bool, kRanks + 1> kept{};
    list.DropIf([&](CardNumber card) {
        const int rank = RankOf(card);
        if (rank < 1 || rank > topRank || rank > kRanks) return true;
        if (suit && SuitIndex(card) != *suit) return true;
        if (kept[static_cast<std::size_t>(rank)]) return true;
        kept[static_cast<std::size_t>(rank)] = true;
        return false;
    });
}

// Arrangement 1: a pile founded on a king gives it to the top of the
// stock, face down, and gets the stock's first card from the bottom that
// is no king. Cards that lay on the king go into the stock beneath it, so
// that no card leaves the game.
void SwapKingForStockCard(GameContext& ctx, std::string& pile) {
    const CardNumber king = BottomCard(pile);
    if (!HasRank(king, kKing)) return;
    std::string& stock = ctx.piles.mazzo[kStockIndex];
    for (int position = 1; position < CardCount(pile); ++position) {
        const CardNumber card = CardAt(pile, position);
        stock += CardText(card);
        ctx.deck.SetCardFace(card, kFaceDown);
    }
    stock += CardText(king);
    ctx.deck.SetCardFace(king, kFaceDown);
    pile.clear();
    for (int position = 0; position < CardCount(stock); ++position) {
        const CardNumber card = CardAt(stock, position);
        if (card <= 0 || RankOf(card) == kKing) continue;
        RemoveCardAt(stock, position);
        pile = CardText(card);
        ctx.deck.SetCardFace(card, kFaceUp);
        return;
    }
}

void SwapKingsForStockCards(GameContext& ctx) {
    for (int i = 0; i < UsedTableauPiles(ctx); ++i) SwapKingForStockCard(ctx, TableauPile(ctx, i));
    for (int i = 0; i < UsedFoundations(ctx); ++i)
        SwapKingForStockCard(ctx, ctx.piles.dest[static_cast<std::size_t>(i)]);
}

// Arrangements 2 and 4: the first card of the leading rank opens pile 0,
// every later one the next pile; the rest of the list goes face up onto
// the pile open at the time.
void DealRowsFromRank(GameContext& ctx, DealList& list, int leadingRank) {
    const int piles = UsedTableauPiles(ctx);
    if (piles == 0) return;
    const CardNumber lead = list.FindFirst([&](CardNumber c) { return HasRank(c, leadingRank); });
    if (lead != 0 && list.Take(lead)) {
        TableauPile(ctx, 0) = CardText(lead);
        ctx.deck.SetCardFace(lead, kFaceUp);
    }
    int current = 0;
    while (!list.IsEmpty()) {
        const CardNumber card = list.TakeFirst();
        if (HasRank(card, leadingRank) && current + 1 < piles) ++current;
        AppendCard(ctx.piles, ctx.deck, {PileList::Fila, current}, card, kFaceUp);
    }
}

// Arrangement 3: the tableau cards are dealt again so that no pile holds
// two cards of one rank. A slot for which no card is left stays a gap; the
// cards that found no slot are out of play.
void SpreadRanksOverPiles(GameContext& ctx) {
    const int piles = UsedTableauPiles(ctx);
    std::vector<CardNumber> pool;
    std::vector<int> slots;
    for (int i = 0; i < piles; ++i) {
        const std::string& pile = TableauPile(ctx, i);
        slots.push_back(CardCount(pile));
        for (CardNumber card : CardsOf(pile))
            if (card > 0) pool.push_back(card);
    }
    for (int i = 0; i < piles; ++i) {
        std::string refilled;
        std::vector<int> ranks;
        for (int slot = 0; slot < slots[static_cast<std::size_t>(i)]; ++slot) {
            const auto it = std::find_if(pool.begin(), pool.end(), [&](CardNumber card) {
                return std::find(ranks.begin(), ranks.end(), RankOf(card)) == ranks.end();
            });
            if (it == pool.end()) {
                refilled += kGap;
                continue;
            }
            refilled += CardText(*it);
            ranks.push_back(RankOf(*it));
            pool.erase(it);
        }
        TableauPile(ctx, i) = refilled;
    }
}

// Arrangements 5 and 6: each card left goes face up onto the pile of its
// rank less `offset`; cards without such a pile stay out of play.
void DealByRank(GameContext& ctx, DealList& list, int offset) {
    const int piles = UsedTableauPiles(ctx);
    std::vector<CardNumber> unplaced;
    while (!list.IsEmpty()) {
        const CardNumber card = list.TakeFirst();
        const int pile = RankOf(card) - offset;
        if (pile >= 0 && pile < piles)
            AppendCard(ctx.piles, ctx.deck, {PileList::Fila, pile}, card, kFaceUp);
        else
            unplaced.push_back(card);
    }
    list = DealList(std::move(unplaced));
}

// Arrangements 8 and 15: the cards of one rank leave the game and leave
// gaps behind.
void ReplaceRankWithGaps(GameContext& ctx, int rank) {
    for (int i = 0; i < UsedTableauPiles(ctx); ++i) {
        std::string& pile = TableauPile(ctx, i);
        for (int position = 0; position < CardCount(pile); ++position)
            if (HasRank(CardAt(pile, position), rank))
                pile.replace(static_cast<std::size_t>(position) * 3, 3, kGap);
    }
}

void PadRowsWithGaps(GameContext& ctx) {
    for (int i = 0; i < UsedTableauPiles(ctx); ++i) {
        std::string& pile = TableauPile(ctx, i);
        if (pile.size() < kPaddedRowLength) pile.append(kPaddedRowLength - pile.size(), '0');
    }
}

// Arrangement 9: the pile founded on the highest card in play is emptied.
void EmptyPileOfHighestCard(GameContext& ctx) {
    const int tableau = ctx.rules[rule::kTableauCount];
    const CardNumber highest = tableau > kRanks ? tableau + kRanks : tableau;
    for (int i = 0; i < UsedTableauPiles(ctx); ++i) {
        if (BottomCard(TableauPile(ctx, i)) != highest) continue;
        TableauPile(ctx, i).clear();
        return;
    }
}

// Arrangement 10: one pile among all but the last is emptied. The deal
// number chooses it, so that a game and a deal number always give the same
// table.
void EmptyPileChosenByDeal(GameContext& ctx) {
    const int candidates = UsedTableauPiles(ctx) - 1;
    if (candidates < 1) return;
    const std::int64_t deal = DealValue(ctx.state.Get(field::kDealNumber));
    TableauPile(ctx, static_cast<int>(deal % candidates)).clear();
}

// Arrangement 13: foundation k becomes the k-th card of the list, face up.
void FoundationsFromList(GameContext& ctx, DealList& list) {
    const int count = std::min(UsedFoundations(ctx), list.Size());
    const std::vector<CardNumber> chosen(list.Cards().begin(), list.Cards().begin() + count);
    for (int k = 0; k < count; ++k) {
        const CardNumber card = chosen[static_cast<std::size_t>(k)];
        list.Take(card);
        ctx.piles.dest[static_cast<std::size_t>(k)] = CardText(card);
        ctx.deck.SetCardFace(card, kFaceUp);
    }
}

}  // namespace

void ReduceDeck(const GameRules& rules, DealList& list) {
    const int tableau = rules[rule::kTableauCount];
    switch (rules[rule::kDealArrangement]) {
        case kLowCardsOnly:
            if (tableau <= kRanks)
                list.DropIf([&](CardNumber card) { return card > tableau; });
            else
                list.DropIf([&](CardNumber card) {
                    return (card > kRanks && card <= 2 * kRanks) || card > tableau + kRanks;
                });
            return;
        case kOneOfEachRank:
            KeepFirstOfEachRank(list, tableau, std::nullopt);
            return;
        case kOneOfEachRankOneSuit:
            KeepFirstOfEachRank(list, kTopRankOneSuit, SuitIndex(list.First()));
            return;
        case kChosenCardsOnly:
            list.DropIf([&](CardNumber card) {
                if (Holds(kChosenCards, card)) return false;
                if (tableau != 3 && Holds(kChosenUnlessThreePiles, card)) return false;
                if (tableau != 3 && tableau != 4 && Holds(kChosenUnlessThreeOrFourPiles, card))
                    return false;
                return true;
            });
            return;
        default:
            return;
    }
}

void ApplyFinalArrangement(GameContext& ctx, DealEngine& engine, DealList& list) {
    switch (ctx.rules[rule::kDealArrangement]) {
        case kKingsToStock:
            SwapKingsForStockCards(ctx);
            return;
        case kRowsFromKings:
        case kRowsFromQueens:
            DealRowsFromRank(ctx, list,
                             ctx.rules[rule::kDealArrangement] == kRowsFromKings ? kKing : kQueen);
            PlayHomeWalk(ctx, engine);
            return;
        case kDistinctRanksPerPile:
            SpreadRanksOverPiles(ctx);
            return;
        case kPileByRankLessTwo:
            DealByRank(ctx, list, 2);
            return;
        case kPileByRankLessOne:
            DealByRank(ctx, list, 1);
            return;
        case kBottomCardsHome:
            SendBottomCardsHome(ctx, engine);
            return;
        case kAcesLeave:
            ReplaceRankWithGaps(ctx, kAce);
            return;
        case kLowCardsOnly:
            EmptyPileOfHighestCard(ctx);
            return;
        case kOnePileEmptied:
            EmptyPileChosenByDeal(ctx);
            return;
        case kFoundationsFromList:
            FoundationsFromList(ctx, list);
            return;
        case kKingsLeaveRowsPadded:
            ReplaceRankWithGaps(ctx, kKing);
            PadRowsWithGaps(ctx);
            return;
        default:
            return;
    }
}

}  // namespace vis
