// The one road by which play changes the piles: a card or run laid on a
// pile, a discard, a deal from the stock, a redeal, a selection removed.
// Every change is recorded for undo, drawn, sounded and followed by the
// automatic follow-ups (face-up, completed sequences, family clean-ups,
// score, filling the tableau).
#pragma once

#include "engine/move.h"
#include "engine/play_hooks.h"
#include "model/game_context.h"

namespace vis {

// Where the pointer layer had the block that moves.
struct MoveOptions {
    // Top and height on the window of the lifted block; 0 height when no
    // block was lifted (stock operations).
    int blockTop = 0;
    int blockHeight = 0;
};

// Carries out a move judged legal beforehand. True when something moved; a
// card move to a pile that takes no cards (the stock) changes nothing.
bool ExecuteMove(GameContext& ctx, PlayHooks& hooks, const Move& move,
                 const MoveOptions& options = {});

// Undo steps recorded so far.
int UndoStepCount(const GameContext& ctx);
// Folds every undo step recorded after the first `stepsBefore` into the
// step before them: a follow-up is taken back with the move that caused it.
void MergeStepsSince(GameContext& ctx, int stepsBefore);
// Folds the undo steps recorded after the first `stepsBefore` into one:
// one undo takes a compound action back.
void MergeStepsIntoOne(GameContext& ctx, int stepsBefore);

}  // namespace vis
