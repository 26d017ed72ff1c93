// Unlimited undo and redo: before each move the whole position is pushed as
// a snapshot onto the undo side; a log entry per step carries the few events
// that also change counters outside the piles.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "model/game_context.h"

namespace vis {

// Event codes of the log.
inline constexpr int kEventTableauDrop = 1;  // a drop on a tableau pile in family 23
inline constexpr int kEventReserveDeal = 2;  // a deal from the stock to the reserves
inline constexpr int kEventRedeal = 3;       // the start of a redeal of the tableau

// Log primitives over one side's log text.
void DropNewestLogEntry(std::string& log);
std::string NewestLogEntry(std::string_view log);
void AppendLogEntry(std::string& log, std::string_view entry);
bool NewestEntryHasEvent(std::string_view log, int code);
int CountLogEvents(std::string_view log, int code);

void PushSnapshot(GameContext& ctx, HistoryDirection side);
void ClearRedo(GameContext& ctx);
// The newest undo step carries exactly `code`.
void MarkStepEvent(GameContext& ctx, int code);
// Merge the last steps of a compound action into one undo step.
void DropNewestSnapshots(GameContext& ctx, int count);
void DropSecondNewestLines(GameContext& ctx, int count);

// Whether the Undo (or Redo) command may take a step now: a game in
// progress, a step on that side, and the undo mode allowing it.
bool StepAllowed(const GameContext& ctx, HistoryDirection direction);

// Undo or redo one step. A non-silent step is checked first (a beep and no
// change when refused); after the restore `lossCheck` runs. True when the
// step was taken.
bool StepHistory(GameContext& ctx, HistoryDirection direction, bool silent,
                 const std::function<void(GameContext&)>& lossCheck = {});

// Keeps foundation `foundation` (0-based) sorted by card number.
void ReorderFoundation(GameContext& ctx, int foundation);

}  // namespace vis
