#include "engine/foundation_tests.h"

#include "engine/card_location.h"
#include "engine/rank_relations.h"
#include "engine/table_queries.h"
#include "model/rule_index.h"

namespace vis {

namespace {

// Suits seen so far; a joker has none and is never a repeat.
class SuitSet {
public:
    // False when the suit was already there.
    bool Add(CardNumber card) {
        const int suit = SuitIndex(card);
        if (suit < 0) return true;
        const unsigned bit = 1u << suit;
        const bool fresh = (seen_ & bit) == 0;
        seen_ |= bit;
        return fresh;
    }

private:
    unsigned seen_ = 0;
};

const std::string& FoundationPile(const GameContext& ctx, int index) {
    return ctx.piles.dest[static_cast<std::size_t>(index)];
}

}  // namespace

bool PassesBalancedBase(const GameContext& ctx, CardNumber card, int emptyRule) {
    int foundations = 0;
    int red = CardIsRed(card) ? 1 : 0;
    int black = 1 - red;
    SuitSet suits;
    bool suitRepeated = !suits.Add(card);
    for (int k = 0; k < UsedFoundations(ctx); ++k) {
        if (ctx.rules[rule::kFoundationBase + k] != emptyRule) continue;
        ++foundations;
        const std::string& pile = FoundationPile(ctx, k);
        if (pile.empty()) continue;
        const CardNumber bottom = BottomCard(pile);
        (CardIsRed(bottom) ? red : black) += 1;
        if (!suits.Add(bottom)) suitRepeated = true;
    }
    const int mostPerColour = foundations / 2;
    if (red > mostPerColour || black > mostPerColour) return false;
    const bool suitsOnce = emptyRule == 84 || emptyRule == 85 || emptyRule == 90;
    return !(suitsOnce && suitRepeated);
}

bool PassesRowOfFourSuits(const GameContext& ctx, CardNumber card, int foundation,
                          bool replacesTarget) {
    if (foundation < 0 || foundation >= kDestPileCount) return false;
    SuitSet suits;
    suits.Add(card);
    const int rowStart = foundation / 4 * 4;
    for (int k = rowStart; k < rowStart + 4; ++k) {
        if (replacesTarget && k == foundation) continue;
        const std::string& pile = FoundationPile(ctx, k);
        if (!pile.empty() && !suits.Add(TopCard(pile))) return false;
    }
    return true;
}

bool PassesFourFoundationColours(const GameContext& ctx, CardNumber card, int foundation) {
    if (foundation < 0 || foundation > 3) return false;
    const int ownGroup = foundation / 2;
    const bool red = CardIsRed(card);
    for (int k = ownGroup * 2; k < ownGroup * 2 + 2; ++k) {
        const std::string& pile = FoundationPile(ctx, k);
        if (!pile.empty() && CardIsRed(TopCard(pile)) != red) return false;
    }
    const int otherGroup = 1 - ownGroup;
    for (int k = otherGroup * 2; k < otherGroup * 2 + 2; ++k) {
        const std::string& pile = FoundationPile(ctx, k);
        if (!pile.empty() && CardIsRed(TopCard(pile)) == red) return false;
    }
    return PassesRowOfFourSuits(ctx, card, foundation, false);
}

std::optional<int> FoundationStep(const GameContext& ctx) {
    for (int k = 0; k < UsedFoundations(ctx); ++k) {
        const std::string& pile = FoundationPile(ctx, k);
        if (CardCount(pile) < 2) continue;
        const int step = RankOf(CardAt(pile, 1)) - RankOf(CardAt(pile, 0));
        if (step == -12) return 1;  // King then Ace
        if (step == -11) return 2;  // Queen then Ace, King then two
        return step;
    }
    return std::nullopt;
}

bool FollowsByStep(int rank, int next, std::optional<int> step) {
    const auto follows = [rank, next](int by) {
        if (next == rank + by) return true;
        if (by == 1) return rank == kKing && next == kAce;
        if (by == 2) return (rank == kKing && next == kTwo) || (rank == kQueen && next == kAce);
        return false;
    };
    return step ? follows(*step) : follows(1) || follows(2);
}

}  // namespace vis
