// The seams that starting and dealing a game leave open for the layers that
// know the clock, the layout, autoplay and the records.
#pragma once

#include "model/deal_cards.h"

namespace vis {

struct GameContext;

// What starting and dealing a game ask of the layers above the model: the
// end of the running game, the clock, the table layout for the window,
// autoplay and the player's recent deals. Besides the deal's own questions
// to the play engine.
class NewGameHooks : public DealEngine {
public:
    // Ends and records the game in progress (nothing when none is); true
    // when it was won, the won sequence having taken over.
    virtual bool EndRunningGame(GameContext& ctx) = 0;
    // Stops the clock and shows it at zero.
    virtual void ResetClock(GameContext& ctx) = 0;
    // Starts the clock from now.
    virtual void StartClock(GameContext& ctx) = 0;
    // Lays the current game's piles out in the main window: fan steps,
    // shadow margin and pile positions.
    virtual void ComputeLayout(GameContext& ctx) = 0;
    // Whether the autoplay switch is on and enabled.
    virtual bool IsAutoplayOn(const GameContext& ctx) = 0;
    // One autoplay step; true when it moved a card.
    virtual bool AutoplayStep(GameContext& ctx) = 0;
    // Puts the deal number at the head of the recently dealt numbers.
    virtual void RememberDealNumber(GameContext& ctx) = 0;
    // The favourite-games bookkeeping that follows every deal.
    virtual void AfterDeal(GameContext& ctx) = 0;
};

}  // namespace vis
