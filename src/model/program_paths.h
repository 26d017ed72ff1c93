// Paths below the program directory. Stored texts keep the backslash form
// ("DATA\CFG.DAT"); only here do they become native paths.
#pragma once

#include <filesystem>
#include <string_view>

#include "model/state_block.h"

namespace vis {

// Native form of a stored relative path ("DATA\CFG.DAT" -> "DATA/CFG.DAT").
std::filesystem::path NativeRelativePath(std::string_view storedPath);

// Writes the program directory into its field, ending in a separator.
void SetProgramDir(StateBlock& state, const std::filesystem::path& dir);
std::filesystem::path ProgramDir(const StateBlock& state);

// The program directory joined with a stored relative path.
std::filesystem::path ProgramFile(const StateBlock& state, std::string_view storedPath);

// "DATA\CFG.DAT" below the program directory.
std::filesystem::path ConfigFilePath(const StateBlock& state);

}  // namespace vis
