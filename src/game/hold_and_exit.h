// Holding an unfinished game on exit, resuming it at the next start, and
// the decisions taken when the main window is asked to close.
#pragma once

#include "game/new_game.h"
#include "model/game_context.h"

namespace vis {

// Writes the game in progress to a new held-game file and ends it without
// recording anything. False, with the game still in progress, when it
// could not be held (the player has been told why).
bool HoldGame(GameContext& ctx);

// At the first activation: opens the first held game there is; its file
// stays until the game is recorded or held again. A held file that cannot be opened is reported and
// the next one tried. True when a held game is on the table; otherwise the main window opens the
// game selection.
bool ResumeHeldGame(GameContext& ctx, NewGameHooks& hooks);

// What the main window does with a request to close.
enum class CloseDecision {
    kClose,                // close; a game still in progress is recorded as lost
    kCancel,               // stay open
    kCloseAfterAnimation,  // stop the winning animation; its end closes the window
    kAskHoldOrExit,        // show the hold-and-exit dialog, then CloseAfterHoldDialog
};

// Asks "Exit Vistrane 2000?" when the player wants it, and holds the game
// in progress when the "&Hold and exit..." command or the preferences say
// so.
CloseDecision QueryClose(GameContext& ctx);

// The buttons of the hold-and-exit dialog.
enum class HoldDialogChoice { kHoldAndExit, kExitAndPostLoss, kCancel };
// True when the closing goes on.
bool CloseAfterHoldDialog(GameContext& ctx, HoldDialogChoice choice);

}  // namespace vis
