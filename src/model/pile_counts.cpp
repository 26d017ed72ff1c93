#include "model/pile_counts.h"

#include <algorithm>

#include "model/rule_index.h"

namespace vis {

int UsedTableauPiles(const GameContext& ctx) {
    return std::clamp<int>(ctx.rules[rule::kTableauCount], 0, kFilaPileCount);
}

int UsedFoundations(const GameContext& ctx) {
    return std::clamp<int>(ctx.rules[rule::kFoundationCount], 0, kDestPileCount);
}

}  // namespace vis
