// Whether a card, or a run given by its bottom card, may go onto a pile.
// Judgements read the piles and the game's rules only, and change nothing;
// a refusal is a silent false and the caller decides what follows.
#pragma once

#include <string_view>

#include "engine/build_situation.h"
#include "engine/move.h"
#include "model/cards.h"
#include "model/game_context.h"

namespace vis {

// The central judgement: the card on a top card (or an empty pile) under a
// building code, an empty-pile rule, a base rank and a direction.
bool CanBuildOn(const GameContext& ctx, const BuildQuery& query);

// A single card onto foundation `index` (0-based) with its own rule values.
bool CanPlayToFoundation(const GameContext& ctx, CardNumber card, int index);

// Tableau pile `index` (0-based); `run`: the card comes with the cards above
// it, which must also keep to the run rules and never go back onto their
// own pile.
bool CanPlayToTableau(const GameContext& ctx, CardNumber card, int index, bool run);

// Reserve `index` (0-based) by its reserve rule.
bool CanPlayToReserve(const GameContext& ctx, CardNumber card, int index, bool run);

// A card move onto a foundation (single cards only), a tableau pile or a
// reserve; every other move is refused.
bool CardMoveAllowed(const GameContext& ctx, const Move& move);

// The block the pointer has lifted (a single card or a run, as lifted) onto
// the pile of a key: "Dest", "Fila" or "Appogg" followed by the 1-based
// number. Any other name is refused.
bool CanPlayToPile(const GameContext& ctx, CardNumber card, std::string_view pileName);

}  // namespace vis
