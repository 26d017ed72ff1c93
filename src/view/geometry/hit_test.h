// Which pile and which card lie under a point of the table.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "model/game_context.h"
#include "model/table_layout.h"

namespace vis {

// The y of the lower edge of a pile's drawing (scrolled).
int PileBottom(const GameContext& ctx, PileRef pile);
int PileBottom(const GameContext& ctx, std::string_view key);

// A card found inside one pile: its number (0 for a "000" gap), its place
// from the bottom, and its top-left corner (scrolled).
struct CardHit {
    CardNumber card = 0;
    int slot = 0;
    int left = 0;
    int top = 0;
};

// The card of `pileText`, laid out as pile `pile`, under the point; none for
// an empty pile or a point between cards.
std::optional<CardHit> CardAtPoint(const GameContext& ctx, PileRef pile, std::string_view pileText,
                                   int x, int y);

// What lies under a point: the pile key (empty when none), the card under
// the point (0 when none) and that card's rectangle, (0, 0, 0, 0) when no
// pile was found.
struct PileHit {
    std::string key;
    CardNumber card = 0;
    Rect rect;
};

PileHit PileAtPoint(const GameContext& ctx, int x, int y);

}  // namespace vis
