// Foundations on which a joker stands in for the card it replaces.
#pragma once

#include "model/cards.h"
#include "model/game_context.h"

namespace vis {

// The base rank of joker-aware foundation `foundation`. A base of -2 is
// taken from the first started foundation: its bottom card's rank, or one
// below its second card when the bottom card is a joker; it stays -2 while
// that cannot be told.
int JokerBaseRank(const GameContext& ctx, int foundation);

// The position, from the bottom, of the lowest joker of `foundation` that
// `card` may replace: its rank is one above the card below that joker, or
// equals the base when the joker lies at the bottom. -1 when none.
int JokerPlaceFor(const GameContext& ctx, int foundation, CardNumber card);

// Whether `card` may go onto joker-aware foundation `foundation`; a joker
// may open an empty foundation only when `jokerMayOpen`.
bool JokerFoundationAccepts(const GameContext& ctx, CardNumber card, int foundation,
                            bool jokerMayOpen);

}  // namespace vis
