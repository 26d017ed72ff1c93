// The four pointer events of the table picture: a press lifts a card or a
// run, deals from the stock, turns a card up or shows a covered card whole;
// moves drag the block; the release drops it or sends it back and lets
// autoplay run; a double click sends a card to its target by itself.
#pragma once

#include "engine/play_hooks.h"
#include "model/game_context.h"

namespace vis {

enum class PointerButton { kLeft, kRight, kMiddle };

// The keys held with the pointer event.
struct PointerKeys {
    bool shift = false;
    bool ctrl = false;
};

// Whether such a press would take `card` to the discard pile.
bool DiscardTakes(const GameContext& ctx, CardNumber card);
// The games whose presses select, pair, turn or move cards by themselves
// instead of lifting them.
bool PressPlaysByItself(const GameContext& ctx);
// Whether a left press on the top card of tableau pile `tableau` would turn
// it face up.
bool PressTurnsTopUp(const GameContext& ctx, int tableau);

void PointerDown(GameContext& ctx, PlayHooks& hooks, PointerButton button, PointerKeys keys, int x,
                 int y);
void PointerMove(GameContext& ctx, PlayHooks& hooks, PointerKeys keys, int x, int y);
void PointerUp(GameContext& ctx, PlayHooks& hooks, PointerButton button, int x, int y);
// A double click at the last press point. The window reports it after the
// first click's release and before the second click's press.
void PointerDoubleClick(GameContext& ctx, PlayHooks& hooks);

}  // namespace vis
