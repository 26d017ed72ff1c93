// Deals from the stock onto the tableau and the reserves, by each pile's
// deal code, and the filling of empty tableau piles after the first move.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "model/game_context.h"

namespace vis {

enum class PileDealKind {
    kTableaus,      // "Add_Tableaus": every tableau pile by its deal code
    kTableausLast,  // "Add_Tableaus_Last": one card to every tableau pile
    kOneTableau,    // "Add_Tableau_" + two digits
    kReserves,      // "Add_Reserves": every reserve by its deal code
    kOneReserve,    // "Add_Reserve_" + one digit
    kFillTableaus,  // "Fill_Tableaus": one card to every empty tableau pile
};

struct PileDeal {
    PileDealKind kind;
    int pile = 0;  // 0-based pile of the single-pile deals
    bool operator==(const PileDeal&) const = default;
};

// The deal a target name asks for; empty when the name is not a deal.
std::optional<PileDeal> ParsePileDeal(std::string_view name);
// The name `ParsePileDeal` reads back as `deal`.
std::string PileDealText(const PileDeal& deal);

// Deals one card to each pile of the deal whose code takes one, while the
// stock lasts, as one undo step (the tableau fill belongs to the move that
// caused it). True when a card was dealt.
bool DealOntoPiles(GameContext& ctx, const PileDeal& deal);

}  // namespace vis
