// What a left press on a card of the table lifts: nothing, the card alone,
// or the card with the run above it. Judged from the table and the rules
// only; the pointer layer lifts by it and the list of legal moves asks it.
#pragma once

#include <optional>

#include "model/game_context.h"

namespace vis {

enum class Lift { kCard, kRun };

// The block a press lifts from `card` on `pile`; empty when the press lifts
// nothing (a face-down card, a run out of sequence or past the limit, a
// locked waste...). The games whose presses act by themselves (selection,
// pairs, discards) are not asked.
std::optional<Lift> LiftFrom(const GameContext& ctx, PileRef pile, CardNumber card);

}  // namespace vis
