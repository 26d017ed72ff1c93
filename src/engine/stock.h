// The stock: what a press deals, turning the waste back over, the passes
// allowed, and the press-and-release of an empty stock that redeals.
#pragma once

#include <string_view>

#include "engine/move.h"
#include "engine/play_hooks.h"
#include "model/game_context.h"

namespace vis {

inline constexpr std::string_view kGapsBeforeDealingMessage =
    "Fill in any gaps in the tableau before dealing.";

// Whether the stock may be turned over (or gathered) once more.
bool PassesRemain(const GameContext& ctx);

// A left press on the stock spot; `topCard` is the stock's top card or 0.
void PressStock(GameContext& ctx, PlayHooks& hooks, CardNumber topCard);

// Whether a press and release on the stock spot would change the table:
// a deal, a redeal or a gathering. Judged from the same rules `PressStock`
// follows, changing nothing. The selection games' presses are their own and
// count as acting while their stock holds cards.
bool StockPressActs(const GameContext& ctx);

// An empty stock redeals only at the release over it: the press marks it.
void MarkStockPressed(GameContext& ctx);
// The release over a pressed stock: the prepared redeal happens now.
void ReleaseStock(GameContext& ctx, PlayHooks& hooks);
// The pointer left the pressed stock: nothing is redealt.
void CancelStockPress(GameContext& ctx);

// The stock operations of the move executor: a gathering redeal when one is
// due, else turning the waste over or dealing to it (`kToWaste`), or
// dealing to the second waste. True when cards moved.
bool RunStockOperation(GameContext& ctx, StockOperation operation);

}  // namespace vis
