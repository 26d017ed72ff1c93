// Cards the deal itself sends from the tableau to the foundations, each
// move judged by the play engine.
#pragma once

namespace vis {

struct GameContext;
class DealEngine;

// Tries every tableau card on the foundations, bottom cards first: pile by
// pile when rule 23 is set, else depth by depth. Foundation 0's start code
// picks the foundations a pile may use (94 its own, 95 by halves, any other
// code every foundation in use). Each card played home is scored.
void PlayHomeWalk(GameContext& ctx, DealEngine& engine);

// Start code 96: tableau aces that a foundation accepts go home, and the
// top card of the stock (of the waste once the stock is empty) takes each
// one's pile, face up.
void ReplaceTableauAces(GameContext& ctx, DealEngine& engine);

// Arrangement 7: the bottom card of tableau pile k goes to foundation k
// when that foundation accepts it.
void SendBottomCardsHome(GameContext& ctx, DealEngine& engine);

}  // namespace vis
