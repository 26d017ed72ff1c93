// vistrane-golden-scripts PROGRAM_DIR GAME DEAL SEED STEPS [--autoplay]
//
// Writes to standard output a play script for one deal: random legal
// commands of the position, with now and then a command that is likely to
// be refused, an undo, a redo, an autoplay pass or a snapshot. The script is
// built by playing it through the same commands as vistrane-cli, so that
// each line is chosen in the position the player's tool will be in.
#include <iostream>
#include <random>
#include <string>
#include <vector>

#include "cli_commands.h"
#include "cli_history.h"
#include "engine/autoplay.h"
#include "engine/autoplay_hooks.h"
#include "engine/engine_hooks.h"
#include "engine/move_log.h"
#include "engine/play_commands.h"

namespace {

using namespace vis;

// Pile words of every kind, some of them naming piles no game has.
const std::vector<std::string> kTargetWords = {
    "Dest",   "Fila",   "Appogg",  "Dest1",   "Dest4",   "Dest8",     "Fila1",       "Fila5",
    "Fila10", "Fila13", "Appogg1", "Appogg4", "Appogg9", "Mazzo_Vis", "Mazzo_Waste", "Nowhere"};

std::string Extra(std::mt19937& random) {
    auto pick = [&random](int last) { return std::uniform_int_distribution<int>(0, last)(random); };
    switch (pick(7)) {
        case 0:
        case 1:
            return "move " + std::to_string(1 + pick(kLastCard - 1)) + " " +
                   kTargetWords[static_cast<std::size_t>(
                       pick(static_cast<int>(kTargetWords.size()) - 1))];
        case 2:
            return "flip " + std::to_string(1 + pick(kLastCard - 1));
        case 3:
            return "undo";
        case 4:
            return "redo";
        case 5:
            return "autoplay";
        case 6:
            return "stock";
        default:
            return "snapshot";
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 6) {
        std::cerr
            << "usage: vistrane-golden-scripts PROGRAM_DIR GAME DEAL SEED STEPS [--autoplay]\n";
        return 2;
    }
    const bool autoplay = argc > 6 && std::string(argv[6]) == "--autoplay";
    cli::CliSession session(argv[1]);
    GameContext& ctx = session.ctx;
    cli::LoadPreferences(ctx, ScreenSize{});
    if (ctx.state.Get(field::kPlayer).empty()) ctx.state.Set(field::kPlayer, "Player");
    ctx.game.autoplaySwitch = autoplay;
    AutoplayPlayHooks play;
    EngineHooks hooks(play);
    hooks.SetAutoplayPass([&play](GameContext& c) { return AutoplayPass(c, play); });
    if (!cli::DealGame(session, hooks, argv[2], argv[3])) return 1;

    std::mt19937 random(static_cast<unsigned>(std::stoul(argv[4])));
    const int steps = std::stoi(argv[5]);
    std::cout << "# play " << argv[2] << ' ' << argv[3] << (autoplay ? " --autoplay" : "") << '\n';
    // A few commands more once the game is over, which are all refused.
    int afterTheEnd = 3;
    for (int step = 0; step < steps && afterTheEnd > 0; ++step) {
        std::string line;
        const std::vector<PlayCommand> legal = LegalCommands(ctx);
        if (legal.empty() || std::uniform_int_distribution<int>(0, 9)(random) == 0) {
            line = Extra(random);
        } else {
            std::uniform_int_distribution<std::size_t> pick(0, legal.size() - 1);
            line = PlayCommandText(legal[pick(random)]);
        }
        std::cout << line << '\n';
        const ParsedLine parsed = ParsePlayLine(line);
        if (parsed.kind == LineKind::kCommand) CarryOutCommand(ctx, play, parsed.command);
        session.ui.ClearLog();
        cli::KeepRecentHistory(ctx.history.undo, cli::kScriptUndoSteps);
        if (!ctx.flags[Flag::kGameInProgress]) --afterTheEnd;
    }
    return 0;
}
