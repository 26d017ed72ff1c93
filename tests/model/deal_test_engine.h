// A stand-in for the play engine in deal tests: foundations build up in
// suit from their base rank, and every call is counted.
#pragma once

#include "model/deal_cards.h"
#include "model/game_context.h"
#include "model/rule_index.h"

namespace vis::test {

class SuitUpDealEngine : public DealEngine {
public:
    bool CanPlayToFoundation(const GameContext& ctx, CardNumber card, int foundation) override {
        ++judgements;
        if (card <= 0 || card >= kFirstJoker || foundation < 0 || foundation >= kDestPileCount)
            return false;
        const std::string& pile = ctx.piles.dest[static_cast<std::size_t>(foundation)];
        if (pile.empty()) {
            const int base = ctx.rules[rule::kFoundationBase + foundation];
            return base == -1 || RankOf(card) == base;
        }
        const CardNumber top = TopCard(pile);
        return SuitIndex(top) == SuitIndex(card) && RankOf(card) == RankOf(top) + 1;
    }
    void ScoreFoundationMove(GameContext&) override { ++scoredMoves; }
    void ComputeStartingScore(GameContext&) override { ++startingScores; }

    int judgements = 0;
    int scoredMoves = 0;
    int startingScores = 0;
};

}  // namespace vis::test
