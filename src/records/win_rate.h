// The win rate of one game and player over time, read from the game log:
// the logged games in the order they were played, in blocks of a fixed
// number of games, so that progress shows without any new record file.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vis {

inline constexpr int kWinRateBlockGames = 20;

struct WinRateBlock {
    int games = 0;  // fewer than the block size only in the last block
    int won = 0;

    bool operator==(const WinRateBlock&) const = default;
};

// The blocks of the log lines (oldest first) of `game` and `player`; the
// player is compared as the log holds it, cut to its 30 characters and
// without trailing blanks. Lines whose game number cannot be read belong
// to no game.
std::vector<WinRateBlock> WinRateBlocks(const std::vector<std::string>& logLines, int game,
                                        std::string_view player,
                                        int blockGames = kWinRateBlockGames);

// Whether a log line records a won game (characters 113-116 "Won ").
bool LogLineWon(std::string_view line);

}  // namespace vis
