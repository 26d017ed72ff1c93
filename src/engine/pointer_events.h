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

void PointerDown(GameContext& ctx, PlayHooks& hooks, PointerButton button, PointerKeys keys, int x,
                 int y);
void PointerMove(GameContext& ctx, PlayHooks& hooks, PointerKeys keys, int x, int y);
void PointerUp(GameContext& ctx, PlayHooks& hooks, PointerButton button, int x, int y);
// A double click at the last press point. The window reports it after the
// first click's release and before the second click's press.
void PointerDoubleClick(GameContext& ctx, PlayHooks& hooks);

}  // namespace vis
