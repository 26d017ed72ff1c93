// Tests that look across several foundations at once: balanced bases, suits
// in a row of four, colour groups, and the step of the step foundations.
#pragma once

#include <optional>

#include "model/cards.h"
#include "model/game_context.h"

namespace vis {

// Opening a foundation whose empty-pile rule is `emptyRule` with `card`:
// among the foundations with that rule, their bottom cards and the card may
// hold each colour at most half as often as there are such foundations;
// rules 84, 85 and 90 also allow each suit only once.
bool PassesBalancedBase(const GameContext& ctx, CardNumber card, int emptyRule);

// Among the top cards of the row of four foundations holding `foundation`
// (0-3, 4-7, ...) and the card, no suit appears twice. With
// `replacesTarget` the card stands in the target's place instead of being
// counted in addition.
bool PassesRowOfFourSuits(const GameContext& ctx, CardNumber card, int foundation,
                          bool replacesTarget);

// Foundations 0-1 and 2-3 form two colour groups: the card takes the colour
// of its own group's started foundation and the other colour from the
// other group's top cards; then the row of four may not repeat a suit.
bool PassesFourFoundationColours(const GameContext& ctx, CardNumber card, int foundation);

// The rank step of the step foundations, set by the first foundation
// holding two cards; empty while no foundation does.
std::optional<int> FoundationStep(const GameContext& ctx);
// `next` follows `rank` by `step`; a King is followed by an Ace for step 1
// and by a two for step 2, a Queen by an Ace for step 2. Without a known
// step, steps of 1 and 2 both count.
bool FollowsByStep(int rank, int next, std::optional<int> step);

}  // namespace vis
