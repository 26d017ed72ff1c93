#include "game/open_game.h"

#include <algorithm>
#include <optional>
#include <system_error>
#include <vector>

#include "engine/game_clock.h"
#include "engine/move_log.h"
#include "game/save_game.h"
#include "model/catalog.h"
#include "model/config_file.h"
#include "model/games_file.h"
#include "model/position_snapshot.h"
#include "model/preference_keys.h"
#include "model/program_paths.h"
#include "model/rule_index.h"
#include "model/shuffle.h"
#include "model/text.h"
#include "records/player_choice.h"
#include "records/players.h"
#include "records/saved_game_file.h"
#include "store/durable_file.h"
#include "store/file_error.h"

namespace vis {

namespace {

constexpr std::string_view kOpenTitle = "Open game";
constexpr int kOpenTitleString = 1602;
constexpr std::size_t kDealDigits = 13;
constexpr int kScreenNotChecked = 0;  // the small-screen state after a change of game
// The fill counter once moves have been made: the tableau fill stays armed.
constexpr int kFillCounterAfterMoves = 2;
constexpr std::string_view kDamagedSuffix = ".bad";
// The lines of a saved game besides its history steps: the header and
// position lines, five section headers and the log.
constexpr std::size_t kHistoryEnd = kSavedGameHistoryLine + 6;

struct OpenOptions {
    bool held = false;        // a held game: deleted once opened
    bool fromDialog = false;  // its folder becomes the dialogs' start folder
    bool demo = false;        // no repaint, as the demo steps through it
};

std::optional<std::filesystem::path> ChooseFileToOpen(GameContext& ctx) {
    auto file = ctx.ui.AskFileName({.save = false,
                                    .title = std::string(kOpenTitle),
                                    .titleString = kOpenTitleString,
                                    .filter = "Game|*.GAM",
                                    .defaultExtension = "",
                                    .folder = SaveFolder(ctx)});
    if (!file || file->empty()) return std::nullopt;
    return file;
}

// A held game that cannot be opened would block every later start; it is
// kept beside the others under a name that is no longer searched.
std::string SetHeldFileAside(const std::filesystem::path& file) {
    // Never over an older one: each damaged file may be worth a look.
    const std::filesystem::path aside = FreeFileName(file, kDamagedSuffix);
    std::error_code ec;
    std::filesystem::rename(file, aside, ec);
    return ec ? std::string() : "\rThe file was kept as " + aside.string() + ".";
}

// Reports a file that cannot be opened; a held one is set aside.
void RefuseFile(GameContext& ctx, const std::filesystem::path& file, const std::string& reason,
                const OpenOptions& options) {
    std::string message = file.string() + "\r" + reason;
    if (options.held) message += SetHeldFileAside(file);
    ctx.ui.ShowMessage(message);
}

// Every card at most once: a file that passes the format checks may still
// hold a table no deal can give.
bool PositionIsConsistent(const PositionSnapshot& position) {
    PileLists piles;
    std::size_t line = 0;
    for (PileList kind : {PileList::Mazzo, PileList::Dest, PileList::Fila, PileList::Appogg})
        for (int i = 0; i < PileCount(kind); ++i, ++line)
            for (std::size_t at = 0; at + 4 <= position[line].size(); at += 4)
                piles.Pile(kind, i) += position[line].substr(at, 3);
    return IsConsistent(piles);
}

std::vector<CardNumber> CardsOnTable(const PositionSnapshot& position) {
    std::vector<CardNumber> cards;
    for (const std::string& line : position)
        for (std::size_t at = 0; at + 4 <= line.size(); at += 4)
            if (const CardNumber card = CardAt(line.substr(at, 3), 0); card != 0)
                cards.push_back(card);
    return cards;
}

// Why the position cannot be a table of the game whose rules are given (a
// file whose game number was changed, or that names another game), or
// nothing when it can: only the piles the game has hold cards, and the cards
// are those of the game's deck for the file's deal number, all of them but
// where the game leaves its first foundation out of its positions.
std::optional<std::string> PositionMisfit(const GameRules& rules, const SavedGame& saved) {
    struct PileRange {
        int firstLine;
        int piles;
        int countRule;
        std::string_view name;
    };
    for (const PileRange& range :
         {PileRange{kSnapshotFoundationLine, kDestPileCount, rule::kFoundationCount, "foundation"},
          PileRange{kSnapshotTableauLine, kFilaPileCount, rule::kTableauCount, "tableau pile"},
          PileRange{kSnapshotReserveLine, kAppoggPileCount, rule::kReserveCount, "reserve"}}) {
        for (int i = std::max<int>(rules[range.countRule], 0); i < range.piles; ++i)
            if (!saved.position[static_cast<std::size_t>(range.firstLine + i)].empty())
                return "it has cards on " + std::string(range.name) + " " + std::to_string(i + 1) +
                       ", which this game does not have.";
    }
    std::vector<CardNumber> deck = ShuffleDeck(rules, saved.dealNumber);
    std::vector<CardNumber> onTable = CardsOnTable(saved.position);
    std::sort(deck.begin(), deck.end());
    std::sort(onTable.begin(), onTable.end());
    if (!std::includes(deck.begin(), deck.end(), onTable.begin(), onTable.end()))
        return std::string("it holds cards that the deck of this game does not have.");
    if (onTable.size() != deck.size() && !KeepsFoundationOneEmpty(rules))
        return "it holds " + std::to_string(onTable.size()) +
               " cards, and this game is played with " + std::to_string(deck.size()) + ".";
    return std::nullopt;
}

// The rules of the file's game, read without touching the game in play.
std::optional<GameRules> RulesOfGame(GameContext& ctx, int game) {
    GameContext scratch(ctx.ui);
    scratch.state = ctx.state;
    scratch.game.catalog = ctx.game.catalog;
    scratch.state.SetZeroPadded(field::kGameNumber, game);
    if (!LoadGameRules(scratch)) return std::nullopt;
    return scratch.rules;
}

std::string PlayerOf(const SavedGame& saved) {
    return TrimRight(std::string_view(saved.player).substr(0, kPlayerNameLength));
}

// Puts the saved game on the table as the current game of its player.
bool LoadSavedGame(GameContext& ctx, NewGameHooks& hooks, const SavedGame& saved,
                   const std::string& name, const OpenOptions& options) {
    StateBlock& state = ctx.state;
    const bool changedGame = saved.game != state.GetInt(field::kGameNumber, -1);
    // A recorded demo is watched by the current player; other files bring theirs.
    const std::string player = options.demo ? state.Get(field::kPlayer) : PlayerOf(saved);
    const bool changedPlayer = player != state.Get(field::kPlayer);

    state.SetZeroPadded(field::kScoringScheme, saved.scoringScheme);
    state.SetDecimal(field::kScore, saved.score);
    ctx.game.passNumber = static_cast<std::int16_t>(std::clamp(saved.passNumber, 1, 32767));
    if (changedGame) ctx.game.smallScreenState = kScreenNotChecked;
    state.SetZeroPadded(field::kGameNumber, saved.game);
    state.Set(field::kGameName, name);
    state.Set(field::kShowTime,
              ReadPref(ConfigFilePath(state), kPreferenceSection, "Show_Time", "Y"));
    state.Set(field::kPlayer, player);
    state.Set(field::kDealNumber,
              TrimRight(std::string_view(saved.dealNumber).substr(0, kDealDigits)));

    if (!PrepareGame(ctx, hooks)) {
        ClearCurrentGame(ctx, hooks);
        return false;
    }
    RestoreSnapshot(ctx, saved.position);
    ctx.history.undo = saved.undo;
    for (std::size_t i = 0; i < saved.bases.size(); ++i)
        if (saved.bases[i])
            ctx.rules.Set(rule::kFoundationBase + static_cast<int>(i), *saved.bases[i]);
    StartClockAt(ctx, saved.playingSeconds);

    // The run counters belong to one game and one player.
    if (changedGame || changedPlayer) ResetRunCounters(state);
    if (changedPlayer) ctx.ui.UpdateCaption();
    if (!NewDeal(ctx, hooks, {.deal = false, .animate = false, .noRepaint = options.demo}))
        return false;
    ctx.game.fillCounter =
        static_cast<std::int16_t>(ctx.history.undo.stock.empty() ? 0 : kFillCounterAfterMoves);
    ctx.game.dealCounter = CountLogEvents(ctx.history.undo.log, kEventReserveDeal);
    return true;
}

bool OpenSavedGameFile(GameContext& ctx, NewGameHooks& hooks, const std::filesystem::path& file,
                       const OpenOptions& options) {
    if (!FileExists(file)) {
        ctx.ui.ShowMessage(std::string(kFileNotFound) + file.string());
        return false;
    }
    // Far past any game played by hand: reading more would hold the window
    // for seconds and fill the memory.
    std::error_code sizeError;
    if (std::filesystem::file_size(file, sizeError) > kMaxSavedGameBytes && !sizeError) {
        RefuseFile(ctx, file,
                   "The file is too long for a saved game: at most " +
                       std::to_string(kMaxSavedGameBytes >> 20) + " MB.",
                   options);
        return false;
    }
    std::string text;
    try {
        text = ReadWholeFile(file);
    } catch (const FileError& error) {
        ctx.ui.ShowMessage(error.what());
        return false;
    }
    // An empty held file is a name reserved by a hold that never finished.
    if (options.held && text.empty()) {
        RemoveFileQuietly(file);
        return false;
    }
    // Counted before the lines are split: a step is a whole position.
    const auto lines = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
    if (lines > kHistoryEnd + static_cast<std::size_t>(kSnapshotLines) * kMaxSavedGameSteps) {
        RefuseFile(ctx, file,
                   "Its history is longer than a saved game's: at most " +
                       std::to_string(kMaxSavedGameSteps) + " moves.",
                   options);
        return false;
    }
    std::string error;
    const auto saved = ParseSavedGame(text, error);
    if (!saved || !PositionIsConsistent(saved->position)) {
        RefuseFile(ctx, file, saved ? std::string(kNotASavedGame) : error, options);
        return false;
    }
    const std::string name = GameName(ctx, saved->game);
    if (name.empty()) {
        RefuseFile(ctx, file,
                   "The game of this file (number " + ZeroPad(saved->game, 4) +
                       ") is not among the games.",
                   options);
        return false;
    }
    const auto rules = RulesOfGame(ctx, saved->game);
    if (!rules) return false;
    if (const auto misfit = PositionMisfit(*rules, *saved)) {
        RefuseFile(ctx, file,
                   "It does not hold a position of the game " + name + " (number " +
                       ZeroPad(saved->game, 4) + "): " + *misfit,
                   options);
        return false;
    }
    if (!CanPlayOnThisScreen(ctx, saved->game)) return false;
    if (!ConfirmAbandonGame(ctx)) return false;
    // A running game found won hands over to the won sequence.
    if (hooks.EndRunningGame(ctx)) return false;
    if (!LoadSavedGame(ctx, hooks, *saved, name, options)) return false;
    if (options.fromDialog) RememberSaveFolder(ctx, file);
    // Kept until the game is recorded or held again: a crash loses nothing.
    if (options.held) ctx.game.resumedHeldFile = file;
    return true;
}

}  // namespace

std::filesystem::path DemoGamePath(const StateBlock& state, int game) {
    return ProgramFile(state, "Demos\\G" + ZeroPad(game, 4) + ".GAM");
}

bool OpenDemoGame(GameContext& ctx, NewGameHooks& hooks, const std::filesystem::path& file) {
    if (ctx.flags[Flag::kAnimationRunning]) return false;
    return OpenSavedGameFile(ctx, hooks, file, {.demo = true});
}

bool OpenGame(GameContext& ctx, NewGameHooks& hooks, OpenMode mode,
              const std::filesystem::path& file) {
    if (ctx.flags[Flag::kAnimationRunning]) return false;
    switch (mode) {
        case OpenMode::kChooseFile: {
            const auto chosen = ChooseFileToOpen(ctx);
            return chosen && OpenSavedGameFile(ctx, hooks, *chosen, {.fromDialog = true});
        }
        case OpenMode::kHeldGame:
            return OpenSavedGameFile(ctx, hooks, file, {.held = true});
        case OpenMode::kRestart:
            return RestartGame(ctx, hooks, false);
        case OpenMode::kDemoRestart:
            return RestartGame(ctx, hooks, true);
    }
    return false;
}

}  // namespace vis
