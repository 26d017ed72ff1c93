#include "engine/scoring.h"

#include <algorithm>

#include "engine/end_of_game.h"
#include "engine/game_clock.h"
#include "engine/game_completion.h"
#include "engine/table_queries.h"
#include "model/families.h"
#include "model/rule_index.h"

namespace vis {

namespace {

constexpr int kPointsPerCard = 5;

const std::string& Tableau(const GameContext& ctx, int i) {
    return ctx.piles.fila[static_cast<std::size_t>(i)];
}

// The rank `steps` above `rank`, King followed by Ace.
int RankPlus(int rank, int steps) {
    return (rank - 1 + steps) % 13 + 1;
}

bool IsTwin(CardNumber a, CardNumber b) {
    return a > 0 && b == a + 52;
}

// Cards of one suit rising by one from the card at `from`.
int SameSuitRunAbove(std::string_view pile, int from) {
    int length = 1;
    for (int i = from + 1; i < CardCount(pile); ++i) {
        const CardNumber below = CardAt(pile, i - 1);
        const CardNumber card = CardAt(pile, i);
        if (card <= 0 || SuitIndex(card) != SuitIndex(below) || RankOf(card) != RankOf(below) + 1)
            break;
        ++length;
    }
    return length;
}

int StandardScore(const GameContext& ctx) {
    if (ctx.state.Get(field::kScoringScheme) != "01") return 0;
    int home = 0;
    for (const auto& pile : ctx.piles.dest) home += CardCount(pile);
    return kPointsPerCard * ctx.rules[rule::kScoreValueA] + kPointsPerCard * DiscardCount(ctx) -
           ctx.rules[rule::kDeckSize] - kPointsPerCard * ctx.rules[rule::kJokerCount] +
           kPointsPerCard * home;
}

int TwosRunScore(const GameContext& ctx) {  // family 32
    int score = kPointsPerCard * ctx.rules[rule::kScoreValueA] - ctx.rules[rule::kDeckSize];
    for (int i = 0; i < UsedTableauPiles(ctx); ++i) {
        const std::string& pile = Tableau(ctx, i);
        if (CardCount(pile) == 0 || CardAt(pile, 0) <= 0 || RankOf(CardAt(pile, 0)) != 2) continue;
        score += kPointsPerCard * SameSuitRunAbove(pile, 0);
    }
    return score;
}

int OrderedBottomsScore(const GameContext& ctx) {  // family 34
    int score = -ctx.rules[rule::kDeckSize];
    for (int i = 0; i < UsedTableauPiles(ctx); ++i) {
        const CardNumber bottom = BottomCard(Tableau(ctx, i));
        if (bottom != i + 1 && bottom != i + 14) break;
        score += 10;
    }
    return score;
}

int MatchedPairsScore(const GameContext& ctx) {  // family 38
    int pairs = 0;
    bool allHeld = true;
    for (int i = 0; i < 10; ++i) {
        allHeld = allHeld && CardCount(Tableau(ctx, i)) > 0;
        if (IsTwin(BottomCard(ctx.piles.dest[static_cast<std::size_t>(i)]),
                   BottomCard(Tableau(ctx, i))))
            ++pairs;
    }
    return -ctx.rules[rule::kDeckSize] + (allHeld ? 10 * pairs : 0);
}

int ClockScore(const GameContext& ctx) {  // family 40
    int score = -ctx.rules[rule::kDeckSize];
    for (int i = 0; i < UsedTableauPiles(ctx); ++i) {
        const std::string& pile = Tableau(ctx, i);
        for (int p = 0; p < CardCount(pile); ++p) {
            const CardNumber card = CardAt(pile, p);
            if (card > 0 && ctx.deck.IsFaceUp(card) && RankOf(card) == i + 1)
                score += kPointsPerCard;
        }
    }
    return score;
}

int EmptyFoundationsScore(const GameContext& ctx) {  // family 41
    int score = -ctx.rules[rule::kDeckSize];
    for (int i = 1; i < UsedFoundations(ctx); ++i)
        if (ctx.piles.dest[static_cast<std::size_t>(i)].empty()) score += 20;
    return score;
}

int RisingFromBottomScore(const GameContext& ctx) {  // family 42
    int score = -ctx.rules[rule::kDeckSize];
    for (int i = 0; i < UsedTableauPiles(ctx); ++i) {
        const std::string& pile = Tableau(ctx, i);
        const int bottomRank = RankOf(BottomCard(pile));
        for (int p = 0; p < CardCount(pile); ++p)
            if (CardAt(pile, p) > 0 && RankOf(CardAt(pile, p)) == RankPlus(bottomRank, p))
                score += kPointsPerCard;
    }
    return score;
}

int NineDownScore(const GameContext& ctx) {  // family 43
    int score = -ctx.rules[rule::kDeckSize];
    for (int i = 0; i < UsedTableauPiles(ctx); ++i)
        if (ReadsNineDownToOne(Tableau(ctx, i))) score += 225;
    return score;
}

int AceRunsInRowsScore(const GameContext& ctx) {  // family 46
    int score = -32;
    for (int i = 0; i < UsedTableauPiles(ctx); ++i) {
        const std::string& row = Tableau(ctx, i);
        for (int p = 0; p < CardCount(row); ++p) {
            const CardNumber card = CardAt(row, p);
            if (card <= 0 || RankOf(card) != 1) continue;
            const int run = SameSuitRunAbove(row, p);
            if (run >= 2) score += 10 + kPointsPerCard * (run - 2);
        }
    }
    return score;
}

int DiscardAllScore(const GameContext& ctx) {  // family 47
    const int cards = ctx.rules[rule::kDeckSize];
    for (int i = 0; i < UsedTableauPiles(ctx); ++i)
        if (!Tableau(ctx, i).empty()) return -cards + kPointsPerCard * DiscardCount(ctx);
    return -cards + kPointsPerCard * cards;
}

// Face-up kings on the thirteenth tableau pile.
int KingsOnPileThirteen(const GameContext& ctx) {
    int kings = 0;
    const std::string& pile = Tableau(ctx, 12);
    for (int p = 0; p < CardCount(pile); ++p) {
        const CardNumber card = CardAt(pile, p);
        if (card > 0 && RankOf(card) == 13 && ctx.deck.IsFaceUp(card)) ++kings;
    }
    return kings;
}

}  // namespace

int DiscardCount(const GameContext& ctx) {
    return CardCount(ctx.piles.mazzo[kSecondWasteIndex]);
}

int ComputeScore(const GameContext& ctx) {
    const int cards = ctx.rules[rule::kDeckSize];
    const int attempts = ctx.game.attemptCounter;
    switch (FamilyOf(ctx.rules[rule::kFamily])) {
        case Family::kPokerGrid:
            return 0;
        case Family::kGaps:
            return TwosRunScore(ctx);
        case Family::kOrderedBottoms:
            return OrderedBottomsScore(ctx);
        case Family::kDiscardCount:
            return -cards + 10 * DiscardCount(ctx);
        case Family::kMemoryAceToKing: {
            const std::string& reserve = ctx.piles.appogg[0];
            int run = 0;
            for (int p = 0; p < CardCount(reserve); ++p) {
                if (p > 0 && RankOf(CardAt(reserve, p)) != RankOf(CardAt(reserve, p - 1)) + 1)
                    break;
                ++run;
            }
            return 15 * run - kMemoryScoreDeck - attempts;
        }
        case Family::kMemoryPairs:
            return -kMemoryScoreDeck - 2 * attempts + 10 * (DiscardCount(ctx) / 2);
        case Family::kMemoryForgetMeNot:
            return MatchedPairsScore(ctx);
        case Family::kMemoryConcentration:
            return -kMemoryScoreDeck - attempts + 7 * (DiscardCount(ctx) / 2);
        case Family::kClock:
            return ClockScore(ctx);
        case Family::kEmptyFoundations:
            return EmptyFoundationsScore(ctx);
        case Family::kLabelledPiles:
            return RisingFromBottomScore(ctx);
        case Family::kNineDown:
            return NineDownScore(ctx);
        case Family::kTopCardsSum:
            return TopCardsSum(ctx) == kTopCardsTarget ? 150 : -cards;
        case Family::kGapsOffTable:
            return AceRunsInRowsScore(ctx);
        case Family::kDiscardAll:
            return DiscardAllScore(ctx);
        default:
            return StandardScore(ctx);
    }
}

void UpdateScore(GameContext& ctx) {
    const FamilyTraits& family = TraitsOf(ctx.rules[rule::kFamily]);
    if (family.scoring == ScoringKind::kPokerHands) return;
    const int score = ComputeScore(ctx);
    ctx.state.SetDecimal(field::kScore, score);
    ctx.ui.ShowScore(std::to_string(score));
    const bool clockLost = family.family == Family::kClock && KingsOnPileThirteen(ctx) == 4 &&
                           score != ctx.rules[rule::kScoreValueB];
    if ((clockLost || IsDiscardGameOver(ctx)) && ctx.flags[Flag::kGameInProgress]) {
        // The time the message stands is not playing time.
        StopClock(ctx);
        ctx.ui.ShowMessage("The game is lost.");
        ctx.ui.RefreshCardCounter();
        EndGame(ctx);
        ctx.ui.RepaintTable();
    }
}

void AddDealScore(GameContext& ctx, int cards) {
    if (ctx.state.Get(field::kScoringScheme) != "01") return;
    const int score = ctx.state.GetInt(field::kScore) + kPointsPerCard * cards;
    ctx.state.SetDecimal(field::kScore, score);
    ctx.ui.ShowScore(std::to_string(score));
}

}  // namespace vis
