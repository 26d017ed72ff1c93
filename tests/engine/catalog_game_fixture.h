// A game of the shipped catalog dealt headless through the real engine:
// the game definitions compiled into a program directory of their own once
// per test program, autoplay and gap filling as the program has them, and
// the player's commands.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "engine/autoplay.h"
#include "engine/autoplay_hooks.h"
#include "engine/engine_hooks.h"
#include "engine/play_commands.h"
#include "game/new_game.h"
#include "model/catalog.h"
#include "model/game_definitions.h"
#include "model/game_definitions_writer.h"
#include "model/games_file.h"
#include "model/headless_ui.h"
#include "model/program_paths.h"
#include "support/source_tree.h"
#include "support/temp_dir.h"

namespace vis::test {

// The program directory holding GAMES.DAT compiled from the shipped
// definitions.
inline const std::filesystem::path& ShippedProgramDir() {
    static const std::unique_ptr<TempDir> dir = [] {
        auto made = std::make_unique<TempDir>();
        std::vector<DefinitionError> errors;
        const std::vector<CompiledGame> games =
            CompileGameDirectory(ShippedGameDefinitions(), errors);
        WriteFile(*made / std::string(kGamesFileName), WriteGamesFile(games));
        return made;
    }();
    return dir->Path();
}

class CatalogGame {
public:
    CatalogGame() {
        SetProgramDir(ctx.state, ShippedProgramDir());
        ctx.state.Set(field::kScoringScheme, "01");
        hooks.SetAutoplayPass([this](GameContext& c) { return AutoplayPass(c, play); });
    }

    // Deals game `number` with `dealNumber`; false when it cannot be dealt.
    bool Deal(int number, const std::string& dealNumber) {
        if (ctx.game.catalog.empty() && !LoadCatalog(ctx)) return false;
        return StartGame(ctx, hooks,
                         {.number = number,
                          .name = GameName(ctx, number),
                          .player = "",
                          .persist = false,
                          .dealNumber = dealNumber});
    }

    bool Do(const std::string& line) {
        const ParsedLine parsed = ParsePlayLine(line);
        return parsed.kind == LineKind::kCommand && CarryOutCommand(ctx, play, parsed.command);
    }

    HeadlessUi ui;
    GameContext ctx{ui};
    AutoplayPlayHooks play;
    EngineHooks hooks{play};
};

}  // namespace vis::test
