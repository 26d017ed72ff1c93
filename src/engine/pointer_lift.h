// The block the pointer lifts: taking it up off its pile, sending it back,
// and putting the drag state away once it has landed.
#pragma once

#include "model/game_context.h"

namespace vis {

// The card-sized rectangle with its top-left corner at `topLeft`.
Rect CardRectAt(const GameContext& ctx, Point topLeft);

// Lifts `card` off its pile, with every card above it unless the move is a
// single card (ctx.game.singleCardMove): the dragged card, the grab offset
// from the press point, the block rectangle from `cardRect` and
// `blockHeight`, the drag image, and the shadowed jump with its sound.
void LiftBlock(GameContext& ctx, CardNumber card, Rect cardRect, int blockHeight);

// The height of the run from a card whose top is at `cardTop` down to the
// bottom of the drawing of its pile.
int RunBlockHeight(const GameContext& ctx, PileRef pile, int cardTop);

// Returns the lifted block to the pile that holds `card`.
void SendBack(GameContext& ctx, CardNumber card);

// The drag is over: no dragged card, no lifted run top, no drag image.
void ClearDrag(GameContext& ctx);

}  // namespace vis
