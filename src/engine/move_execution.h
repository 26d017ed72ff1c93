// The one road by which play changes the piles: a card or run laid on a
// pile, a discard, a deal from the stock, a redeal, a selection removed.
// Every change is recorded for undo, drawn, sounded and followed by the
// automatic follow-ups (face-up, completed sequences, family clean-ups,
// score, filling the tableau).
#pragma once

#include <string_view>

#include "engine/play_hooks.h"
#include "model/game_context.h"

namespace vis {

// How the pointer layer lifted what moves.
struct MoveOptions {
    // The card and every card above it in its pile move together.
    bool run = false;
    // Top and height on the window of the lifted block; 0 height when no
    // block was lifted (stock operations).
    int blockTop = 0;
    int blockHeight = 0;
};

// Carries out a move judged legal beforehand. `cardOrCount` is the moving
// card for pile targets; `target` is a pile key ("Dest3", "Fila12",
// "Appogg2"), "Dest_Autoplay" + number, "Waste", "Stock02", a stock
// operation ("Mazzo_Vis", "Mazzo_Waste", "Mazzo_Redeal", "Add_Tableaus",
// "Add_Tableaus_Last", "Add_Tableau_" + two digits, "Add_Reserves",
// "Add_Reserve_" + digit, "Fill_Tableaus") or a selection-game operation.
// True when something moved; a target naming nothing changes nothing.
bool ExecuteMove(GameContext& ctx, PlayHooks& hooks, int cardOrCount, std::string_view target,
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
