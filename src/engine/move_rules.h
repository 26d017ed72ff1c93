// Whether a card, or a run given by its bottom card, may go onto a pile.
// Judgements read the piles and the game's rules; a refusal is a silent
// false and the caller decides what follows.
#pragma once

#include <string_view>

#include "engine/build_situation.h"
#include "model/cards.h"
#include "model/game_context.h"

namespace vis {

// The central judgement: the card on a top card (or an empty pile) under a
// building code, an empty-pile rule, a base rank and a direction.
bool CanBuildOn(const GameContext& ctx, const BuildQuery& query);

// Foundation `index` (0-based) with its own rule values; single cards only.
bool CanPlayToFoundation(const GameContext& ctx, CardNumber card, int index);

// Tableau pile `index` (0-based). A run is also checked against the run
// rules, which may record the lifted run top.
bool CanPlayToTableau(GameContext& ctx, CardNumber card, int index);

// Reserve `index` (0-based) by its reserve rule.
bool CanPlayToReserve(const GameContext& ctx, CardNumber card, int index);

// By pile key: "Dest", "Fila" or "Appogg" followed by the 1-based number.
// Any other name is refused.
bool CanPlayToPile(GameContext& ctx, CardNumber card, std::string_view pileName);

}  // namespace vis
