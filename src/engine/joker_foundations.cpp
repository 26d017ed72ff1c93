#include "engine/joker_foundations.h"

#include "engine/card_location.h"
#include "engine/foundation_tests.h"
#include "engine/rank_relations.h"
#include "engine/table_queries.h"
#include "model/rule_index.h"

namespace vis {

namespace {

constexpr int kBaseFromOtherFoundation = -2;

bool IsFoundationIndex(int index) {
    return index >= 0 && index < kDestPileCount;
}

const std::string& FoundationPile(const GameContext& ctx, int index) {
    return ctx.piles.dest[static_cast<std::size_t>(index)];
}

// On a joker that lies on other cards: the card under it sets the suit, and
// the joker stands for one rank above, so the next card is one or two above.
bool FollowsJokerOnCard(CardNumber under, CardNumber card, int base) {
    if (!SameSuit(card, under)) return false;
    const int below = RankOf(under);
    const int rank = RankOf(card);
    if (rank == below + 1 || rank == below + 2) return true;
    return base != kAce && below == kKing && (rank == kAce || rank == kTwo);
}

}  // namespace

int JokerBaseRank(const GameContext& ctx, int foundation) {
    const int base = ctx.rules[rule::kFoundationBase + foundation];
    if (base != kBaseFromOtherFoundation) return base;
    for (int k = 0; k < UsedFoundations(ctx); ++k) {
        const std::string& pile = FoundationPile(ctx, k);
        if (pile.empty()) continue;
        const CardNumber bottom = BottomCard(pile);
        if (!IsJoker(bottom)) return RankOf(bottom);
        if (CardCount(pile) >= 2) return RankOf(CardAt(pile, 1)) - 1;
        return kBaseFromOtherFoundation;
    }
    return kBaseFromOtherFoundation;
}

int JokerPlaceFor(const GameContext& ctx, int foundation, CardNumber card) {
    if (!IsFoundationIndex(foundation) || IsJoker(card)) return -1;
    const std::string& pile = FoundationPile(ctx, foundation);
    for (int p = 0; p < CardCount(pile); ++p) {
        if (!IsJoker(CardAt(pile, p))) continue;
        const int wanted =
            p == 0 ? JokerBaseRank(ctx, foundation) : RankOf(CardAt(pile, p - 1)) + 1;
        return RankOf(card) == wanted ? p : -1;
    }
    return -1;
}

bool JokerFoundationAccepts(const GameContext& ctx, CardNumber card, int foundation,
                            bool jokerMayOpen) {
    if (!IsFoundationIndex(foundation)) return false;
    const std::string& pile = FoundationPile(ctx, foundation);
    const int base = JokerBaseRank(ctx, foundation);
    const int rank = RankOf(card);
    const bool anyBase = base == kBaseFromOtherFoundation;

    bool accepted = false;
    if (IsJoker(card)) {
        accepted = !pile.empty() || jokerMayOpen;
    } else if (pile.empty()) {
        accepted = anyBase || rank == base;
    } else if (const CardNumber top = TopCard(pile); IsJoker(top)) {
        if (CardCount(pile) == 1)
            accepted = anyBase || rank == base || rank == base + 1;
        else
            accepted = FollowsJokerOnCard(CardAt(pile, CardCount(pile) - 2), card, base);
    } else {
        accepted = SameSuit(card, top) && (IsOneUp(RankOf(top), rank) ||
                                           (base != kAce && RankOf(top) == kKing && rank == kAce) ||
                                           JokerPlaceFor(ctx, foundation, card) >= 0);
    }
    if (accepted && ctx.rules[rule::kFoundationCount] == 4)
        accepted = PassesRowOfFourSuits(ctx, card, foundation, true);
    return accepted;
}

}  // namespace vis
