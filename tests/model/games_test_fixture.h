// A program directory with a games file and, when wanted, a customized-games
// file, and a context whose catalog is loaded from it.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "games_dat_writer.h"
#include "model/catalog.h"
#include "model/custom_games_file.h"
#include "model/games_file.h"
#include "model/headless_ui.h"
#include "model/program_paths.h"
#include "support/temp_dir.h"

namespace vis::test {

class GamesFixture : public ::testing::Test {
protected:
    GamesFixture() { SetProgramDir(ctx.state, dir.Path()); }

    void WriteGamesText(const std::string& text) { WriteFile(dir / "GAMES.DAT", text); }

    // Writes the games file and loads its catalog.
    void WriteGames(const std::vector<CatalogEntry>& catalog,
                    const std::vector<std::map<int, int>>& columns) {
        WriteGamesRows(catalog, RuleRows(columns));
    }
    void WriteGamesRows(const std::vector<CatalogEntry>& catalog,
                        const std::vector<std::string>& rows) {
        WriteGamesText(GamesDat(catalog, rows));
        ASSERT_TRUE(LoadCatalog(ctx));
    }

    void WriteCustomGames(const std::vector<CustomGameEntry>& games) {
        std::filesystem::create_directories(dir / "DATA");
        WriteFile(dir / "DATA" / "GAM_CUST.DAT", CustomGamesDat(games));
    }

    bool Load(int game) {
        ctx.state.SetZeroPadded(field::kGameNumber, game);
        return LoadGameRules(ctx);
    }

    // Whether every rule reads 0.
    bool RulesAllZero() const {
        for (int i = 0; i < rule::kRuleCount; ++i)
            if (ctx.rules[i] != 0) return false;
        return true;
    }

    TempDir dir;
    HeadlessUi ui;
    GameContext ctx{ui};
};

// A one-deck Klondike: seven piles of 1-7 cards, one card a press,
// endless passes.
inline std::map<int, int> KlondikeRules() {
    std::map<int, int> rules = {{rule::kDeckSize, 52},     {rule::kFoundationCount, 4},
                                {rule::kTableauCount, 7},  {rule::kStockCards, 24},
                                {rule::kStockFaceDown, 1}, {rule::kAutoplayAvailable, 1},
                                {rule::kCardsPerPress, 1}, {rule::kPasses, -1}};
    for (int f = 0; f < 4; ++f) rules[rule::kFoundationBase + f] = 1;
    for (int j = 0; j < 7; ++j) {
        rules[rule::kTableauCards + j] = j + 1;
        rules[rule::kTableauFaceUp + j] = 1;
        rules[rule::kTableauEmpty + j] = 91;
    }
    return rules;
}

}  // namespace vis::test
