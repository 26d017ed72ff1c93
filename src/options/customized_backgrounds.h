// The player's own background pictures, listed in the configuration file
// under "Background000", "Background001" ... by their display text
// "name (folder\)".
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace vis {

class UiPort;

inline constexpr std::string_view kCustomizedBackgroundsSection = "Customized backgrounds";

// "sky.bmp (D:\Pictures\)" for D:\Pictures\sky.bmp.
std::string CustomizedBackgroundText(const std::string& fullPath);
// The full path back from a display text: the folder before the name.
std::string CustomizedBackgroundPath(const std::string& displayText);

// The listed pictures, from index 000 up to the first missing or empty key.
std::vector<std::string> ReadCustomizedBackgrounds(const std::filesystem::path& config);
// Writes the picture under the first free index.
void AddCustomizedBackground(const std::filesystem::path& config, const std::string& displayText);
// Rewrites the list without the entries equal to `displayText`, numbered
// again from 000 without gaps. False when the file could not be written
// (reported through `ui`).
bool RemoveCustomizedBackground(UiPort& ui, const std::filesystem::path& config,
                                const std::string& displayText);

}  // namespace vis
