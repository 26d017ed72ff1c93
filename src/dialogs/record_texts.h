// Texts the record dialogs share: numbered texts as Qt strings, counts with
// their share, and the current streak.
#pragma once

#include <QString>
#include <cstdint>
#include <string>

#include "model/game_context.h"
#include "records/game_statistics.h"

namespace vis {

// The game and player a record dialog opens on.
struct RecordSelection {
    int game = -1;       // negative: the current game
    std::string player;  // empty: the current player
};

// The numbered text in the language of the state block.
QString LocalizedText(const GameContext& ctx, int number);

// The share of games won, rounded; -1 when no game was played.
int PercentWon(std::int64_t won, std::int64_t lost);

// "n  (p%)", or the count alone when no game was played (p < 0).
QString CountWithPercent(std::int64_t count, int percent);

// The current streak after "Current": ": n won" or ": n lost" in the
// language's singular or plural; empty when there is none.
QString CurrentStreakText(const GameContext& ctx, const GameStatsRecord& record);

}  // namespace vis
