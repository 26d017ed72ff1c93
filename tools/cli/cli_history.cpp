#include "cli_history.h"

#include <iterator>
#include <string>
#include <vector>

#include "model/piles.h"

namespace vis::cli {

namespace {

constexpr std::size_t kStockLines = 3;

void DropOldest(std::vector<std::string>& stack, std::size_t lines) {
    stack.erase(stack.begin(), std::next(stack.begin(), static_cast<std::ptrdiff_t>(lines)));
}

}  // namespace

void KeepRecentHistory(HistorySide& side, std::size_t steps) {
    const std::size_t held = side.stock.size() / kStockLines;
    if (held < 2 * steps) return;
    const std::size_t dropped = held - steps;
    DropOldest(side.stock, dropped * kStockLines);
    DropOldest(side.foundation, dropped * kDestPileCount);
    DropOldest(side.tableau, dropped * kFilaPileCount);
    DropOldest(side.reserve, dropped * kAppoggPileCount);
}

}  // namespace vis::cli
