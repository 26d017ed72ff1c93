// A move as a value: what is lifted (a card and maybe the run above it, a
// stock operation, a deal onto piles, a selection), and where it goes. The
// engine passes moves around as these; pile keys and target words are text
// only at the edges (scripts, saved games, logs), through `ParseMove` and
// `MoveText`.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "engine/stock_deals.h"
#include "model/cards.h"
#include "model/piles.h"

namespace vis {

enum class MoveKind {
    kCards,             // a card (or run) onto a pile
    kStock,             // a stock operation
    kPileDeal,          // cards dealt from the stock onto piles
    kRemoveSelection,   // the selected cards of a selection game go home
    kRefillFromStock,   // the selection games' stock fills the gaps
    kCloseUpAndRefill,  // the tableau closes up, then refills from the stock
};

enum class StockOperation {
    kToWaste,        // deal to the waste, or turn the waste over
    kToSecondWaste,  // deal to the second waste
    kRedeal,         // a gathering redeal only
};

struct Move {
    MoveKind kind = MoveKind::kCards;
    // The moving card; for a run its bottom card. 0 for operations.
    CardNumber card = 0;
    // The cards above `card` in its pile move with it (where the target
    // pile holds runs).
    bool run = false;
    // The pile a card goes to. The waste takes a card back, the second
    // waste is the discard.
    PileRef to{PileList::Mazzo, kStockIndex};
    // A foundation move made by autoplay rather than the player.
    bool autoplay = false;
    StockOperation stock = StockOperation::kToWaste;
    PileDeal deal{PileDealKind::kTableaus, 0};

    static Move Cards(CardNumber card, PileRef to, bool run = false) {
        return {.kind = MoveKind::kCards, .card = card, .run = run, .to = to};
    }
    static Move Stock(StockOperation operation) {
        return {.kind = MoveKind::kStock, .stock = operation};
    }
    static Move Deal(PileDeal deal) { return {.kind = MoveKind::kPileDeal, .deal = deal}; }
    static Move Operation(MoveKind kind) { return {.kind = kind}; }

    bool operator==(const Move&) const = default;
};

// The move a target word names with `cardOrCount` as its card: a pile key
// ("Dest3", "Fila12", "Appogg2"), "Dest_Autoplay" + number, "Waste" (the
// discard), "Stock02" (back on the waste), a stock operation ("Mazzo_Vis",
// "Mazzo_Waste", "Mazzo_Redeal"), a deal onto piles ("Add_Tableaus",
// "Add_Tableaus_Last", "Add_Tableau_" + two digits, "Add_Reserves",
// "Add_Reserve_" + digit, "Fill_Tableaus") or a selection-game operation.
// Empty for a word that names nothing.
std::optional<Move> ParseMove(int cardOrCount, std::string_view target);

// The target word that `ParseMove` reads back as `move` (the card and the
// run are not part of it).
std::string MoveText(const Move& move);

}  // namespace vis
