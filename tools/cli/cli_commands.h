// The commands of vistrane-cli. Each returns the process exit code.
#pragma once

#include <string>
#include <vector>

#include "cli_context.h"
#include "game/new_game.h"

namespace vis::cli {

using Arguments = std::vector<std::string>;

// One line per catalog game: number, type and name, tab-separated.
int RunGames(CliSession& session, const Arguments& args);
// Deals a game and prints the position snapshot and the score.
int RunDeal(CliSession& session, const Arguments& args);

// Deals a game, then carries out the player's commands read from standard
// input, one "ok" or "refused" per command, and prints the final position,
// the score and "won", "lost" or "in progress".
int RunPlay(CliSession& session, const Arguments& args);

// Loads the catalog and deals game `gameText` with deal number `dealText`;
// false, with the reason on standard error, when it cannot.
bool DealGame(CliSession& session, NewGameHooks& hooks, const std::string& gameText,
              const std::string& dealText);
// The 55 snapshot lines of the table and "score N".
void PrintPosition(const GameContext& ctx);

}  // namespace vis::cli
