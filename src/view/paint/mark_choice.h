// Which empty-pile mark a pile shows: pure rules over the game's rule
// values, the pile texts and the pass counter.
#pragma once

#include <optional>
#include <string>

#include "model/game_context.h"

namespace vis {

enum class MarkKind {
    kStock = 1,
    kWaste = 2,
    kFoundation = 3,
    kNothing = 4,
    kReserve = 5,
    kTableau = 6,
    kExtraPile = 7,
};

// The rank mark for a base or empty-pile rule value: the ace for 1, 58, 81
// and 85, the 2 for 2 and 90, 3 to 10 their own, jack 11, queen 12, king
// 13, 64 and 84. Empty for 94, which shows no mark at all; nullopt for
// every other value, which shows the pile kind's plain mark.
std::optional<std::string> RankMarkSuffix(int ruleValue);

// The suffix of the mark pile `pileIndex` (0-based) of that kind shows when
// empty; nullopt when it shows none.
std::optional<std::string> MarkSuffix(const GameContext& ctx, MarkKind kind, int pileIndex);

// The mark kind of a pile.
MarkKind MarkKindOf(PileRef pile);

}  // namespace vis
