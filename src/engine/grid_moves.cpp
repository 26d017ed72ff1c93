#include "engine/grid_moves.h"

#include "engine/card_location.h"
#include "model/rule_index.h"

namespace vis {

namespace {
bool SameRow(int a, int b, int width) {
    return a / width == b / width;
}
}  // namespace

bool AreGridNeighbours(int from, int to, int gridWidth) {
    if (gridWidth <= 0 || from < 0 || to < 0) return false;
    if (from == to + 1 || from == to - 1) return SameRow(from, to, gridWidth);
    return from == to + gridWidth || from == to - gridWidth;
}

int JumpedCell(const GameContext& ctx, CardNumber card, int to) {
    const int width = ctx.rules[rule::kGridWidth];
    const int location = CardLocation(ctx, card);
    if (width <= 0 || to < 0 || !IsTableauLocation(location)) return -1;
    const int from = location - 1;
    int between = -1;
    if ((from == to + 2 || from == to - 2) && SameRow(from, to, width))
        between = (from + to) / 2;
    else if (from == to + 2 * width || from == to - 2 * width)
        between = (from + to) / 2;
    if (between < 0 || between >= kFilaPileCount) return -1;
    return ctx.piles.fila[static_cast<std::size_t>(between)].empty() ? -1 : between;
}

}  // namespace vis
