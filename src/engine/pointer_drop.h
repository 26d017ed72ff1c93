// Where a released block lands: the piles it overlaps, ranked by the area
// of the overlap, each tried in turn until one takes it.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "engine/play_hooks.h"
#include "model/game_context.h"

namespace vis {

// Kinds of drop target, in the order in which they win a tie of area.
enum class DropKind {
    kWaste = 2,
    kTableau = 4,
    kFoundation = 5,
    kReserve = 6,
};

struct DropCandidate {
    DropKind kind = DropKind::kTableau;
    int index = 0;  // 0-based pile index; 0 for the waste
    // The card place of a tableau whose every card is its own target; -1
    // for a whole pile.
    int slot = -1;
    int area = 0;
    bool operator==(const DropCandidate&) const = default;
};

// The overlap of block `block` with pile rectangle `pile`, judged from the
// block's corners and, failing those, from heights probed every 50 pixels
// down the block; none when they do not overlap.
std::optional<int> OverlapArea(const Rect& block, const Rect& pile);

// The rectangle a pile offers to a drop: the card-sized rectangle at its top
// card, or at its base when empty.
Rect DropRect(const GameContext& ctx, const DropCandidate& candidate);

// The pile key of a candidate ("Dest3", "Fila1", "Appogg2", "Mazzo_Vis").
std::string DropTargetKey(const DropCandidate& candidate);

// The (at most four) piles overlapped by `block`, best first: largest area,
// then reserve, foundation, tableau pile, waste, then the higher index.
std::vector<DropCandidate> RankDropCandidates(const GameContext& ctx, CardNumber card,
                                              const Rect& block);

// Whether the candidate pile takes the lifted `card` (with the run above it
// when `run`): the fill phase, the waste's own rule, or the pile's move
// rules. Judged as the drop judges it, changing nothing.
bool DropAccepts(const GameContext& ctx, CardNumber card, const DropCandidate& candidate, bool run);

// Tries to lay the dragged `card` on one candidate, the block standing at
// `block`: the pile must still overlap it and accept the card. Lifts the
// card first when the pointer did not, slides it there and executes the
// move; `autoplay` marks a foundation move as autoplay's. True when it moved.
bool TryDropOn(GameContext& ctx, PlayHooks& hooks, CardNumber card, const DropCandidate& candidate,
               const Rect& block, bool autoplay);

// Drops the dragged `card`, whose block stands at `block`, on the best
// candidate that takes it; true when it moved.
bool DropOnBestTarget(GameContext& ctx, PlayHooks& hooks, CardNumber card, const Rect& block);

}  // namespace vis
