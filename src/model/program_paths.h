// Paths below the program directory and the data folder. Stored texts keep
// the backslash form ("DATA\CFG.DAT"); only here do they become native paths.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "model/state_block.h"

namespace vis {

// The folder that holds the player's "DATA" folder: the program directory
// when it can be written, else the user's own data folder.
inline constexpr StateField kDataRootField{901, 200};
inline constexpr std::string_view kDataFolder = "DATA";

// Native form of a stored relative path ("DATA\CFG.DAT" -> "DATA/CFG.DAT").
std::filesystem::path NativeRelativePath(std::string_view storedPath);

// Writes the program directory into its field, ending in a separator.
void SetProgramDir(StateBlock& state, const std::filesystem::path& dir);
std::filesystem::path ProgramDir(const StateBlock& state);

// The folder that holds "DATA"; the program directory until one is set.
void SetDataRoot(StateBlock& state, const std::filesystem::path& root);
std::filesystem::path DataRoot(const StateBlock& state);

// A stored relative path as a native one: "DATA\..." below the data root,
// anything else ("GAMES.DAT", "Demos\...") below the program directory.
std::filesystem::path ProgramFile(const StateBlock& state, std::string_view storedPath);

// "DATA\CFG.DAT" below the data root.
std::filesystem::path ConfigFilePath(const StateBlock& state);

// Why new files cannot be kept in the DATA folder below `root` (created
// when missing), or nothing when a file can be written there and the
// configuration file, when there is one, can be read and written.
std::optional<std::string> DataFolderProblem(const std::filesystem::path& root);

// Makes `scratchRoot` the data root for this run only, its DATA folder
// holding a copy of every file the current one has that can be read: the
// player's settings and records are there to read and to change, and
// nothing of them is kept. False, with nothing changed, when the copy
// folder cannot be made.
bool UseSessionDataFolder(StateBlock& state, const std::filesystem::path& scratchRoot);

// The program directory when its DATA folder can be written; else the
// user's data folder when that can; else the program directory all the same.
std::filesystem::path ChooseDataRoot(const std::filesystem::path& programDir,
                                     const std::filesystem::path& userDataDir);

}  // namespace vis
