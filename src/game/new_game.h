// Starting a game and dealing it: the game's rules and screen settings, the
// deal number, the dealt table, and the clock and commands around a deal.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "model/game_files.h"  // ReleaseResumedHeldGame
#include "model/new_game_hooks.h"

namespace vis {

struct GameContext;

inline constexpr std::string_view kQuitThisGame = "Quit this game?";

struct GameRequest {
    int number = 0;
    std::string name;
    std::string player;
    // Writes the game to the preferences, as the next start's game.
    bool persist = false;
    // The deal to play; none: a new random number.
    std::optional<std::string> dealNumber = std::nullopt;
};

// Starts a game for a player, asking first whether a game in progress may
// be abandoned. True when a game was started, or when ending the running
// game turned out a win whose sequence took over. A game whose rules cannot
// be loaded or dealt leaves the table without a current game.
bool StartGame(GameContext& ctx, NewGameHooks& hooks, const GameRequest& request);

// The random game command: a game of the catalog drawn at random, for the
// current player, with a new deal number. False when the catalog has none.
bool StartRandomGame(GameContext& ctx, NewGameHooks& hooks);

// Whether the running game may be abandoned: never during an animation or a
// demonstration; without asking when the player turned the question off or
// no unwon game is in progress; otherwise as the player answers `question`.
bool ConfirmAbandonGame(GameContext& ctx, std::string_view question = kQuitThisGame);

// Loads the rules of the game in state field 62 and fits the card size,
// the commands and the layout to them. False when the rules cannot be
// loaded (the player has been told why).
bool PrepareGame(GameContext& ctx, NewGameHooks& hooks);

struct NewDealOptions {
    // False: the caller has filled the piles already (a restart, an opened
    // game), and only the state around them starts afresh.
    bool deal = true;
    bool animate = true;
    // The deal to play when dealing; none: a new random number.
    std::optional<std::string> dealNumber = std::nullopt;
    bool noRepaint = false;
};

// A new deal of the current game. False when the game cannot be dealt: the
// table is then left without a current game.
bool NewDeal(GameContext& ctx, NewGameHooks& hooks, const NewDealOptions& options);

// A new random deal number from the process's generator.
std::string ChooseDealNumber(GameContext& ctx);

// Leaves the table without a current game, e.g. once that game is deleted.
void ClearCurrentGame(GameContext& ctx, NewGameHooks& hooks);

// After the game in play was ended: an empty table, without the game's
// name, deal number, score or time, and the game commands disabled.
void ShowEmptyTable(GameContext& ctx, NewGameHooks& hooks);

// Enables the game commands when they are disabled (no game was on the
// table), leaving off those the current game's rules refuse.
void EnableGameCommands(GameContext& ctx);

}  // namespace vis
