// Dealing the shuffled deck onto the piles by the rules of the current game.
#pragma once

#include "model/cards.h"

namespace vis {

struct GameContext;

// What a deal asks of the play engine, which sits above the model: whether
// a card may go home, and the score.
class DealEngine {
public:
    virtual ~DealEngine() = default;
    // Whether the foundation (0-based) accepts the card as the table stands.
    virtual bool CanPlayToFoundation(const GameContext& ctx, CardNumber card, int foundation) = 0;
    // One card the deal played home from the tableau, counted like a move home.
    virtual void ScoreFoundationMove(GameContext& ctx) = 0;
    // Stores and shows the score of the table as dealt.
    virtual void ComputeStartingScore(GameContext& ctx) = 0;
};

// Shuffles by the deal number (state field 153) and deals the cards onto
// the piles, which the caller has emptied. The foundation bases (rules
// 48-63) and tableau fill rules (128-155) may change. Returns false, with
// the message shown and nothing dealt, when the deck cannot be shuffled.
bool DealCards(GameContext& ctx, DealEngine& engine);

}  // namespace vis
