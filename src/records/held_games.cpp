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
    const auto path = ReserveHeldGameFile(ctx);
    if (!path) {
        ctx.ui.ShowMessage(std::string(kAllHeldNamesTaken));
        return false;
    }
    if (ReplaceFileContent(*path, SavedGameText(CaptureSavedGame(ctx, playingSeconds))).result !=
        ReplaceResult::kDone) {
        std::error_code ec;
        std::filesystem::remove(*path, ec);
        ctx.ui.ShowMessage("Unable to write to " + path->string());
        return false;
    }
    return true;
}

}  // namespace vis
