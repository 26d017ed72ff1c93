// The card counter's grid: one cell per card of the deck, thirteen ranks a
// row, one row per suit and deck, and which cells show a card up or down
// for the piles as they are.
#pragma once

#include <vector>

#include "model/cards.h"
#include "model/game_context.h"

namespace vis {

inline constexpr int kCounterClientWidth = 198;
// The strip above the grid.
inline constexpr int kCounterTopStrip = 2;
// Cards past two decks (the jokers) have no row.
inline constexpr int kCounterLastCard = 104;
inline constexpr int kCounterRowCount = 16;

// Where the cards are, as the move logic names the pile types: the stock
// and the waste make the stock area, everything else the tableau area.
enum class CounterPileType {
    kStock = 1,
    kWaste = 2,
    kFoundation = 4,
    kTableau = 6,
};

// The two area items of the window's menu: neither checked shows both.
struct CounterOptions {
    bool stockOnly = false;
    bool tableauOnly = false;
    bool inverted = false;

    bool StockAreaShown() const { return stockOnly || !tableauOnly; }
    bool TableauAreaShown() const { return tableauOnly || !stockOnly; }
    bool AreaShown(int pileType) const;
    bool operator==(const CounterOptions&) const = default;
};

struct CounterPoint {
    int x = 0;
    int y = 0;
};

// Top-left of a row and of a card's cell in the grid picture; a card with
// no cell gives a negative row.
int CounterRowTop(int row);
int CounterRowOf(CardNumber card);
CounterPoint CounterCellAt(CardNumber card);
// The suit (0 hearts .. 3 spades) whose label a row carries.
int CounterRowSuit(int row);

// The window's height for the deck size.
int CounterWindowHeight(int deckSize);

struct CounterMark {
    CardNumber card = 0;
    bool up = false;
};

// What a refresh draws over the empty grid, in drawing order.
std::vector<CounterMark> CounterMarks(const GameContext& ctx, const CounterOptions& options);

// A game with a waste dealt from nowhere: its waste top shows up.
bool HasWasteWithoutStock(const GameContext& ctx);

}  // namespace vis
