#include "records/win_rate.h"

#include <algorithm>

#include "model/text.h"
#include "records/game_log.h"

namespace vis {

namespace {

constexpr std::size_t kLogPlayerWidth = 30;

}  // namespace

bool LogLineWon(std::string_view line) {
    return line.size() >= 116 && line.substr(112, 4) == "Won ";
}

std::vector<WinRateBlock> WinRateBlocks(const std::vector<std::string>& logLines, int game,
                                        std::string_view player, int blockGames) {
    const std::string logged =
        TrimRight(player.substr(0, std::min(player.size(), kLogPlayerWidth)));
    std::vector<WinRateBlock> blocks;
    if (blockGames <= 0 || game < 0) return blocks;
    for (const std::string& line : logLines) {
        if (LogLineGame(line) != game || LogLinePlayer(line) != logged) continue;
        if (blocks.empty() || blocks.back().games == blockGames) blocks.push_back({});
        ++blocks.back().games;
        if (LogLineWon(line)) ++blocks.back().won;
    }
    return blocks;
}

}  // namespace vis
