// One bookmark per game: the position and undo history written as a saved
// game to a temporary file, and read back on request.
#pragma once

#include <functional>

#include "model/game_context.h"
#include "model/game_files.h"  // DiscardBookmark

namespace vis {

// Writes the bookmark and enables "Go to bookmark"; a file that cannot be
// written is reported. True when a bookmark was written.
bool WriteBookmark(GameContext& ctx, int playingSeconds);

// Asks "Insert bookmark?"; on OK writes the bookmark and enables "Go to
// bookmark". True when a bookmark was written.
bool InsertBookmark(GameContext& ctx, int playingSeconds);

// Asks "Go to bookmark?"; on OK restores the bookmarked position, score,
// pass and undo history, then runs `lossCheck`. A missing or damaged file
// is reported and changes nothing. True when the position was restored.
bool GoToBookmark(GameContext& ctx, const std::function<void(GameContext&)>& lossCheck = {});

}  // namespace vis
