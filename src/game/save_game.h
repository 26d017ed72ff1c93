// Saving the running game: to a file the player chooses, as the bookmark,
// or as a held game parked until the next start.
#pragma once

#include <filesystem>

#include "model/game_context.h"

namespace vis {

enum class SaveMode {
    kChooseFile = 1,  // the save dialog ("&Save...")
    kBookmark = 2,    // a new temporary file, remembered as the bookmark
    kHeldGame = 3,    // the first free "DATA\Stat_eNN.dat"
};

inline constexpr std::string_view kDirSaveKey = "Dir_Save";

// The folder the save and open dialogs start in: `Dir_Save`, the folder of
// the last game saved or opened; empty before the first, and the dialogs
// then start in the player's documents folder (an installed program's
// directory is no place for the player's files).
std::filesystem::path SaveFolder(const GameContext& ctx);
// Remembers the folder of a file saved or opened through a dialog.
void RememberSaveFolder(const GameContext& ctx, const std::filesystem::path& file);

// Writes the position, clock, score and undo history of the game in play.
// False when the player cancelled or the file could not be written (the
// player has been told why; an existing file is then left as it was).
bool SaveGame(GameContext& ctx, SaveMode mode);

// Deletes a file when it is there; a failure leaves it (temporary and
// reserved files only).
void RemoveFileQuietly(const std::filesystem::path& file);

// Writes the game in play to `file`, replacing it whole. False, after
// telling the player, when it cannot be written.
bool WriteSavedGameFile(GameContext& ctx, const std::filesystem::path& file);

}  // namespace vis
