// The deal numbers the player dealt last, newest first, kept in the
// configuration file for the game number dialog.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "model/ui_port.h"

namespace vis {

struct GameContext;

inline constexpr std::string_view kRecentDealsSection = "Game_Numbers";
inline constexpr int kRecentDealCount = 20;

// The key of the 1-based place: "Game0" and two digits (Game001 .. Game020).
std::string RecentDealKey(int place);

// The non-empty numbers of Game001 .. Game020 in key order.
std::vector<std::string> ReadRecentDeals(const std::filesystem::path& configFile);

// Puts `deal` at the head of the list, dropping its older entries; the
// list keeps its 20 places, emptied ones at the end. False when the file
// could not be rewritten (the player has been told).
bool RememberDealNumber(UiPort& ui, const std::filesystem::path& configFile, std::string_view deal);

// Puts the current deal number at the head of the recent numbers.
void RememberDealNumber(GameContext& ctx);

}  // namespace vis
