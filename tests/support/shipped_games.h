// A scratch program directory holding the games file compiled from the
// definitions we ship, with a context whose catalog is loaded from it.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>

#include "model/catalog.h"
#include "model/game_definitions.h"
#include "model/game_definitions_writer.h"
#include "model/games_file.h"
#include "model/headless_ui.h"
#include "model/program_paths.h"
#include "support/source_tree.h"
#include "support/temp_dir.h"

namespace vis::test {

class ShippedGamesTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::vector<DefinitionError> errors;
        const auto games = CompileGameDirectory(ShippedGameDefinitions(), errors);
        ASSERT_TRUE(errors.empty()) << errors.front().Text();
        WriteFile(dir / std::string(kGamesFileName), WriteGamesFile(games));
        SetProgramDir(ctx.state, dir.Path());
        ctx.state.Set(field::kConfigPath, kConfigRelativePath);
        std::filesystem::create_directories(dir / "DATA");
        ASSERT_TRUE(LoadCatalog(ctx));
    }

    int Number(std::string_view name) const { return GameNumberByName(ctx, name); }

    TempDir dir;
    HeadlessUi ui;
    GameContext ctx{ui};
};

}  // namespace vis::test
