#include "records/held_games.h"

#include <cstdio>

#include "model/program_paths.h"
#include "model/text.h"
#include "records/saved_game_file.h"
#include "store/durable_file.h"

namespace vis {

namespace {
constexpr std::string_view kAllHeldNamesTaken =
    "There is no room to hold another game: 99 games are held already.\r"
    "Resume a held game first, or exit and post a loss.";
}

std::filesystem::path HeldGamePath(const GameContext& ctx, int number) {
    return ProgramFile(ctx.state, "DATA\\Stat_e" + ZeroPad(number, 2) + ".dat");
}

std::optional<std::filesystem::path> ReserveHeldGameFile(const GameContext& ctx) {
    for (int number = kFirstHeldNumber; number <= kLastHeldNumber; ++number) {
        const auto path = HeldGamePath(ctx, number);
        std::error_code ec;
        std::filesystem::create_directories(path.parent_path(), ec);
        // "x": only a name that is still free is taken.
        if (std::FILE* f = OpenFile(path, "wbx")) {
            std::fclose(f);
            return path;
        }
    }
    return std::nullopt;
}

std::optional<std::filesystem::path> FindHeldGameFile(const GameContext& ctx) {
    for (int number = 0; number <= kLastHeldNumber; ++number) {
        const auto path = HeldGamePath(ctx, number);
        if (FileExists(path)) return path;
    }
    return std::nullopt;
}

bool SaveHeldGame(GameContext& ctx, int playingSeconds) {
    // A resumed game held again replaces its own file, so it comes back once.
    const bool again = !ctx.game.resumedHeldFile.empty();
    const auto path = again ? std::optional(ctx.game.resumedHeldFile) : ReserveHeldGameFile(ctx);
    if (!path) {
        ctx.ui.ShowMessage(std::string(kAllHeldNamesTaken));
        return false;
    }
    if (ReplaceFileContent(*path, SavedGameText(CaptureSavedGame(ctx, playingSeconds))).result !=
        ReplaceResult::kDone) {
        // The resumed file still holds the game as it was resumed.
        std::error_code ec;
        if (!again) std::filesystem::remove(*path, ec);
        ctx.ui.ShowMessage("Unable to write to " + path->string());
        return false;
    }
    ctx.game.resumedHeldFile.clear();
    return true;
}

}  // namespace vis
