// vistrane-cli [--dir PATH] COMMAND ARGS...
//
// Deals and plays the games headless through the same core as the program.
#include <exception>
#include <iostream>
#include <string>

#include "cli_commands.h"

namespace {

constexpr const char* kUsage =
    "usage: vistrane-cli [--dir PATH] COMMAND ...\n"
    "  games              list the catalog: number, type, name\n"
    "  deal GAME DEAL     deal a game and print its position\n"
    "  play GAME DEAL [--autoplay]\n"
    "                     deal, play the commands read from standard input\n";

struct Command {
    const char* name;
    int (*run)(vis::cli::CliSession&, const vis::cli::Arguments&);
};

constexpr Command kCommands[] = {
    {"games", vis::cli::RunGames},
    {"deal", vis::cli::RunDeal},
    {"play", vis::cli::RunPlay},
};

}  // namespace

int main(int argc, char* argv[]) {
    vis::cli::Arguments args(argv + 1, argv + argc);
    std::filesystem::path programDir = vis::cli::ExecutableDir(argv[0]);
    if (args.size() >= 2 && args[0] == "--dir") {
        programDir = args[1];
        args.erase(args.begin(), args.begin() + 2);
    }
    if (args.empty()) {
        std::cerr << kUsage;
        return 2;
    }
    for (const Command& command : kCommands) {
        if (args[0] != command.name) continue;
        try {
            vis::cli::CliSession session(programDir);
            return command.run(session, vis::cli::Arguments(args.begin() + 1, args.end()));
        } catch (const std::exception& e) {
            std::cerr << e.what() << '\n';
            return 1;
        }
    }
    std::cerr << "unknown command: " << args[0] << '\n' << kUsage;
    return 2;
}
