// Finding where a card lies and taking it (or the run above it) out of its
// pile before it moves somewhere else.
#pragma once

#include <vector>

#include "model/game_context.h"

namespace vis {

// The kind of pile a card was found in. The piles are searched in the order
// waste, tableau, foundations, stock, second waste, reserves.
enum class OriginKind {
    kNone = -1,
    kStock = 1,
    kWaste = 2,
    kSecondWaste = 3,
    kTableau = 4,
    kFoundation = 5,
    kReserve = 6,
};

struct CardOrigin {
    OriginKind kind = OriginKind::kNone;
    PileRef pile{PileList::Mazzo, kStockIndex};
    int slot = -1;  // 0-based position from the bottom of the pile
};

// Where `card` lies; kNone for anything that is not a card on the table.
CardOrigin FindOrigin(const PileLists& piles, CardNumber card);

// Whether a card taken out of `pile` leaves a "000" gap in its place: the
// tableau of the side-by-side rows and of the memory games keeps its places.
bool KeepsGaps(const GameContext& ctx, PileRef pile);

// Takes the card at `origin` out of its pile, and with `run` every card
// above it too. Returns the cards taken, bottom first.
std::vector<CardNumber> TakeOutCards(GameContext& ctx, const CardOrigin& origin, bool run);

}  // namespace vis
