// Where a card of a pile is drawn: the pile origin plus the fan steps of the
// cards below it.
#pragma once

#include <string_view>

#include "model/game_context.h"
#include "model/table_layout.h"

namespace vis {

// The fan type of a pile kind: rule 3 for tableau piles, rule 4 for
// foundations, rule 5 for reserves; 0 (no fan) for the stock group.
int FanTypeOf(const GameRules& rules, PileList list);

// Top-left corner (y scrolled) of a card place. Of the pile's c cards the
// first c - cardsLeftOff are counted; the result is the place of the last
// counted card, or with `countTop` the place where one more card would go.
// The extra stock-group pile and the stock group do not fan.
Point CardPosition(const GameContext& ctx, PileRef pile, int cardsLeftOff, bool countTop);
// The same for a pile key ("Fila3", "Dest1", "Appogg2", "Mazzo", ...); an
// unknown key reads as a pile off the table.
Point CardPosition(const GameContext& ctx, std::string_view key, int cardsLeftOff, bool countTop);
// The same over a pile text other than the stored one, e.g. a pile drawn
// while cards are lifted off it.
Point CardPositionIn(const GameContext& ctx, PileRef pile, std::string_view pileText,
                     int cardsLeftOff, bool countTop);

}  // namespace vis
