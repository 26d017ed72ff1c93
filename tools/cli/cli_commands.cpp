#include "cli_commands.h"

#include <algorithm>
#include <cctype>
#include <iostream>
#include <optional>

#include "engine/engine_hooks.h"
#include "game/new_game.h"
#include "model/catalog.h"
#include "model/games_file.h"
#include "model/position_snapshot.h"
#include "model/text.h"

namespace vis::cli {

namespace {

// A deal number as the player types it: digits only, as many as the state
// block keeps.
constexpr std::size_t kMaxDealNumberLength = 15;

bool IsDealNumber(std::string_view text) {
    return !text.empty() && text.size() <= kMaxDealNumberLength &&
           std::all_of(text.begin(), text.end(),
                       [](unsigned char c) { return std::isdigit(c) != 0; });
}

std::optional<int> CatalogGame(CliSession& session, std::string_view text) {
    const auto number = ParseInt(text);
    if (!number || *number < 0 || GameName(session.ctx, *number).empty()) return std::nullopt;
    return number;
}

}  // namespace

int RunGames(CliSession& session, const Arguments& args) {
    if (!args.empty()) {
        std::cerr << "usage: vistrane-cli games\n";
        return 2;
    }
    if (!LoadCatalog(session.ctx)) return 1;
    for (const std::string& line : session.ctx.game.catalog) {
        const auto number = CatalogNumber(line);
        if (!number) continue;
        std::cout << *number << '\t' << GameType(session.ctx, *number) << '\t'
                  << TrimRight(CatalogName(line)) << '\n';
    }
    return 0;
}

bool DealGame(CliSession& session, NewGameHooks& hooks, const std::string& gameText,
              const std::string& dealText) {
    // As the program does at its start: a file cut short is refused whole.
    if (const auto problem = GamesFileProblem(GamesFilePath(session.ctx.state))) {
        session.ui.ShowError(*problem);
        return false;
    }
    if (!LoadCatalog(session.ctx)) return false;
    const auto game = CatalogGame(session, gameText);
    if (!game) {
        std::cerr << "unknown game: " << gameText << '\n';
        return false;
    }
    if (!IsDealNumber(dealText)) {
        std::cerr << "bad deal number: " << dealText << " (digits only, at most "
                  << kMaxDealNumberLength << ")\n";
        return false;
    }
    return StartGame(session.ctx, hooks,
                     {.number = *game,
                      .name = GameName(session.ctx, *game),
                      .player = session.ctx.state.Get(field::kPlayer),
                      .persist = false,
                      .dealNumber = dealText});
}

void PrintPosition(const GameContext& ctx) {
    for (const std::string& line : TakeSnapshot(ctx)) std::cout << line << '\n';
    std::cout << "score " << ParseIntOr(ctx.state.Get(field::kScore), 0) << '\n';
}

int RunDeal(CliSession& session, const Arguments& args) {
    if (args.size() != 2) {
        std::cerr << "usage: vistrane-cli deal GAME DEAL\n";
        return 2;
    }
    DefaultPlayHooks play;
    EngineHooks hooks(play);
    if (!DealGame(session, hooks, args[0], args[1])) return 1;
    PrintPosition(session.ctx);
    return 0;
}

}  // namespace vis::cli
