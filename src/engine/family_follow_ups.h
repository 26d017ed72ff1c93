// What some games do by themselves once a card has landed: discard four of
// a kind, clear a row of ten, remove a jumped card, turn the clock piles,
// relabel the piles, call a companion card home.
#pragma once

#include "engine/card_removal.h"
#include "engine/play_hooks.h"
#include "model/game_context.h"

namespace vis {

// The grid cell that `card` jumps over on its way to tableau pile `target`
// in a game that removes jumped cards; -1 when none. Asked before the move,
// while the card still lies where it comes from.
int CellToBeJumped(const GameContext& ctx, CardNumber card, int target);

// After a card or run from `origin` landed on tableau pile `target`, having
// jumped over `jumpedCell` (-1: none).
void AfterTableauMove(GameContext& ctx, PlayHooks& hooks, const CardOrigin& origin, int target,
                      int jumpedCell);

// After `card` went to foundation `foundation`: in the game where a Jack or
// a King opens a foundation, the Ace or the Queen of its suit follows by
// itself to the foundation three places before, in the same undo step.
void SendCompanionHome(GameContext& ctx, PlayHooks& hooks, CardNumber card, int foundation);

// Whether ten cards read as consecutive ranks upwards, King followed by
// Ace, a joker standing for whatever rank it needs.
bool ReadsConsecutiveRanks(const std::vector<CardNumber>& cards);

// Turns a clock pile: its top card goes to the bottom and the new top card
// shows its face.
void TurnClockPile(GameContext& ctx, int tableau);
// The clock plays on by itself while `pile` shows its own rank on top: the
// same pile turns again while it still hides cards, otherwise the next pile
// that does (the centre pile ends the run). A full redraw of the clock asks
// this of the centre pile.
void ContinueClock(GameContext& ctx, int pile);

}  // namespace vis
